// The levels we ship: every one must be well formed, titled and fit the window. That each is
// solvable is shown by the library test, which replays the solutions docs/measures.tsv keeps.
#include <dirent.h>
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <string>
#include <vector>

#include "level/collection.h"
#include "level/layout_checks.h"

namespace {

const std::string levels_directory = std::string(PUSHWELL_ROOT) + "/levels/";

std::vector<std::string> collection_files() {
    std::vector<std::string> names;
    if (DIR* directory = opendir(levels_directory.c_str())) {
        while (const dirent* entry = readdir(directory)) {
            if (entry->d_name[0] != '.') names.push_back(entry->d_name);
        }
        closedir(directory);
    }
    return names;
}

int count_levels(const std::string& name) {
    TLevelCollection collection;
    collection.import(levels_directory, name);
    return collection.level_count();
}

}  // namespace

TEST(ShippedLevels, ThereAreATutorialAndAtLeastTwoFullCollections) {
    int full = 0;
    bool tutorial = false;
    for (const auto& name : collection_files()) {
        const int count = count_levels(name);
        if (name == "default")
            tutorial = count >= 20;
        else if (count >= 30)
            ++full;
        // The chooser shows the file name: plain words, no extension.
        EXPECT_EQ(name.find('.'), std::string::npos) << name;
    }
    EXPECT_TRUE(tutorial);
    EXPECT_GE(full, 2);
}

// One test per collection file, so that the files are proved side by side.
class ShippedCollection : public testing::TestWithParam<std::string> {};

TEST_P(ShippedCollection, EveryLevelIsWellFormedTitledAndFits) {
    const std::string& name = GetParam();
    TLevelCollection collection;
    std::string text;
    std::vector<std::string> messages;
    ASSERT_EQ(collection.load(levels_directory, name, text, messages), 0)
        << name << ": the game rejects it: " << testing::PrintToString(messages);
    for (const auto& fault : file_layout_faults(text)) ADD_FAILURE() << name << ": " << fault;
    for (int32_t index = 0; index < collection.level_count(); ++index) {
        const std::string where = name + " level " + std::to_string(index + 1);
        const TLevel& level = *collection.get_level(index);
        EXPECT_GT(level.get_title().size(), 1u) << where;
        EXPECT_EQ(level_layout_fault(level), "") << where;
        // 30-pixel tiles between the bars of an 800 x 600 window.
        EXPECT_LE(level.get_width(), 26) << where;
        EXPECT_LE(level.get_height(), 17) << where;
    }
}

// A retired collection's name stays retired: players' results under it belong to its old levels.
TEST(ShippedLevels, NoCollectionTakesARetiredName) {
    std::ifstream retired(std::string(PUSHWELL_SOURCE_DIR) +
                          "/tools/levelgen/retired_collections.txt");
    ASSERT_TRUE(retired.is_open());
    int names = 0;
    for (std::string name; std::getline(retired, name);) {
        if (name.empty() || name[0] == '#') continue;
        ++names;
        for (const auto& shipped : collection_files()) EXPECT_NE(shipped, name);
    }
    EXPECT_GT(names, 0);
}

INSTANTIATE_TEST_SUITE_P(Levels, ShippedCollection, testing::ValuesIn(collection_files()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string test_name;
                             for (char c : info.param)
                                 test_name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return test_name;
                         });
