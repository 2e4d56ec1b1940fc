#include <string>

#include "screen_test.h"

namespace {

using SkinTest = ScreenTest;

TEST_F(SkinTest, EveryTileCodeDrawsItsSlotAndOnlyThat) {
    TSkin skin;
    load_flat_skin(skin, 10);
    const Uint32 none = map(screen, black);
    for (int code = 1; code <= 10; ++code) {
        SCOPED_TRACE("tile code " + std::to_string(code));
        fill(screen, black);
        ASSERT_EQ(skin.draw_tile(code, screen, 100, 200), 0);
        const Uint32 tile = map(screen, slot_colour(code - 1));
        EXPECT_EQ(pixel(screen, 100, 200), tile);
        EXPECT_EQ(pixel(screen, 109, 209), tile);
        EXPECT_EQ(pixel(screen, 110, 209), none);
        EXPECT_EQ(pixel(screen, 109, 210), none);
        EXPECT_EQ(pixel(screen, 99, 200), none);
    }
    fill(screen, black);
    SurfacePtr before = snapshot(screen);
    for (int code : {0, 11, -1}) EXPECT_EQ(skin.draw_tile(code, screen, 100, 200), -1);
    EXPECT_TRUE(same_pixels(screen, before.get(), "skin-no-tile"));
}

TEST_F(SkinTest, BitmapsThatAreMissingShortOrReloadedAreHandled) {
    TSkin skin;
    const std::string missing = ::testing::TempDir() + "pushwell-no-such-skin.bmp";
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(skin.load(30, 30, 32, missing.c_str()), -1);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "load_image: error opening " + missing + "\n");
    EXPECT_EQ(skin.tile_width(), 30);
    EXPECT_EQ(skin.draw_tile(1, screen, 0, 0), -1);

    // Three tiles by one: accepted, and the slots beyond it stay black.
    load_flat_skin(skin, 10, 3, 1);
    EXPECT_EQ(skin.draw_tile(3, screen, 0, 0), 0);
    EXPECT_EQ(pixel(screen, 5, 5), map(screen, slot_colour(2)));
    EXPECT_EQ(skin.draw_tile(4, screen, 0, 0), 0);
    EXPECT_EQ(pixel(screen, 5, 5), map(screen, black));

    // Loading again replaces the tiles (the leak checker sees the old ones freed).
    load_flat_skin(skin, 10, 6, 2, 1);
    EXPECT_EQ(skin.draw_tile(1, screen, 0, 0), 0);
    EXPECT_EQ(pixel(screen, 5, 5), map(screen, slot_colour(1)));
}

TEST_F(SkinTest, ImagesAndTilesThatCannotBeMadeAreFailures) {
    const std::string path = ::testing::TempDir() + "pushwell-small-skin.bmp";
    SurfacePtr bitmap(SDL_CreateRGBSurface(SDL_SWSURFACE, 60, 20, 32, 0xff0000, 0xff00, 0xff, 0));
    ASSERT_EQ(SDL_SaveBMP(bitmap.get(), path.c_str()), 0);
    TSkin skin;
    // The library makes no surface 16384 pixels wide.
    EXPECT_EQ(skin.load(16384, 10, 32, path.c_str()), -1);

    // Without a window the bitmap cannot take the window's format: no image, and a message.
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(load_image(path.c_str()), nullptr);
    EXPECT_EQ(
        ::testing::internal::GetCapturedStderr().rfind("load_image: error converting " + path, 0),
        0u);
    std::remove(path.c_str());
    reopen(800, 600);
}

TEST(FittingSkin, TakesTheLargestTilesWithWhichTheBoardFits) {
    TSkin skins[5];
    const int sizes[5] = {50, 40, 30, 20, 12};
    for (int i = 0; i < 5; ++i) skins[i].width = skins[i].height = sizes[i];
    // {columns, rows, skin} in the 800 x 510 play area of an 800 x 600 window. Width and
    // height must fit the same skin; 85899346 x 50 is 2^32 + 4 and must not wrap into a fit.
    const int cases[][3] = {{16, 10, 0}, {17, 10, 1},  {20, 13, 2},  {16, 13, 2},      {40, 25, 3},
                            {66, 42, 4}, {67, 10, -1}, {10, 43, -1}, {85899346, 3, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(fitting_skin(skins, 5, c[0], c[1], 800, 510), c[2]) << c[0] << " x " << c[1];
    }
}

}  // namespace
