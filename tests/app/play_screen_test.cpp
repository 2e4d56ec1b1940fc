// The play screen, driven by queued events, and for the one check of a held key in real time by
// events that a second thread pushes while the screen runs (held_key_test.cpp times the repeat
// exactly).
#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "game_fixture.h"
#include "gfx/colours.h"

namespace {

using std::chrono::milliseconds;

const char* const three_moves = "#######\n#@ $ .#\n#######\n";  // a step and two pushes right
const char* const one_push = "#####\n#@$.#\n#####\n";
const std::string too_wide = std::string(67, '#') + "\n#@$." + std::string(62, ' ') + "#\n" +
                             std::string(67, '#') + "\n";  // even 12-pixel tiles overflow 800
// The man walks along the top row, out of the box's way.
const char* const corridor =
    "######################\n#         @          #\n"
    "#$.                  #\n######################\n";
const char* const three_pushes = "########\n# @$  .#\n########\n";  // Left + Right: two moves more
const char* const step_and_five = "##########\n#@ $    .#\n##########\n";  // Right + Left: two more

class PlayTest : public GameTest {
  protected:
    std::map<std::string, std::string> level_files() const override {
        return {{"default", collection_text({three_moves, one_push})},
                {"wide", collection_text({one_push, too_wide.c_str()})},
                {"corridor", collection_text({corridor})},
                {"counts", collection_text({three_pushes, step_and_five})},
                {"empty", "No level in here, only words.\n"}};
    }
    void use_collection(const std::string& name) {
        for (auto& entry : game->collections)
            if (entry->get_name() == name) game->collection = entry.get();
    }
    int play_until_q() {
        push_key(SDLK_q);
        return game->play();
    }
    // Plays while a helper lets go of `key` `hold` after the screen has taken the queued
    // presses (and with the last one its first step), then presses Q.
    void play_releasing_after(SDLKey key, milliseconds hold) {
        std::thread releaser([key, hold] {
            for (int i = 0; i < 500 && queued_events() > 0; ++i)
                std::this_thread::sleep_for(milliseconds(2));
            std::this_thread::sleep_for(hold);
            push_key(key, SDL_KEYUP);
            std::this_thread::sleep_for(milliseconds(60));
            push_key(SDLK_q);
        });
        EXPECT_EQ(game->play(), 0);
        releaser.join();
    }
    TScore stored(const char* collection, int level) const {
        TScore score;
        EXPECT_TRUE(game->high_score.get_score(collection, level, score));
        return score;
    }
};

TEST_F(PlayTest, UndoTakesBackOneMoveAndItsPush) {
    tap(SDLK_LEFT);       // into the wall: nothing recorded
    tap(SDLK_RIGHT, 2);   // a step, then a push
    tap(SDLK_BACKSPACE);  // the push goes back
    EXPECT_EQ(play_until_q(), 0);
    EXPECT_EQ(game->undo_list, std::vector<TMove>{dir_right});
    EXPECT_EQ(game->pushes, 0);
    EXPECT_EQ(game->level.get_man_column(), 2);
    EXPECT_EQ(game->level.get_cell(3, 1), Cell::box);

    tap(SDLK_RIGHT, 2);
    play_until_q();  // a new game starts the level afresh
    EXPECT_EQ(game->undo_list, (std::vector<TMove>{dir_right, move_push | dir_right}));
    EXPECT_EQ(game->pushes, 1);
    tap(SDLK_BACKSPACE);  // on a fresh level: nothing
    play_until_q();
    EXPECT_TRUE(game->undo_list.empty());
    EXPECT_EQ(game->level.get_man_column(), 1);
}

TEST_F(PlayTest, RestartNextAndPreviousKeepThePlayerOnTheScreen) {
    tap(SDLK_RIGHT, 2);
    push_key(SDLK_ESCAPE);
    tap(SDLK_RIGHT);
    push_key(SDLK_r);
    tap(SDLK_RIGHT);  // still playing
    play_until_q();
    EXPECT_EQ(game->undo_list.size(), 1u);
    EXPECT_EQ(game->level.get_cell(3, 1), Cell::box);

    push_key(SDLK_p);
    play_until_q();
    EXPECT_EQ(game->level_index, 1) << "P on the first shows the last";
    push_key(SDLK_n);
    push_key(SDLK_n);
    play_until_q();
    EXPECT_EQ(game->level_index, 0) << "N on the last shows the first";
    use_collection("wide");
    push_key(SDLK_n);
    play_until_q();
    EXPECT_EQ(game->level_index, 0) << "a next level too large shows the first";
}

TEST_F(PlayTest, SolvingRecordsTheFirstResultAndAdvancesWrappingAtTheEnd) {
    tap(SDLK_RIGHT, 3);
    play_until_q();
    EXPECT_EQ(game->level_index, 1);
    EXPECT_EQ(stored("default", 1), (TScore{3, 2}));
    push_key(SDLK_n);
    tap(SDLK_RIGHT);
    play_until_q();
    EXPECT_EQ(stored("default", 2), (TScore{1, 1}));
    EXPECT_EQ(game->level_index, 0);
}

TEST_F(PlayTest, EachRecordedResultIsSavedAtOnceAndNothingBeforeTheResultsWereRead) {
    const std::string level_line = "<Level nr=\"1\" moves=\"3\" pushes=\"2\" />";
    tap(SDLK_RIGHT, 3);
    play_until_q();
    EXPECT_NE(read_file("scores.xml").find(level_line), std::string::npos) << "before the end";

    // A second game whose start-up fails before reading the results leaves the file alone.
    const std::string saved = read_file("scores.xml");
    std::filesystem::rename("levels", "kept");
    {
        TGame failed;
        failed.screen = game->screen;
        testing::internal::CaptureStderr();
        EXPECT_EQ(failed.init(), -11);
        testing::internal::GetCapturedStderr();
        failed.big_font.close();
        failed.small_font.close();
    }
    EXPECT_EQ(read_file("scores.xml"), saved);
}

TEST_F(PlayTest, OnlyAResultNoWorseInBothCountsReplacesTheBest) {
    use_collection("counts");
    game->high_score.set_score("counts", 1, TScore{15, 4});
    game->high_score.set_score("counts", 2, TScore{15, 4});
    for (int i = 0; i < 6; ++i) tap(SDLK_LEFT), tap(SDLK_RIGHT);
    tap(SDLK_RIGHT, 3);  // 15 moves, 3 pushes
    for (int i = 0; i < 4; ++i) tap(SDLK_RIGHT), tap(SDLK_LEFT);
    tap(SDLK_RIGHT, 6);  // 14 moves, 5 pushes
    play_until_q();
    EXPECT_EQ(stored("counts", 1), (TScore{15, 3}));
    EXPECT_EQ(stored("counts", 2), (TScore{15, 4}));
    EXPECT_EQ(game->best, (TScore{15, 3})) << "shown again for the first level";
}

TEST_F(PlayTest, CloseReturnsToTheMenuAndResizeKeepsTheGame) {
    tap(SDLK_RIGHT);
    push_event(SDL_VIDEORESIZE, 200, 200);
    push_event(SDL_QUIT);
    tap(SDLK_RIGHT);
    EXPECT_EQ(game->play(), 0);
    EXPECT_EQ(queued_events(), 2) << "what follows the close is left for the menu";
    EXPECT_EQ(game->screen->w, 200);
    EXPECT_EQ(game->skin, &game->skins[3]) << "20-pixel tiles fit 7 x 3 into 200 x 110";
    EXPECT_EQ(game->undo_list.size(), 1u);
}

TEST_F(PlayTest, HeldArrowStepsAtOnceThenAfter300MsThenEvery100Ms) {
    use_collection("corridor");
    push_key(SDLK_RIGHT);
    play_releasing_after(SDLK_RIGHT, milliseconds(150));
    EXPECT_EQ(game->undo_list.size(), 1u) << "released before the second step";

    push_key(SDLK_RIGHT);
    play_releasing_after(SDLK_RIGHT, milliseconds(650));  // steps at 0, 300, 400, 500, 600
    EXPECT_NEAR(game->level.get_man_column() - 10, 5, 1);
}

TEST_F(PlayTest, CollectionWithoutLevelsSaysSoAndReturnsOnQEscapeOrClose) {
    use_collection("empty");
    tap(SDLK_RIGHT);
    push_key(SDLK_n);
    push_key(SDLK_r);
    EXPECT_EQ(play_until_q(), 0);
    EXPECT_EQ(game->level_index, -1) << "no level was selected";
    EXPECT_TRUE(any_pixel(20, 568, 300, 24, white)) << "the message";
    EXPECT_FALSE(any_pixel(0, 50, 800, 510, white)) << "no board";
    push_key(SDLK_ESCAPE);
    EXPECT_EQ(game->play(), 0);
    push_event(SDL_QUIT);
    EXPECT_EQ(game->play(), 0);
}

TEST_F(PlayTest, WindowThatCannotBeReopenedEndsWith41AndKeepsTheResults) {
    GTEST_FLAG_SET(death_test_style, "fast");  // the child must share this working directory
    game->high_score.set_score("default", 1, TScore{3, 2});
    EXPECT_EXIT(
        {
            if (!std::freopen("stdout.txt", "w", stdout)) std::exit(2);
            push_event(SDL_VIDEORESIZE, -5, -5);  // a size the library refuses
            game->title_menu();
        },
        ::testing::ExitedWithCode(41), "");
    EXPECT_EQ(read_file("stdout.txt").rfind("SDL error: ", 0), 0u) << read_file("stdout.txt");
    EXPECT_NE(read_file("scores.xml").find("<Level nr=\"1\" moves=\"3\" pushes=\"2\" />"),
              std::string::npos);
}

class UnreadableScoresTest : public PlayTest {
  protected:
    std::string score_file_text() const override { return "<Collection name=\"default\""; }
};

TEST_F(UnreadableScoresTest, EndOfTheRunSavesTheResultsAndKeepsTheOldFile) {
    tap(SDLK_RIGHT, 3);
    play_until_q();
    end_game();
    EXPECT_NE(read_file("scores.xml").find("<Level nr=\"1\" moves=\"3\" pushes=\"2\" />"),
              std::string::npos);
    bool old_file_kept = false;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        old_file_kept |= read_file(entry.path()) == score_file_text();
    EXPECT_TRUE(old_file_kept);
}

}  // namespace
