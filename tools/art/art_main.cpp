// Draws the game's skin bitmaps and background into the data directory given as argument.
#include <cstdio>
#include <string>

#include "sheets.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pushwell-art <data directory>\n");
        return 2;
    }
    const std::string directory = argv[1];
    for (int tile_size : {50, 40, 30, 20, 12}) {
        const std::string path = directory + "/skin" + std::to_string(tile_size) + ".bmp";
        if (!write_bmp(draw_skin_sheet(tile_size), path)) {
            std::fprintf(stderr, "pushwell-art: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    const std::string background = directory + "/back.bmp";
    if (!write_bmp(draw_background_texture(128), background)) {
        std::fprintf(stderr, "pushwell-art: cannot write %s\n", background.c_str());
        return 1;
    }
    return 0;
}
