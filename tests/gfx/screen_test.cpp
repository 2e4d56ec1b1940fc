#include "screen_test.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

void ScreenTest::SetUpTestSuite() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);  // without it SDL falls back to a text-mode driver
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    ASSERT_EQ(TTF_Init(), 0) << TTF_GetError();
}

void ScreenTest::SetUp() {
    reopen(800, 600);
    ASSERT_EQ(big_font.open(PUSHWELL_ROOT "/gfx/base02.ttf", 30), 0);
    ASSERT_EQ(small_font.open(PUSHWELL_ROOT "/gfx/vera.ttf", 20), 0);
}

void ScreenTest::reopen(int width, int height) {
    // The dummy driver defaults to 8 bits; colours are checked in an explicit 32-bit mode.
    screen = SDL_SetVideoMode(width, height, 32, SDL_SWSURFACE);
    ASSERT_NE(screen, nullptr) << SDL_GetError();
}

Uint32 map(SDL_Surface* surface, SDL_Color colour) {
    return SDL_MapRGB(surface->format, colour.r, colour.g, colour.b);
}

void fill(SDL_Surface* surface, SDL_Color colour) {
    SDL_FillRect(surface, nullptr, map(surface, colour));
}

void put_text(SDL_Surface* target, TTF_Font* font, const char* text, SDL_Color colour, int x,
              int y) {
    SurfacePtr rendered(TTF_RenderText_Blended(font, text, colour));
    SDL_Rect where{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(rendered.get(), nullptr, target, &where);
}

int text_width(TTF_Font* font, const char* text) {
    int width = 0;
    TTF_SizeText(font, text, &width, nullptr);
    return width;
}

::testing::AssertionResult same_pixels(SDL_Surface* actual, SDL_Surface* expected,
                                       const std::string& name) {
    for (int y = 0; y < actual->h; ++y) {
        for (int x = 0; x < actual->w; ++x) {
            if (pixel(actual, x, y) == pixel(expected, x, y)) continue;
            const std::string base = ::testing::TempDir() + "pushwell-" + name;
            SDL_SaveBMP(actual, (base + "-actual.bmp").c_str());
            SDL_SaveBMP(expected, (base + "-expected.bmp").c_str());
            return ::testing::AssertionFailure() << name << " differs first at (" << x << ", " << y
                                                 << "); see " << base << "-*.bmp";
        }
    }
    return ::testing::AssertionSuccess();
}

std::pair<int, int> painted_columns(SDL_Surface* surface, int top, int height, Uint32 empty) {
    std::pair<int, int> span{-1, -1};
    for (int x = 0; x < surface->w; ++x) {
        for (int y = top; y < top + height; ++y) {
            if (pixel(surface, x, y) == empty) continue;
            if (span.first < 0) span.first = x;
            span.second = x;
            break;
        }
    }
    return span;
}

SDL_Color slot_colour(int slot) {
    return {static_cast<Uint8>(20 + 23 * slot), static_cast<Uint8>(230 - 21 * slot),
            static_cast<Uint8>(40 + 17 * slot), 0};
}

void load_flat_skin(TSkin& skin, int tile_size, int columns, int rows, int shift) {
    SurfacePtr bitmap(SDL_CreateRGBSurface(SDL_SWSURFACE, columns * tile_size, rows * tile_size, 32,
                                           0xff0000, 0xff00, 0xff, 0));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            // Row 1 holds only four tiles; its unused cells are magenta, never to be drawn.
            const SDL_Color colour = row == 1 && column >= 4
                                         ? SDL_Color{255, 0, 255, 0}
                                         : slot_colour(row * 6 + column + shift);
            SDL_Rect tile{static_cast<Sint16>(column * tile_size),
                          static_cast<Sint16>(row * tile_size), static_cast<Uint16>(tile_size),
                          static_cast<Uint16>(tile_size)};
            SDL_FillRect(bitmap.get(), &tile, map(bitmap.get(), colour));
        }
    }
    const std::string path =
        ::testing::TempDir() + "pushwell-flat-skin-" + std::to_string(getpid()) + ".bmp";
    SDL_SaveBMP(bitmap.get(), path.c_str());
    ASSERT_EQ(skin.load(tile_size, tile_size, 32, path.c_str()), 0);
    std::remove(path.c_str());
}
