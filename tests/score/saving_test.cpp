#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "score/score_file.h"
#include "support/temp_dir.h"

namespace {

const std::string empty_file_text = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n";

// Saves in a child whose files may not grow past `limit` bytes, as on a disk that fills up.
int write_with_file_size_limit(const THighScore& store, const std::string& path, rlim_t limit) {
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit small{limit, limit};
        setrlimit(RLIMIT_FSIZE, &small);
        _exit(store.write_to_file(path));
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

size_t lines(const std::string& text) {
    return std::count(text.begin(), text.end(), '\n');
}

}  // namespace

TEST(ScoreFileWriting, FailureKeepsThePreviousFileAndLeavesNoTemporary) {
    TempDir dir;
    THighScore store;
    for (int level = 1; level <= 500; ++level) store.set_score("default", level, {level, 1});
    dir.write("scores.xml", "previous");
    std::filesystem::create_directory(dir.file("a dir"));

    EXPECT_EQ(write_with_file_size_limit(store, dir.file("scores.xml"), 4096), 0);
    EXPECT_EQ(store.write_to_file(dir.file("a dir")), 0);
    EXPECT_EQ(store.write_to_file(dir.file("gone/scores.xml")), 0);
    EXPECT_EQ(dir.read("scores.xml"), "previous");
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("a dir")));
    const auto listing = std::filesystem::directory_iterator(dir.path);
    EXPECT_EQ(std::distance(begin(listing), end(listing)), 2);

    testing::internal::CaptureStderr();
    EXPECT_EQ(save_score_file(store, dir.file("gone/scores.xml"), ScoreFileState::missing), 0);
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_EQ(message.rfind("THighScore.write_to_file: could not save ", 0), 0u);
    EXPECT_EQ(lines(message), 1u);
}

TEST(ScoreFileWriting, KeepsPermissionsAndLinksOfTheReplacedFile) {
    TempDir dir;
    dir.write("real.xml", "old");
    chmod(dir.file("real.xml").c_str(), 0640);
    ASSERT_EQ(symlink("real.xml", dir.file("scores.xml").c_str()), 0);
    EXPECT_EQ(THighScore().write_to_file(dir.file("scores.xml")), 1);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("scores.xml")));
    EXPECT_EQ(dir.read("real.xml"), empty_file_text);
    struct stat status;
    stat(dir.file("real.xml").c_str(), &status);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST(ScoreFileAtExit, MissingOrEmptyFileIsReplacedSilently) {
    TempDir dir;
    THighScore store;
    EXPECT_EQ(load_score_file(store, dir.file("scores.xml")), ScoreFileState::missing);
    dir.write("scores.xml", "");
    EXPECT_EQ(load_score_file(store, dir.file("scores.xml")), ScoreFileState::missing);
    testing::internal::CaptureStderr();
    EXPECT_EQ(save_score_file(store, dir.file("scores.xml"), ScoreFileState::missing), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(load_score_file(store, dir.file("scores.xml")), ScoreFileState::loaded);
    EXPECT_FALSE(std::filesystem::exists(dir.file("scores.xml.bak")));
}

TEST(ScoreFileAtExit, UnreadableFileIsKeptUnderAFreeBackupName) {
    TempDir dir;
    dir.write("scores.xml", "<Collection name=\"broken");
    dir.write("scores.xml.bak", "older backup");
    THighScore store;
    const ScoreFileState state = load_score_file(store, dir.file("scores.xml"));
    ASSERT_EQ(state, ScoreFileState::unreadable);

    testing::internal::CaptureStderr();
    EXPECT_EQ(save_score_file(store, dir.file("scores.xml"), state), 1);
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find("kept as " + dir.file("scores.xml.bak.1") + "\n"), std::string::npos);
    EXPECT_EQ(lines(message), 1u);
    EXPECT_EQ(dir.read("scores.xml.bak.1"), "<Collection name=\"broken");
    EXPECT_EQ(dir.read("scores.xml.bak"), "older backup");
    EXPECT_EQ(dir.read("scores.xml"), empty_file_text);

    // Saving again in the same run must not mistake our own file for the unreadable one.
    testing::internal::CaptureStderr();
    EXPECT_EQ(save_score_file(store, dir.file("scores.xml"), state), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(std::filesystem::exists(dir.file("scores.xml.bak.2")));
}
