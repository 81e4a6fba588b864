#include "config/identifier_text.h"

#include <gtest/gtest.h>

#include <optional>

namespace tovrin {
namespace {

struct IdentifierCase {
    const char* text;
    std::optional<uint32_t> id;
};

void PrintTo(const IdentifierCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class IdentifierTextTest : public testing::TestWithParam<IdentifierCase> {};

TEST_P(IdentifierTextTest, ReadsFourPairsFromTheRight) {
    EXPECT_EQ(ParseIdentifierText(GetParam().text), GetParam().id);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IdentifierTextTest,
    testing::Values(IdentifierCase{"12345678", 0x12345678}, IdentifierCase{"1FFFFFFF", 0x1FFFFFFF},
                    IdentifierCase{"abcdef01", 0xABCDEF01},
                    // shorter texts are filled with '0' on the left, never read past their end
                    IdentifierCase{"7FF", 0x7FF}, IdentifierCase{"1", 0x1}, IdentifierCase{"1234567", 0x1234567},
                    // a pair reads hexadecimal digits up to the first other character
                    IdentifierCase{"5G", 0x05}, IdentifierCase{"G5", 0x00}, IdentifierCase{"1 2 3 4 ", 0x01020304},
                    // characters count by their low 8 bits: U+0141 reads as 'A', U+516B as 'k'
                    IdentifierCase{"\u0141\u0141", 0xAA}, IdentifierCase{"1234567\u516B", 0x12345607},
                    // lengths count UTF-16 units, not bytes
                    IdentifierCase{"", std::nullopt}, IdentifierCase{"123456789", std::nullopt},
                    IdentifierCase{"1234567\U0001F600", std::nullopt}));

TEST(IdentifierTextLength, MoreThanEightCharactersIsTooLong) {
    EXPECT_FALSE(IsIdentifierTextTooLong(""));
    EXPECT_FALSE(IsIdentifierTextTooLong("12345678"));
    EXPECT_FALSE(IsIdentifierTextTooLong("一二三四五六七八"));
    EXPECT_TRUE(IsIdentifierTextTooLong("123456789"));
    EXPECT_TRUE(IsIdentifierTextTooLong("一二三四五六七八九"));
}

TEST(IdentifierTextMessage, IdErrorInBothLanguages) {
    EXPECT_EQ(ID_ERROR_MESSAGE.For(false), "ID有错误");
    EXPECT_EQ(ID_ERROR_MESSAGE.For(true), "ID error");
}

}  // namespace
}  // namespace tovrin
