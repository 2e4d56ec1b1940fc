// The names `pushwell import` gives collections: file names that still read as the name.
#include <gtest/gtest.h>

#include "import_collection.h"

TEST(ImportName, KeepsTheNameReadableAndSafe) {
    EXPECT_EQ(collection_file_name("Cellar Works"), "Cellar Works");
    EXPECT_EQ(collection_file_name("  Über  \t Kisten – 2 "), "Über Kisten – 2");
    EXPECT_EQ(collection_file_name("../etc/passwd"), "-etc-passwd");
    EXPECT_EQ(collection_file_name(". .hidden"), "hidden");
    EXPECT_EQ(collection_file_name(std::string("Bell\a\x1b[31m\x7fRed\r", 14)), "Bell[31mRed");
    EXPECT_EQ(collection_file_name("\t.\n"), "");
    // Capped at 40 bytes, never in the middle of a character ("é" is two bytes).
    EXPECT_EQ(collection_file_name(std::string(39, 'a') + "éé"), std::string(39, 'a'));
    EXPECT_EQ(collection_file_name(std::string(38, 'a') + "éé"), std::string(38, 'a') + "é");
}

TEST(ImportName, KeepsTheRecordBesideTheLevelsDirectory) {
    EXPECT_EQ(import_places("/home/u/pushwell/levels", "/data").record,
              "/home/u/pushwell/.imported");
    EXPECT_EQ(import_places("/home/u/pushwell/levels/", "/data").record,
              "/home/u/pushwell/.imported");
}
