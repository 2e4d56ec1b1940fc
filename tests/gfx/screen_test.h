#pragma once

#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <string>

#include "gfx/font.h"
#include "gfx/skin.h"
#include "support/surface.h"

// Every test here draws on a real 32-bit window of SDL's dummy driver (800 x 600 unless
// reopened), with the game's own fonts from gfx/ at their real sizes.
class ScreenTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite() { TTF_Quit(), SDL_Quit(); }
    void SetUp() override;
    void TearDown() override { big_font.close(), small_font.close(); }
    void reopen(int width, int height);

    SDL_Surface* screen = nullptr;
    TFont big_font;
    TFont small_font;
};

Uint32 map(SDL_Surface* surface, SDL_Color colour);
void fill(SDL_Surface* surface, SDL_Color colour);
// What a piece of text should look like: rendered by the font engine, its left edge at x.
void put_text(SDL_Surface* target, TTF_Font* font, const char* text, SDL_Color colour, int x,
              int y);
int text_width(TTF_Font* font, const char* text);
// Pixel-exact; on a difference both pictures are saved as BMP files to look at.
::testing::AssertionResult same_pixels(SDL_Surface* actual, SDL_Surface* expected,
                                       const std::string& name);
// The first and last columns in which rows top..top+height-1 hold anything but `empty`.
std::pair<int, int> painted_columns(SDL_Surface* surface, int top, int height, Uint32 empty);

// A synthetic skin whose tiles are flat, distinct colours, so a drawn tile tells its slot.
// Its bitmap has `columns` x `rows` tiles; slot s is coloured as slot s + shift.
SDL_Color slot_colour(int slot);
void load_flat_skin(TSkin& skin, int tile_size, int columns = 6, int rows = 2, int shift = 0);
