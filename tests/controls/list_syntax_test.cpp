#include "controls/list_syntax.h"

#include <gtest/gtest.h>

namespace tovrin {
namespace {

TEST(ListSyntax, ReadsStoredLists) {
    struct Case {
        std::string value;
        size_t columns;
        ListCells rows;
    } cases[] = {
        {"2:0;00000123;1;000007FF;", 2, {{"0", "00000123"}, {"1", "000007FF"}}},
        {"0:", 2, {}},
        {"3:0;1;", 2, {{"0", "1"}, {"", ""}, {"", ""}}},
        {"3:0;1;", 5, {{"0", "1", "", "", ""}, {"", "", "", "", ""}, {"", "", "", "", ""}}},
        {"1:0;Extended Frame;Data frame;00000000;00 01 02 03 04 05 06 07;", 5,
         {{"0", "Extended Frame", "Data frame", "00000000", "00 01 02 03 04 05 06 07"}}},
        {"1:0;扩展帧;数据帧;00000000;;", 5, {{"0", "扩展帧", "数据帧", "00000000", ""}}},
        {"", 2, {}},
        {"no colon;a;b;", 2, {}},
        {"-2:a;b;", 2, {}},
        {"x:a;b;", 2, {}},
        {" 2x:a;b;c;d;", 2, {{"a", "b"}, {"c", "d"}}},  // the count as an integer scan reads it
        {"1:a;b;c;d;", 2, {{"a", "b"}}},                // cells beyond the count are left
        {"1:a;b", 2, {{"a", ""}}},                      // a cell needs its semicolon
        {"1:a:b;c;", 2, {{"a:b", "c"}}},                // only the first colon counts
        {"2:a;b;", 0, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseListValue(c.value, c.columns), c.rows) << c.value;
}

TEST(ListSyntax, DamagedRowCountIsCappedToTheValueCapacity) {
    EXPECT_EQ(ParseListValue("1000000000:", 5).size(), LIST_VALUE_CAPACITY / 5);
    EXPECT_EQ(ParseListValue("1000000000:0;1;", 2).size(), LIST_VALUE_CAPACITY / 2);
    EXPECT_EQ(ParseListValue("99999999999999999999999999999999:", 1).size(), LIST_VALUE_CAPACITY);
    EXPECT_EQ(ParseListValue("818:", 5).size(), 818u);
}

TEST(ListSyntax, ReadsAtMostTheCapacityInCharacters) {
    // "1:" and 4092 characters and ";" make exactly 4095 characters.
    EXPECT_EQ(ParseListValue("1:" + std::string(4092, 'x') + ";", 1)[0][0], std::string(4092, 'x'));
    EXPECT_EQ(ParseListValue("1:" + std::string(4093, 'x') + ";", 1)[0][0], "");
    // Characters, not bytes: 4092 Chinese characters still fit.
    std::string wide;
    for (int i = 0; i < 4092; ++i) wide += "数";
    EXPECT_EQ(ParseListValue("1:" + wide + ";", 1)[0][0], wide);
}

TEST(ListSyntax, WritesCountThenEveryCell) {
    struct Case {
        ListCells rows;
        std::string value;
    } cases[] = {
        {{{"0", "00000123"}, {"1", "000007FF"}}, "2:0;00000123;1;000007FF;"},
        {{}, "0:"},
        {{{"0", "扩展帧", "数据帧", "00000000", "00 01 02 03 04 05 06 07"}}, "1:0;扩展帧;数据帧;00000000;00 01 02 03 04 05 06 07;"},
        // A separator or a line break in a cell would break the value: it becomes a space.
        {{{"0", "00;11"}}, "1:0;00 11;"},
        {{{"0", "12\r\n34"}}, "1:0;12  34;"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatListValue(c.rows), c.value) << c.value;
}

TEST(ListSyntax, WrittenListsReadBack) {
    const ListCells rows = {{"0", "Standard frame", "Remote frame", "7FF", ""}, {"1", "标准帧", "远程帧", "1", "AA BB"}};
    EXPECT_EQ(ParseListValue(FormatListValue(rows), 5), rows);
}

}  // namespace
}  // namespace tovrin
