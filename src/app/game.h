#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/font.h"
#include "gfx/skin.h"
#include "level/collection.h"
#include "level/level.h"
#include "level/rules.h"
#include "score/high_score.h"
#include "score/score.h"
#include "score/score_file.h"

// The line in the status bar of the menu screens.
extern const char* const version_text;

// Where the results are kept, in the directory the game runs from.
extern const char* const score_file_name;

// The application object: it holds the window surface (the library's), the fonts, the skins,
// the collections, the level being played with its undo list and counters, and the score store.
// Every screen is one of its operations and works on these fields, which stay public so that
// the screens' tests can set up and inspect a game directly.
class TGame {
  public:
    // Opens the two fonts; ends the process (31 or 32) when one cannot be opened. The font
    // engine must be running.
    TGame();
    TGame(const TGame&) = delete;
    TGame& operator=(const TGame&) = delete;
    // Writes the results to the score file (when start-up read them) and releases everything
    // the game holds.
    ~TGame();

    // Loads the collections, the skins, the background and the results. 0, or -11 when no
    // collection was found, -21 to -25 when a tile set cannot be loaded. Needs the window.
    int init();
    // Makes level `index` of the current collection the one being played. 0; -1 when there is
    // no such level (nothing changes) or when even the smallest tiles do not fit the window.
    int select_level(int index);
    void flip();
    // Writes the results to the score file at once, atomically, so that no later end of the
    // process (a kill, a lost display) can lose them. Nothing is written before start-up has
    // read the file: that would replace it by an empty one. A failure prints its line and the
    // game goes on.
    void save_results();

    // Opens the window at the given size and depth (0: the display's own) with video_flags;
    // false when the library refuses.
    bool set_video_mode(int width, int height, int bpp);
    // A resized window has to be opened again at its new size. When that fails the game cannot
    // go on: the results are saved, the library's reason is printed and the process ends (41).
    void reopen_window(int width, int height);
    // The same for the menu screens, which then stand on a cleared window with their bars.
    void reopen_menu_window(int width, int height);

    // The screens.
    int play();
    int title_menu();
    void draw_title_menu(int selected);
    void choose_collection();
    void draw_collection_chooser(int selected);
    void show_help();

    // Subsystem operations on the game's own fields.
    void find_collections();
    int move_by(int32_t column_step, int32_t row_step);
    int move(int32_t direction);
    int undo_by(int32_t column_step, int32_t row_step, int32_t push_flag);
    int undo(int32_t direction, int32_t push_flag);
    int choose_skin();
    int draw_board();
    void clear_screen();
    void draw_background();
    void draw_title_bar();
    // With no message: the level's figures; otherwise the message in the colour.
    void draw_status_bar(const char* message, SDL_Color colour);
    void redraw_all();

    SDL_Surface* screen = nullptr;  // owned by the graphics library
    uint32_t video_flags = 0;
    TFont big_font;
    TFont small_font;
    SDL_Surface* background = nullptr;
    TSkin* skin = nullptr;
    TSkin skins[5];
    int32_t skin_count = 5;
    TLevelCollection* collection = nullptr;  // the current one, owned by `collections`
    std::vector<std::unique_ptr<TLevelCollection>> collections;
    TPlayLevel level;
    int32_t level_index = -1;
    std::vector<TMove> undo_list;
    int32_t pushes = 0;
    THighScore high_score;
    TScore best;
    int32_t repeat_interval = 100;
    int32_t repeat_delay = 300;
    int32_t title_height = 50;
    int32_t status_height = 40;

    // What start-up found in the score file: an unreadable file is kept, not overwritten.
    ScoreFileState score_file_state = ScoreFileState::missing;
    bool results_read = false;
    // The object the last scanned file would have been read into. When no collection was found
    // it stays current (with no levels) until the end, so that `collection` is never null.
    std::unique_ptr<TLevelCollection> spare_collection;

  private:
    // The play screen's stand-in for a collection that has nothing to play.
    void show_empty_collection();
};
