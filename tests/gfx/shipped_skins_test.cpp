// The skins pushwell-art drew into the data directory, cut as the game cuts them: each slot
// must hold the picture the art code paints for the tile code drawn from it, or boards would
// show walls where the boxes are.
#include <algorithm>
#include <cmath>
#include <string>

#include "raster.h"
#include "screen_test.h"
#include "tiles.h"

namespace {

using ShippedSkins = ScreenTest;

// The tile painted alone, with as many samples per pixel as the skin sheets use.
Raster painted_tile(int code, int size) {
    Raster tile(size, size);
    const float pixel = 1.0f / size;
    paint_square(tile, 0, 0, size, size >= 30 ? 6 : 10,
                 [code, pixel](float u, float v) { return tile_picture(code, u, v, pixel); });
    return tile;
}

// The first pixel of the cut tile that is not the painted one, as "(x, y)"; empty when none.
std::string first_difference(SDL_Surface* cut, const Raster& painted) {
    const auto byte = [](float channel) {
        return std::lround(std::clamp(channel, 0.0f, 1.0f) * 255.0f);
    };
    for (int y = 0; y < painted.height; ++y) {
        for (int x = 0; x < painted.width; ++x) {
            Uint8 r, g, b;
            SDL_GetRGB(pixel(cut, x, y), cut->format, &r, &g, &b);
            const Rgb& want = painted.at(x, y);
            if (r != byte(want.r) || g != byte(want.g) || b != byte(want.b)) {
                return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
            }
        }
    }
    return "";
}

}  // namespace

TEST_F(ShippedSkins, EverySlotHoldsThePictureOfItsTileCode) {
    for (int size : {50, 40, 30, 20, 12}) {
        const std::string path = PUSHWELL_ROOT "/gfx/skin" + std::to_string(size) + ".bmp";
        TSkin skin;
        ASSERT_EQ(skin.load(size, size, 32, path.c_str()), 0) << path;
        for (int code = 1; code <= 10; ++code) {
            EXPECT_EQ(first_difference(skin.tiles[code - 1], painted_tile(code, size)), "")
                << path << ", tile code " << code;
        }
    }
}
