// The title menu, the collection chooser and the help page, driven by queued events.
#include <SDL.h>
#include <gtest/gtest.h>

#include "app/layout.h"
#include "game_fixture.h"
#include "gfx/colours.h"

namespace {

class MenuTest : public GameTest {
  protected:
    std::map<std::string, std::string> level_files() const override {
        const std::string text = collection_text({"#####\n#@$.#\n#####\n"});
        return {{"default", text}, {"second", text}, {"third", text}};
    }
    // The title menu's items at 800 x 600: x = 200, tops 195, 235, 275 and 315.
    bool item_is(int item, SDL_Color colour) const {
        return any_pixel(200, 195 + 40 * (item - 1), 150, 36, colour);
    }
};

TEST(ScreenLayout, FiguresOfTheMenuTheChooserAndTheHelpPage) {
    EXPECT_EQ(title_menu_origin(800, 600, 50, 40).x, 200);
    EXPECT_EQ(title_menu_origin(800, 600, 50, 40).y, 195);
    EXPECT_EQ(title_menu_origin(300, 600, 50, 40).x, 20) << "narrow window";
    EXPECT_EQ(title_menu_origin(800, 200, 50, 40).y, 70) << "low window: below the bar";

    const ChooserLayout ten = chooser_layout(800, 600, 50, 40, 10);
    EXPECT_EQ(ten.rows, 16);
    EXPECT_EQ(ten.column_width, 266) << "a third of the width at most";
    EXPECT_EQ(chooser_entry_position(ten, 0).x, 267);
    EXPECT_EQ(chooser_entry_position(ten, 0).y, 155);
    EXPECT_EQ(chooser_entry_position(ten, 9).y, 380);
    const ChooserLayout forty = chooser_layout(800, 600, 50, 40, 40);
    EXPECT_EQ(forty.columns, 3);
    EXPECT_EQ(chooser_entry_position(forty, 0).x, 20);
    EXPECT_EQ(chooser_entry_position(forty, 16).x, 273);
    EXPECT_EQ(chooser_entry_position(forty, 16).y, 155) << "the next column starts at the top";
    EXPECT_EQ(chooser_entry_position(forty, 39).x, 526);
    EXPECT_EQ(chooser_layout(800, 600, 50, 40, 0).columns, 1) << "no entries: one empty column";
    const ChooserLayout low = chooser_layout(800, 200, 50, 40, 3);  // no room for one row
    EXPECT_EQ(low.rows, 1);
    EXPECT_EQ(low.columns, 3);
    EXPECT_EQ(chooser_entry_position(low, 2).y, 143);

    EXPECT_EQ(help_origin(800, 600, 50, 40).x, 400);
    EXPECT_EQ(help_origin(800, 600, 50, 40).y, 215);
    EXPECT_EQ(help_origin(800, 150, 50, 40).y, 120) << "low window: bar height + 70";
}

TEST_F(MenuTest, HighlightStaysWithinTheItemsAndIsDrawnInRed) {
    push_key(SDLK_q);
    EXPECT_EQ(game->title_menu(), -1);
    EXPECT_TRUE(item_is(1, red));
    for (int item = 2; item <= 4; ++item) EXPECT_FALSE(item_is(item, red)) << item;
    EXPECT_TRUE(item_is(4, white));
    EXPECT_TRUE(any_pixel(20, 568, 300, 24, grey)) << "version line";

    push_key(SDLK_UP);
    push_key(SDLK_RETURN);
    EXPECT_EQ(game->title_menu(), 1) << "Up on the first item keeps Start Game";
    for (int i = 0; i < 5; ++i) push_key(SDLK_DOWN);
    push_key(SDLK_q);
    game->title_menu();
    EXPECT_TRUE(item_is(4, red));
    EXPECT_FALSE(item_is(1, red));
}

TEST_F(MenuTest, EveryWayOutGivesMinusOneAndOtherInputIsIgnored) {
    push_key(SDLK_a);
    push_key(SDLK_RETURN, SDL_KEYUP);
    push_key(SDLK_q, SDL_KEYUP);
    for (int i = 0; i < 4; ++i) push_key(SDLK_DOWN);
    push_key(SDLK_RETURN);
    EXPECT_EQ(game->title_menu(), -1) << "Return on Quit";
    for (SDLKey key : {SDLK_ESCAPE, SDLK_q}) {
        push_key(key);
        EXPECT_EQ(game->title_menu(), -1);
    }
    push_event(SDL_QUIT);
    EXPECT_EQ(game->title_menu(), -1);
    EXPECT_EQ(queued_events(), 0);
}

TEST_F(MenuTest, LevelSetAndHelpOpenTheirScreensAndTheMenuComesBack) {
    push_key(SDLK_DOWN);
    push_key(SDLK_RETURN);  // the chooser
    push_key(SDLK_DOWN);
    push_key(SDLK_RETURN);  // the second collection
    push_key(SDLK_q);
    EXPECT_EQ(game->title_menu(), -1);
    EXPECT_EQ(game->collection, game->collections[1].get());
    EXPECT_TRUE(item_is(2, red));
    EXPECT_TRUE(any_pixel(400, 235, 150, 36, red)) << "the collection's name";

    push_key(SDLK_DOWN);
    push_key(SDLK_DOWN);
    push_key(SDLK_RETURN);  // help
    push_key(SDLK_ESCAPE);  // closes the page, not the menu
    push_key(SDLK_q);
    game->title_menu();
    EXPECT_TRUE(item_is(3, red));
}

TEST_F(MenuTest, ChooserKeysAndItsRedHighlight) {
    TLevelCollection* const before = game->collection;
    for (SDLKey leave : {SDLK_ESCAPE, SDLK_q}) {
        push_key(SDLK_DOWN);
        push_key(leave);
        game->choose_collection();
        EXPECT_EQ(game->collection, before);
    }
    const ChooserLayout layout = chooser_layout(800, 600, 50, 40, 3);
    EXPECT_TRUE(any_pixel(chooser_entry_position(layout, 1).x, 180, 120, 25, red));
    EXPECT_FALSE(any_pixel(chooser_entry_position(layout, 0).x, 155, 120, 25, red));

    push_key(SDLK_UP);  // stays on the first entry
    push_key(SDLK_RETURN);
    game->choose_collection();
    EXPECT_EQ(game->collection, game->collections[0].get());

    push_event(SDL_QUIT);  // closing the window is ignored here
    push_key(SDLK_n);
    for (int i = 0; i < 5; ++i) push_key(SDLK_DOWN);  // stops at the last entry
    push_key(SDLK_RETURN);
    game->choose_collection();
    EXPECT_EQ(game->collection, game->collections.back().get());
}

TEST_F(MenuTest, ChooserWithoutCollectionsReturnsAtOnce) {
    game->collection = nullptr;
    game->collections.clear();
    push_key(SDLK_DOWN);
    game->choose_collection();
    EXPECT_EQ(queued_events(), 1) << "nothing was read";
}

TEST_F(MenuTest, HelpClosesOnItsFourKeysAndOnResizeOnly) {
    for (SDLKey key : {SDLK_ESCAPE, SDLK_RETURN, SDLK_SPACE, SDLK_q}) {
        push_key(key);
        push_key(SDLK_a);
        game->show_help();
        EXPECT_EQ(queued_events(), 1) << "closed on key " << key;
        SDL_Event left_over;
        SDL_PollEvent(&left_over);
    }
    // Key texts end at x = 390 and meanings start at 410; the first line's top is 215.
    EXPECT_TRUE(any_pixel(300, 215, 90, 25, white));
    EXPECT_FALSE(any_pixel(390, 215, 20, 25, white));
    EXPECT_TRUE(any_pixel(410, 215, 90, 25, white));

    push_key(SDLK_LEFT);
    push_key(SDLK_n);
    push_event(SDL_QUIT);
    push_event(SDL_VIDEORESIZE, 640, 480);
    game->show_help();
    EXPECT_EQ(queued_events(), 0);
    EXPECT_EQ(game->screen->w, 640);
}

}  // namespace
