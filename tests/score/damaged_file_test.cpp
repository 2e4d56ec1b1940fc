// Damaged score files, from the ends of multi-byte characters that once made the XML parser
// read past its buffer to nesting deep enough to overflow its stack.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <tinyxml.h>
#include <unistd.h>

#include <cstring>

#include "score/score_file.h"
#include "score/score_text.h"
#include "support/temp_dir.h"

namespace {

// The text and its zero padding placed so that the padding ends where a page begins that may
// not be read: any read past the padding stops the test at once, sanitizer or not.
class GuardedText {
  public:
    explicit GuardedText(const std::string& bytes) {
        page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
        const size_t needed = bytes.size() + score_text_padding;
        pages = (needed + page - 1) / page + 1;
        base = static_cast<char*>(mmap(nullptr, pages * page, PROT_READ | PROT_WRITE,
                                       MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        EXPECT_NE(base, MAP_FAILED);
        EXPECT_EQ(mprotect(base + (pages - 1) * page, page, PROT_NONE), 0);
        text = base + (pages - 1) * page - needed;
        std::memcpy(text, bytes.data(), bytes.size());
        std::memset(text + bytes.size(), 0, score_text_padding);
        length = bytes.size();
    }
    ~GuardedText() { munmap(base, pages * page); }
    bool parse() {
        TiXmlDocument document;
        return parse_score_text(document, text, length);
    }

  private:
    size_t page = 0, pages = 0, length = 0;
    char* base = nullptr;
    char* text = nullptr;
};

std::string nested(int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i) text += "<a>";
    for (int i = 0; i < depth; ++i) text += "</a>";
    return text;
}

}  // namespace

TEST(DamagedScoreFile, TextEndingInsideACharacterIsRefusedWithoutAReadPastIt) {
    for (const char* damaged :
         {"<a>\xC3", "<a b=\"\xC3", "<Collection name=\"x\xE2\x82", "<?xml version=\"1.0\xF0",
          "<a>&\xC3", "<\xC3", "<a>\xC3\x28</a>", "<a>\xFF</a>"}) {
        GuardedText text(damaged);
        EXPECT_FALSE(text.parse()) << damaged;
    }
    // What the game writes, with line ends of any kind, still reads up to the guard page.
    GuardedText good(
        "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<Collection name=\"caf\xC3\xA9\">\r"
        "    <Level nr=\"1\" moves=\"3\" pushes=\"2\" />\n</Collection>\r\n");
    EXPECT_TRUE(good.parse());
}

TEST(DamagedScoreFile, NestingPastWhatTheFileNeedsIsRefused) {
    EXPECT_TRUE(GuardedText(nested(max_score_nesting)).parse());
    EXPECT_FALSE(GuardedText(nested(max_score_nesting + 1)).parse());
    EXPECT_FALSE(GuardedText(nested(200000)).parse());
    // Closing tags inside quoted values do not hide how deep the elements go.
    std::string hidden;
    for (int i = 0; i < 100; ++i) hidden += "<a b=\"</a>\">";
    EXPECT_FALSE(GuardedText(hidden).parse());
    // Comments, CDATA and self-closed elements add no depth.
    EXPECT_TRUE(GuardedText("<a><!-- <b><b> --><![CDATA[<c><c>]]><b/><b x='/>' /></a>").parse());
}

TEST(DamagedScoreFile, IsKeptAsideAsUnreadable) {
    TempDir dir;
    dir.write("scores.xml",
              std::string("<Collection name=\"default\"><Level nr=\"1\" moves=\"3\"") +
                  " pushes=\"2\" /></Collection>\n<a>\xC3");
    THighScore store;
    EXPECT_EQ(load_score_file(store, dir.file("scores.xml")), ScoreFileState::unreadable);
    EXPECT_TRUE(store.collections().empty());
}
