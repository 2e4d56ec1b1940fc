// Renders whole 800 x 600 frames with the real data (fonts, skins, background) into BMP files,
// one per tile size, so the art can be judged the way a player sees it. Runs without a display.
#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "gfx/board.h"
#include "gfx/frame.h"
#include "gfx/skin.h"
#include "level/level.h"
#include "level/map_chars.h"

namespace {

constexpr int title_height = 50;
constexpr int status_height = 40;

// A sample board of ours, in the map characters of level/map_chars.h.
const std::vector<std::string> sample_board = {
    "    #####     ",  //
    "  ###   ####  ",  //
    "  #  $ .   #  ",  //
    "### ## ### ###",  //
    "#  *  @ $ .  #",  //
    "#  ##.## *## #",  //
    "#   $   +    #",  //
    "######  ######",  //
    "     ####     ",
};

TPlayLevel make_level(const std::vector<std::string>& rows, int copies_across, int copies_down) {
    const int width = static_cast<int>(rows[0].size());
    const int height = static_cast<int>(rows.size());
    TLevel level;
    level.create(width * copies_across, height * copies_down);
    level.set_number(7);
    for (int copy = 0; copy < copies_across * copies_down; ++copy) {
        const int left = copy % copies_across * width;
        const int top = copy / copies_across * height;
        for (int row = 0; row < height; ++row) {
            for (int column = 0; column < width; ++column) {
                const MapPiece piece = map_piece(rows[row][column]);
                level.set_cell(left + column, top + row, piece.cell);
                if (copy == 0 && piece.man) level.set_start(column, row);
            }
        }
    }
    level.mark_outside();
    TPlayLevel play;
    play.copy_from(level);
    return play;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: pushwell-preview <data directory> <output directory>\n");
        return 2;
    }
    const std::string data = argv[1];
    const std::string output = argv[2];
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || TTF_Init() != 0) return 1;
    SDL_Surface* screen = SDL_SetVideoMode(800, 600, 32, SDL_SWSURFACE);
    if (screen == nullptr) return 1;

    TFont big_font, small_font;
    if (big_font.open((data + "/base02.ttf").c_str(), 30) != 0 ||
        small_font.open((data + "/vera.ttf").c_str(), 20) != 0) {
        return 1;
    }
    SDL_Surface* background = load_image((data + "/back.bmp").c_str());
    int status = 0;
    for (int size : {50, 40, 30, 20, 12}) {
        TSkin skin;
        const std::string skin_path = data + "/skin" + std::to_string(size) + ".bmp";
        if (skin.load(size, size, screen->format->BitsPerPixel, skin_path.c_str()) != 0) {
            status = 1;
            continue;
        }
        // The small tiles show a bigger board, as they would in play.
        const int copies = size >= 30 ? 1 : 800 / (size * 14);
        const TPlayLevel level = make_level(sample_board, copies, copies);
        draw_background(screen, background, title_height, status_height);
        draw_board(screen, skin, level, title_height, status_height);
        draw_title_bar(screen, big_font, title_height);
        StatusFigures figures;
        figures.level_number = level.get_number();
        figures.moves = 123;
        figures.pushes = 45;
        figures.best_moves = size == 50 ? 0 : 98;
        figures.best_pushes = 30;
        draw_status_figures(screen, small_font, status_height, figures);
        const std::string path = output + "/frame" + std::to_string(size) + ".bmp";
        if (SDL_SaveBMP(screen, path.c_str()) != 0) status = 1;
    }
    SDL_FreeSurface(background);
    big_font.close();
    small_font.close();
    TTF_Quit();
    SDL_Quit();
    return status;
}
