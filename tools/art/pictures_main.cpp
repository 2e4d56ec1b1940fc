// The pictures that show a player what the game looks like before playing:
//   pushwell-pictures <data directory> <output directory> <level number> <collection file>...
// writes play.png, the play screen as the game draws it at the start of that level of the first
// collection, and collection-<file name>.png, a contact sheet of every level, for each
// collection file. The output directory must exist. Runs without a display.
#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "contact_sheet.h"
#include "gfx/board.h"
#include "gfx/frame.h"
#include "gfx/skin.h"
#include "level/collection.h"
#include "surface_png.h"

namespace {

constexpr int title_height = 50;
constexpr int status_height = 40;
constexpr int tile_sizes[] = {50, 40, 30, 20, 12};
constexpr int skin_count = 5;

struct Art {
    TSkin skins[skin_count];
    SDL_Surface* background = nullptr;
    TFont big_font, small_font, label_font;

    bool load(const std::string& data, int depth) {
        for (int i = 0; i < skin_count; ++i) {
            const int size = tile_sizes[i];
            const std::string path = data + "/skin" + std::to_string(size) + ".bmp";
            if (skins[i].load(size, size, depth, path.c_str()) != 0) return false;
        }
        background = load_image((data + "/back.bmp").c_str());
        return background != nullptr && big_font.open((data + "/base02.ttf").c_str(), 30) == 0 &&
               small_font.open((data + "/vera.ttf").c_str(), 20) == 0 &&
               label_font.open((data + "/vera.ttf").c_str(), 13) == 0;
    }
    void close() {
        SDL_FreeSurface(background);
        big_font.close();
        small_font.close();
        label_font.close();
    }
};

std::string file_name_of(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The window as the game draws it when a level starts: its tiles are the largest it fits with.
bool draw_play_screen(SDL_Surface* screen, Art& art, const TLevel& source) {
    TPlayLevel level;
    level.copy_from(source);
    const int fitting = fitting_skin(art.skins, skin_count, level.get_width(), level.get_height(),
                                     screen->w, screen->h - title_height - status_height);
    if (fitting < 0) return false;
    draw_background(screen, art.background, title_height, status_height);
    draw_board(screen, art.skins[fitting], level, title_height, status_height);
    draw_title_bar(screen, art.big_font, title_height);
    StatusFigures figures;
    figures.level_number = level.get_number();
    draw_status_figures(screen, art.small_font, status_height, figures);
    return true;
}

int make_pictures(SDL_Surface* screen, Art& art, const std::string& output, int play_level,
                  const std::vector<std::string>& collection_paths) {
    for (size_t i = 0; i < collection_paths.size(); ++i) {
        const std::string& path = collection_paths[i];
        TLevelCollection collection;
        if (import_path(collection, path) == -1) {
            std::fprintf(stderr, "pushwell-pictures: cannot read %s\n", path.c_str());
            return 1;
        }
        if (i == 0) {
            const TLevel* level = collection.get_level(play_level - 1);
            const std::string play_path = output + "/play.png";
            if (level == nullptr || !draw_play_screen(screen, art, *level) ||
                !write_surface_png(screen, play_path)) {
                std::fprintf(stderr, "pushwell-pictures: cannot draw level %d of %s into %s\n",
                             play_level, path.c_str(), play_path.c_str());
                return 1;
            }
        }
        const SheetArt sheet_art{art.skins, skin_count, art.background, &art.big_font,
                                 &art.label_font};
        SDL_Surface* sheet = draw_contact_sheet(collection, sheet_art, screen->format);
        const std::string sheet_path = output + "/collection-" + file_name_of(path) + ".png";
        const bool written = sheet != nullptr && write_surface_png(sheet, sheet_path);
        SDL_FreeSurface(sheet);
        if (!written) {
            std::fprintf(stderr, "pushwell-pictures: cannot draw %s\n", sheet_path.c_str());
            return 1;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5 || std::atoi(argv[3]) < 1) {
        std::fprintf(stderr,
                     "usage: pushwell-pictures <data directory> <output directory> "
                     "<level number> <collection file>...\n");
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || TTF_Init() != 0) return 1;
    SDL_Surface* screen = SDL_SetVideoMode(800, 600, 32, SDL_SWSURFACE);
    int status = 1;
    auto art = std::make_unique<Art>();
    if (screen == nullptr || !art->load(argv[1], screen->format->BitsPerPixel)) {
        std::fprintf(stderr, "pushwell-pictures: cannot load the game's art from %s\n", argv[1]);
    } else {
        status = make_pictures(screen, *art, argv[2], std::atoi(argv[3]),
                               std::vector<std::string>(argv + 4, argv + argc));
    }
    art->close();
    art.reset();  // the skins are freed before SDL shuts down
    TTF_Quit();
    SDL_Quit();
    return status;
}
