#include <algorithm>
#include <string>

#include "screen_test.h"

namespace {

using FontTest = ScreenTest;
const SDL_Color blue{0, 0, 255, 0};

TEST_F(FontTest, TextThatRendersToNothingLeavesTheSurfaceUntouched) {
    fill(screen, blue);
    SurfacePtr before = snapshot(screen);
    for (int mode : {int{solid}, int{shaded}, int{blended}, 3}) {
        for (int align : {int{left}, int{right}, int{centre}, 5}) {
            small_font.draw(screen, 400, 300, white, black, mode, align, "");
        }
    }
    small_font.draw(screen, 400, 300, white, black, 3, left, "Moves");  // unknown mode
    // Positions that a 16-bit rectangle would wrap around to about (100, 100).
    small_font.draw_blended(screen, 65536 + 100, 100, white, "Moves");
    small_font.draw_blended(screen, 100, 65536 + 100, white, "Moves");
    small_font.draw_blended(screen, -65536 + 100, 100, white, "Moves");
    small_font.draw_aligned(screen, 65536 + 160, 100, white, right, "Moves");
    // A font that failed to open draws nothing instead of crashing.
    TFont missing;
    EXPECT_EQ(missing.open(PUSHWELL_ROOT "/gfx/no-such-font.ttf", 20), -1);
    missing.draw_blended(screen, 10, 10, "Pushwell");
    EXPECT_TRUE(same_pixels(screen, before.get(), "font-nothing"));
}

TEST_F(FontTest, AlignmentsLandOnTheirColumns) {
    // Shaded text paints its whole box, so the painted columns are exactly the rendered width.
    auto span_of = [&](int x, int align, const char* text) {
        fill(screen, black);
        small_font.draw(screen, x, 100, white, blue, shaded, align, text);
        return painted_columns(screen, 100, 30, map(screen, black));
    };
    EXPECT_EQ(span_of(780, right, "Moves: 12"),
              std::make_pair(780 - text_width(small_font.font, "Moves: 12"), 779));
    EXPECT_EQ(span_of(200, 5, "Moves: 12").first, 200);  // unknown alignment: left

    auto width = [&](const std::string& text) { return text_width(small_font.font, text.c_str()); };
    std::string line;  // some line exactly 101 pixels wide
    for (char first = 'a'; first <= 'z' && width(line) != 101; ++first) {
        for (char filler : {'i', 'l', 't', 'n', 'm'}) {
            for (line = std::string(1, first); width(line) < 101;) line += filler;
            if (width(line) == 101) break;
        }
    }
    ASSERT_EQ(text_width(small_font.font, line.c_str()), 101);
    EXPECT_EQ(span_of(400, centre, line.c_str()), std::make_pair(350, 450));
}

TEST_F(FontTest, TextKeepsItsColourAndEveryByteIsOneLatin1Character) {
    fill(screen, black);
    big_font.draw_aligned(screen, 100, 100, red, left, "HHHH");
    Uint8 reddest = 0;
    for (int y = 100; y < 140; ++y) {
        for (int x = 100; x < 200; ++x) {
            SDL_Color seen;
            SDL_GetRGB(pixel(screen, x, y), screen->format, &seen.r, &seen.g, &seen.b);
            ASSERT_EQ(seen.b, 0) << "red text came out blue";
            ASSERT_EQ(seen.g, 0);
            reddest = std::max(reddest, seen.r);
        }
    }
    EXPECT_EQ(reddest, 255);

    // 0xE9 is the Latin-1 e acute, not the start of a multi-byte sequence; and the form
    // without a colour draws in the font's own colour, white since `open`.
    fill(screen, black);
    small_font.draw_blended(screen, 10, 10, "Caf\xE9");
    SurfacePtr expected = snapshot(screen);
    fill(expected.get(), black);
    const Uint16 cafe[] = {'C', 'a', 'f', 0xE9, 0};
    SurfacePtr rendered(TTF_RenderUNICODE_Blended(small_font.font, cafe, white));
    SDL_Rect where{10, 10, 0, 0};
    SDL_BlitSurface(rendered.get(), nullptr, expected.get(), &where);
    EXPECT_TRUE(same_pixels(screen, expected.get(), "font-latin1"));
}

}  // namespace
