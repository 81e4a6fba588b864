#include "text/gbk.h"

#include <gtest/gtest.h>

namespace tovrin {
namespace {

TEST(Gbk, ConvertsBothWaysAndMarksWhatItCannotHold) {
    struct Case {
        std::string utf8, gbk;
    } const cases[] = {
        {"Receive 11 22 ", "Receive 11 22 "},
        {"序号", "\xD0\xF2\xBA\xC5"},
        {"帧ID", "\xD6\xA1" "ID"},
        {"数据长度", "\xCA\xFD\xBE\xDD\xB3\xA4\xB6\xC8"},
        {"a\xF0\x9F\x98\x80" "b", "a?b"},                  // an emoji has no GBK code
        {"\xED\x95\x9C" "帧", "?\xD6\xA1"},                 // nor has a Hangul syllable
        {"x\xE5\xB8" "A", "x?A"},                           // a cut-off sequence loses only its own bytes
        {"\xFF" "1", "?1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(Utf8ToGbk(c.utf8), c.gbk);
    }
}

TEST(Gbk, ReadsOldGbkTextAsUtf8) {
    EXPECT_EQ(GbkToUtf8("\xB4\xAB\xCA\xE4\xB7\xBD\xCF\xF2=1"), "传输方向=1");
    EXPECT_EQ(GbkToUtf8("ok"), "ok");
    // A lone lead byte at the end and a byte GBK never uses become U+FFFD.
    EXPECT_EQ(GbkToUtf8("\xCA\xFD\xBE"), "数\xEF\xBF\xBD");
    EXPECT_EQ(GbkToUtf8("\xFF" "a"), "\xEF\xBF\xBD" "a");
}

}  // namespace
}  // namespace tovrin
