#include "gfx/frame.h"

#include <string>

#include "screen_test.h"

namespace {

using FrameTest = ScreenTest;
const SDL_Color blue{0, 0, 255, 0};
const SDL_Color marker{250, 240, 10, 0};

bool rows_are(SDL_Surface* surface, int first, int last, SDL_Color colour) {
    for (int y = first; y <= last; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            if (pixel(surface, x, y) != map(surface, colour)) return false;
        }
    }
    return true;
}

// The screen as it should be after a bar of `height` rows from `top` was drawn over blue.
SurfacePtr blue_with_bar(SDL_Surface* screen, int top, int height) {
    SurfacePtr expected = snapshot(screen);
    fill(expected.get(), blue);
    SDL_Rect bar{0, static_cast<Sint16>(top), static_cast<Uint16>(screen->w),
                 static_cast<Uint16>(height)};
    SDL_FillRect(expected.get(), &bar, map(screen, black));
    return expected;
}

// 64 x 64, with a marker in its top-left pixel so that every placed copy can be counted.
SurfacePtr marked_background() {
    SurfacePtr background(
        SDL_CreateRGBSurface(SDL_SWSURFACE, 64, 64, 32, 0xff0000, 0xff00, 0xff, 0));
    fill(background.get(), SDL_Color{60, 70, 80, 0});
    SDL_Rect corner{0, 0, 1, 1};
    SDL_FillRect(background.get(), &corner, map(background.get(), marker));
    return background;
}

TEST_F(FrameTest, BackgroundTilesThePlayAreaAndNeverTheBars) {
    SurfacePtr background = marked_background();
    fill(screen, blue);
    draw_background(screen, background.get(), 50, 40);
    int markers = 0;
    for (int y = 0; y < screen->h; ++y) {
        for (int x = 0; x < screen->w; ++x) {
            if (pixel(screen, x, y) != map(screen, marker)) continue;
            ++markers;
            EXPECT_TRUE(x % 64 == 0 && (y - 50) % 64 == 0) << x << ", " << y;
        }
    }
    EXPECT_EQ(markers, 8 * 13);
    EXPECT_TRUE(rows_are(screen, 0, 49, blue));
    EXPECT_TRUE(rows_are(screen, 560, 599, blue));
    EXPECT_EQ(pixel(screen, 799, 559), map(screen, SDL_Color{60, 70, 80, 0}));
    EXPECT_EQ(screen->clip_rect.h, 600);  // the whole window again
}

TEST_F(FrameTest, PlayAreaWithoutAUsableBackgroundIsPlainDarkGrey) {
    SurfacePtr empty_image(SDL_CreateRGBSurface(SDL_SWSURFACE, 0, 64, 32, 0, 0, 0, 0));
    for (SDL_Surface* background : {static_cast<SDL_Surface*>(nullptr), empty_image.get()}) {
        fill(screen, blue);
        draw_background(screen, background, 50, 40);
        EXPECT_TRUE(rows_are(screen, 0, 49, blue));
        EXPECT_TRUE(rows_are(screen, 50, 559, SDL_Color{20, 20, 20, 0}));
        EXPECT_TRUE(rows_are(screen, 560, 599, blue));
    }
    // Lower than the two bars: there is no play area to fill.
    reopen(800, 80);
    SurfacePtr background = marked_background();
    fill(screen, blue);
    draw_background(screen, background.get(), 50, 40);
    EXPECT_TRUE(rows_are(screen, 0, 79, blue));
}

TEST_F(FrameTest, TitleBarFollowsTheWindowWidth) {
    for (int width : {800, 1024}) {
        reopen(width, width * 3 / 4);
        fill(screen, blue);
        draw_title_bar(screen, big_font, 50);
        SurfacePtr expected = blue_with_bar(screen, 0, 50);
        put_text(expected.get(), big_font.font, "Pushwell", white, 20, 0);
        // The credit ends at w - 20: column 779, or 1003 in a 1024-pixel window.
        const int credit_left = width - 20 - text_width(big_font.font, credit_text);
        put_text(expected.get(), big_font.font, credit_text, white, credit_left, 0);
        EXPECT_TRUE(same_pixels(screen, expected.get(), "title-" + std::to_string(width)));
    }
}

TEST_F(FrameTest, StatusBarShowsTheFiguresOrAMessage) {
    const std::pair<StatusFigures, std::string> cases[] = {
        {{3, 17, 4, 0, 0}, "Unsolved"}, {{12, 120, 31, 57, 12}, "Highscore: 57 / 12"}};
    for (const auto& [figures, best] : cases) {
        fill(screen, blue);
        draw_status_figures(screen, small_font, 40, figures);
        SurfacePtr expected = blue_with_bar(screen, 560, 40);
        const std::string fields[] = {"Level: " + std::to_string(figures.level_number),
                                      "Moves: " + std::to_string(figures.moves),
                                      "Pushes: " + std::to_string(figures.pushes)};
        const int columns[] = {20, 160, 300};
        for (int i = 0; i < 3; ++i) {
            put_text(expected.get(), small_font.font, fields[i].c_str(), white, columns[i], 568);
        }
        const int best_left = 780 - text_width(small_font.font, best.c_str());
        put_text(expected.get(), small_font.font, best.c_str(), white, best_left, 568);
        EXPECT_TRUE(same_pixels(screen, expected.get(), "status-" + best));
    }

    fill(screen, blue);
    draw_status_message(screen, small_font, 40, "", white);
    EXPECT_TRUE(same_pixels(screen, blue_with_bar(screen, 560, 40).get(), "status-empty"));
    draw_status_message(screen, small_font, 40, "Pushwell 1.0", grey);
    SurfacePtr expected = blue_with_bar(screen, 560, 40);
    put_text(expected.get(), small_font.font, "Pushwell 1.0", grey, 20, 568);
    EXPECT_TRUE(same_pixels(screen, expected.get(), "status-message"));
}

}  // namespace
