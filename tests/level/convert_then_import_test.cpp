// Every common-format sample in samples/, converted for the game, must be read by the game's
// importer without a fault, level for level as the common reader read it.
#include <dirent.h>
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "level/common_format.h"
#include "level/level_text_convert.h"
#include "support/board_text.h"

namespace {

std::vector<std::string> sample_names() {
    std::vector<std::string> names;
    if (DIR* directory = opendir(PUSHWELL_LEVEL_SAMPLES)) {
        while (const dirent* entry = readdir(directory)) {
            if (entry->d_name[0] != '.') names.push_back(entry->d_name);
        }
        closedir(directory);
    }
    return names;
}

// The map as the common reader gives it: floor and outside as spaces, none after the last wall.
Picture common_rows(const TLevel& level) {
    Picture rows = picture_of(level, level.get_start_column(), level.get_start_row());
    for (std::string& row : rows) {
        for (char& square : row) square = square == '-' ? ' ' : square;
        row.erase(row.find_last_not_of(' ') + 1);
    }
    return rows;
}

}  // namespace

TEST(ConvertThenImport, TheGameReadsEveryConvertedLevelAsTheCommonReaderDid) {
    const std::vector<std::string> names = sample_names();
    ASSERT_GE(names.size(), 5u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        std::ifstream file(PUSHWELL_LEVEL_SAMPLES "/" + name, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        CommonCollection common;
        std::string error;
        ASSERT_TRUE(read_common_format(text.str(), common, error)) << error;
        ConvertReport report;
        const Imported imported = import_text(convert_level_text(text.str(), report));
        ASSERT_EQ(report.error, "");
        EXPECT_EQ(imported.result, 0);
        EXPECT_EQ(imported.messages, "");
        ASSERT_EQ(imported->level_count(), report.levels_written);

        std::set<size_t> left_out;  // "level N (line L): why", N counted from 1
        for (const std::string& line : report.left_out) left_out.insert(std::stoul(line.substr(6)));
        int32_t index = 0;
        for (size_t number = 1; number <= common.levels.size(); ++number) {
            if (left_out.count(number)) continue;
            SCOPED_TRACE("level " + std::to_string(number));
            ASSERT_LT(index, imported->level_count());
            const TLevel& level = *imported->get_level(index++);
            EXPECT_EQ(common_rows(level), common.levels[number - 1].rows);
            // The game keeps the title line whole, quote and all; an untitled level has none.
            const std::string& title = common.levels[number - 1].title;
            EXPECT_EQ(level.get_title(), title.empty() ? "" : "'" + title);
        }
        EXPECT_EQ(index, report.levels_written);
    }
}
