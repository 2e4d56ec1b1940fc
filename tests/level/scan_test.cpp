#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "level/collection_scan.h"
#include "support/board_text.h"
#include "support/temp_dir.h"

namespace {

const std::string good = ";\n\n#####\n#@$.#\n#####\n";
const std::string faulty = ";\n\n#####\n#@$$#\n#####\n";

// The directory's entries in the system's own listing order, which the game must keep.
Picture listing_of(const std::string& path) {
    Picture names;
    DIR* listing = opendir(path.c_str());
    while (const dirent* entry = readdir(listing)) names.push_back(entry->d_name);
    closedir(listing);
    return names;
}

// The names of the kept collections, after checking that the default is the one so named.
Picture scan_names(const std::string& path, std::string& messages) {
    testing::internal::CaptureStderr();
    CollectionScan scan = scan_collections(path);
    messages = testing::internal::GetCapturedStderr();
    Picture names;
    for (const auto& collection : scan.collections) names.push_back(collection->get_name());
    EXPECT_NE(scan.spare, nullptr);
    const bool has_default = std::count(names.begin(), names.end(), "default") == 1;
    EXPECT_EQ(scan.default_collection != nullptr, has_default);
    if (scan.default_collection != nullptr) {
        EXPECT_EQ(scan.default_collection->get_name(), "default");
    }
    return names;
}

}  // namespace

TEST(LevelScan, KeepsFaultlessRegularFilesInListingOrder) {
    TempDir dir;
    for (const char* name : {"default", ".hidden", "Default", "x.txt"}) dir.write(name, good);
    dir.write("empty", "no levels here\n");
    dir.write("broken", faulty);
    mkdir((dir.path + "folder").c_str(), 0700);
    dir.write("folder/inner", good);
    ASSERT_EQ(symlink((dir.path + "x.txt").c_str(), (dir.path + "link").c_str()), 0);
    ASSERT_EQ(symlink((dir.path + "gone").c_str(), (dir.path + "nowhere").c_str()), 0);
    mkfifo((dir.path + "pipe").c_str(), 0600);  // reading it would hang the scan
    const Picture skipped = {".", "..", "broken", "folder", "nowhere", "pipe"};
    Picture expected;
    for (const std::string& name : listing_of(dir.path)) {
        if (std::count(skipped.begin(), skipped.end(), name) == 0) expected.push_back(name);
    }
    std::string messages;
    EXPECT_EQ(scan_names(dir.path, messages), expected);
    EXPECT_EQ(messages,
              "TLevelCollection.import: broken: level 1: number of targets does not "
              "match number of boxes\n");
}

TEST(LevelScan, DefaultMustBeAFaultlessFileOfThatName) {
    for (bool as_directory : {false, true}) {
        TempDir dir;
        dir.write("other", good);
        if (as_directory) {
            mkdir((dir.path + "default").c_str(), 0700);
        } else {
            dir.write("default", faulty);
        }
        std::string messages;
        EXPECT_EQ(scan_names(dir.path, messages), Picture({"other"}));
    }
}

TEST(LevelScan, StopsAtEightyCollectionsWithoutReadingFurtherFiles) {
    TempDir dir;
    for (int i = 0; i < 85; ++i) dir.write("good" + std::to_string(i), good);
    for (int i = 0; i < 20; ++i) dir.write("bad" + std::to_string(i), faulty);
    // Faulty files listed before the 80th faultless one are read and reported; later ones not.
    Picture expected;
    long faulty_read = 0;
    for (const std::string& name : listing_of(dir.path)) {
        if (expected.size() == max_collections) break;
        if (name[0] == 'g') expected.push_back(name);
        if (name[0] == 'b') ++faulty_read;
    }
    std::string messages;
    EXPECT_EQ(scan_names(dir.path, messages), expected);
    EXPECT_EQ(std::count(messages.begin(), messages.end(), '\n'), faulty_read);
}

TEST(LevelScan, MissingDirectoryGivesNothingSilently) {
    std::string messages;
    EXPECT_EQ(scan_names("/nonexistent-pushwell-levels/", messages), Picture());
    EXPECT_EQ(messages, "");
}
