#include "app/game.h"

#include <cstdio>
#include <cstdlib>

#include "gfx/board.h"
#include "gfx/colours.h"
#include "gfx/frame.h"
#include "level/collection_scan.h"

const char* const version_text = "Version 1.0 - made with care by the Pushwell team";
const char* const score_file_name = "scores.xml";

namespace {

struct SkinFile {
    int tile_size;
    const char* path;
    int failure;
};

// Largest tiles first: choose_skin takes the first set with which the board fits.
constexpr SkinFile skin_files[5] = {
    {50, "gfx/skin50.bmp", -21}, {40, "gfx/skin40.bmp", -22}, {30, "gfx/skin30.bmp", -23},
    {20, "gfx/skin20.bmp", -24}, {12, "gfx/skin12.bmp", -25},
};

}  // namespace

TGame::TGame() {
    undo_list.clear();
    if (big_font.open("gfx/base02.ttf", 30) != 0) {
        std::fputs("Error: could not load base02.ttf\n", stderr);
        std::exit(31);
    }
    if (small_font.open("gfx/vera.ttf", 20) != 0) {
        std::fputs("Error: could not load vera.ttf\n", stderr);
        std::exit(32);
    }
    background = nullptr;
}

TGame::~TGame() {
    save_results();
    collection = nullptr;
    collections.clear();
    spare_collection.reset();
    if (background) SDL_FreeSurface(background);
}

int TGame::init() {
    find_collections();
    if (collections.empty()) {
        std::fputs("Error: no level collections found\n", stderr);
        return -11;
    }
    spare_collection.reset();

    const int depth = screen->format->BitsPerPixel;
    for (int i = 0; i < 5; ++i) {
        const SkinFile& file = skin_files[i];
        if (skins[i].load(file.tile_size, file.tile_size, depth, file.path) != 0)
            return file.failure;
    }
    skin = &skins[0];

    background = load_image("gfx/back.bmp");
    score_file_state = load_score_file(high_score, score_file_name);
    results_read = true;
    return 0;
}

void TGame::find_collections() {
    CollectionScan scan = scan_collections("levels/");
    collections = std::move(scan.collections);
    spare_collection = std::move(scan.spare);
    if (collections.empty()) {
        collection = spare_collection.get();
        return;
    }
    collection = scan.default_collection ? scan.default_collection : collections.front().get();
}

int TGame::select_level(int index) {
    const TLevel* source = collection ? collection->get_level(index) : nullptr;
    if (!source) return -1;
    if (level_index >= 0) level.release();
    level.copy_from(*source);
    level_index = index;
    undo_list.clear();
    pushes = 0;
    if (!high_score.get_score(collection->get_name(), level.get_number(), best)) best = TScore{};
    return choose_skin();
}

void TGame::flip() {
    SDL_Flip(screen);
}

void TGame::save_results() {
    if (!results_read) return;
    // An unreadable file found at start-up is kept aside by the first save; after that the
    // file holds our own results.
    if (save_score_file(high_score, score_file_name, score_file_state))
        score_file_state = ScoreFileState::loaded;
}

bool TGame::set_video_mode(int width, int height, int bpp) {
    SDL_Surface* opened = SDL_SetVideoMode(width, height, bpp, video_flags);
    if (!opened) return false;
    screen = opened;
    return true;
}

void TGame::reopen_window(int width, int height) {
    if (set_video_mode(width, height, 0)) return;
    std::printf("SDL error: %s\n", SDL_GetError());
    std::fflush(stdout);
    // The window is gone but the results of this run are not: keep them.
    save_results();
    std::exit(41);
}

void TGame::reopen_menu_window(int width, int height) {
    reopen_window(width, height);
    clear_screen();
    draw_title_bar();
    draw_status_bar(version_text, grey);
}

int TGame::move_by(int32_t column_step, int32_t row_step) {
    const int result = ::move_by(level, column_step, row_step);
    if (result >= 0) draw_board();
    return result;
}

int TGame::move(int32_t direction) {
    const int result = ::move(level, direction);
    if (result >= 0) draw_board();
    return result;
}

int TGame::undo_by(int32_t column_step, int32_t row_step, int32_t push_flag) {
    const int result = ::undo_by(level, column_step, row_step, push_flag);
    if (result >= 0) draw_board();
    return result;
}

int TGame::undo(int32_t direction, int32_t push_flag) {
    const int result = ::undo(level, direction, push_flag);
    if (result >= 0) draw_board();
    return result;
}

int TGame::choose_skin() {
    const int fitting = fitting_skin(skins, skin_count, level.get_width(), level.get_height(),
                                     screen->w, screen->h - title_height - status_height);
    skin = &skins[fitting >= 0 ? fitting : skin_count - 1];
    return fitting >= 0 ? 0 : -1;
}

int TGame::draw_board() {
    return ::draw_board(screen, *skin, level, title_height, status_height);
}

void TGame::clear_screen() {
    ::clear_screen(screen);
}

void TGame::draw_background() {
    ::draw_background(screen, background, title_height, status_height);
}

void TGame::draw_title_bar() {
    ::draw_title_bar(screen, big_font, title_height);
}

void TGame::draw_status_bar(const char* message, SDL_Color colour) {
    if (message) {
        draw_status_message(screen, small_font, status_height, message, colour);
        return;
    }
    StatusFigures figures;
    figures.level_number = level.get_number();
    figures.moves = static_cast<int32_t>(undo_list.size());
    figures.pushes = pushes;
    figures.best_moves = best.moves;
    figures.best_pushes = best.pushes;
    draw_status_figures(screen, small_font, status_height, figures);
}

void TGame::redraw_all() {
    draw_background();
    draw_board();
    draw_title_bar();
    draw_status_bar(nullptr, white);
}
