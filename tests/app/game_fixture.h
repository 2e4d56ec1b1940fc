#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "app/game.h"
#include "support/temp_dir.h"

// A game started in a throw-away working directory: levels/ written by the test, the generated
// fonts and skins linked in (no background, so the play area is a plain fill), the dummy video
// driver and a 32-bit 800 x 600 window whose pixels can be read back.
class GameTest : public ::testing::Test {
  protected:
    virtual std::map<std::string, std::string> level_files() const = 0;
    virtual std::string score_file_text() const { return ""; }  // "": no scores.xml
    void SetUp() override;
    void TearDown() override;
    void end_game();  // as the program's normal end: fonts closed, then the game destroyed

    // Events queued before a screen starts reach it in this order.
    static void push_key(SDLKey key, Uint8 type = SDL_KEYDOWN);
    static void tap(SDLKey key, int times = 1);  // down and up
    static void push_event(Uint8 type, int width = 0, int height = 0);
    static int queued_events();
    // Whether any pixel of the rectangle is close to the colour (text edges are smoothed).
    bool any_pixel(int x, int y, int w, int h, SDL_Color colour) const;

    std::unique_ptr<TGame> game;
    TempDir work_dir;
    std::string old_dir;
};

// A collection file: each map gets a header and a title line, and an empty line after it.
std::string collection_text(std::initializer_list<const char*> maps);
