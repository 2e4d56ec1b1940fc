#include "gfx/skin.h"

namespace {

constexpr int slot_count = 10;

// Where slot s sits in the skin bitmap, in tile units: the floor, target, box and man tiles on
// row 0, the four wall pieces at the start of row 1.
int slot_column(int slot) {
    return slot < 6 ? slot : slot - 6;
}
int slot_row(int slot) {
    return slot < 6 ? 0 : 1;
}

}  // namespace

TSkin::~TSkin() {
    for (SDL_Surface*& tile : tiles) {
        SDL_FreeSurface(tile);
        tile = nullptr;
    }
}

int TSkin::load(int tile_width, int tile_height, int depth, const char* path) {
    width = tile_width;
    height = tile_height;
    SDL_Surface* bitmap = load_image(path);
    if (bitmap == nullptr) return -1;
    bool complete = true;
    for (int slot = 0; slot < slot_count; ++slot) {
        // A skin loaded twice must not leak the tiles of the first load.
        SDL_FreeSurface(tiles[slot]);
        tiles[slot] = SDL_CreateRGBSurface(0, width, height, depth, 0, 0, 0, 0);
        // A skin without all its tiles would draw boards with squares missing.
        if (tiles[slot] == nullptr) {
            complete = false;
            continue;
        }
        SDL_Rect source{static_cast<Sint16>(slot_column(slot) * width),
                        static_cast<Sint16>(slot_row(slot) * height), static_cast<Uint16>(width),
                        static_cast<Uint16>(height)};
        SDL_BlitSurface(bitmap, &source, tiles[slot], nullptr);
    }
    SDL_FreeSurface(bitmap);
    return complete ? 0 : -1;
}

int TSkin::draw_tile(int code, SDL_Surface* target, int x, int y) const {
    if (code < 1 || code > slot_count) return -1;
    SDL_Surface* tile = tiles[code - 1];
    if (tile == nullptr) return -1;
    SDL_Rect destination{static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(width),
                         static_cast<Uint16>(height)};
    SDL_BlitSurface(tile, nullptr, target, &destination);
    return 0;
}

int fitting_skin(const TSkin* skins, int skin_count, int columns, int rows, int area_width,
                 int area_height) {
    for (int index = 0; index < skin_count; ++index) {
        // 64-bit products: a board from a level file may be of any size.
        const long long board_width = static_cast<long long>(columns) * skins[index].width;
        const long long board_height = static_cast<long long>(rows) * skins[index].height;
        if (board_width <= area_width && board_height <= area_height) return index;
    }
    return -1;
}
