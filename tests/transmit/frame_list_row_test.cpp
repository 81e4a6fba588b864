#include "transmit/frame_list_row.h"

#include <gtest/gtest.h>

namespace tovrin {
namespace {

using Cells = std::vector<std::string>;

TEST(FrameListRow, AcceptsTheSelectorTextsOfEitherLanguage) {
    using F = FrameFormat;
    using T = FrameType;
    struct Case {
        Cells cells;
        F format;
        T type;
    } cases[] = {
        {{"0", "Standard frame", "Data frame", "123", "11 22"}, F::Standard, T::Data},
        {{"1", "Extended Frame", "Remote frame", "123", "11 22"}, F::Extended, T::Remote},
        {{"2", "标准帧", "远程帧", "123", "11 22"}, F::Standard, T::Remote},
        {{"3", "扩展帧", "数据帧", "123", "11 22"}, F::Extended, T::Data},
        {{"4", "扩展帧", "Data frame", "123", "11 22"}, F::Extended, T::Data},  // mixed languages
    };
    for (const auto& c : cases) {
        const auto frame = ParseFrameListRow(c.cells);
        ASSERT_TRUE(frame) << c.cells[0];
        EXPECT_EQ(frame->format, c.format) << c.cells[0];
        EXPECT_EQ(frame->type, c.type) << c.cells[0];
        EXPECT_EQ(frame->id.text, "00000123");
        EXPECT_EQ(frame->id.value, 0x123u);
        EXPECT_EQ(frame->data.length, 2);
        EXPECT_EQ(frame->dataText, "11 22");
    }
}

TEST(FrameListRow, RejectsAnyOtherCell) {
    const Cells cases[] = {
        {"0", "standard frame", "Data frame", "123", "11"},   // case counts
        {"0", "Extended frame", "Data frame", "123", "11"},   // the received records' spelling
        {"0", "", "Data frame", "123", "11"},
        {"0", "Standard frame", "Data Frame", "123", "11"},
        {"0", "Standard frame", "Extended Frame", "123", "11"},
        {"0", "Standard frame", "Data frame", "", "11"},
        {"0", "Standard frame", "Data frame", "123456789", "11"},
        {"0", "Standard frame", "Data frame", "123", "00 01 02 03 04 05 06 07 08"},
        {"0", "Standard frame", "Data frame", "123"},  // a cell short
    };
    for (const auto& cells : cases)
        EXPECT_FALSE(ParseFrameListRow(cells)) << cells[1] << " | " << cells[2] << " | " << cells[3];
}

TEST(FrameListRow, NewRowIsAnExtendedDataFrameThatSends) {
    EXPECT_EQ(NewFrameListRow(3, true), (Cells{"3", "Extended Frame", "Data frame", "00000000", "00 01 02 03 04 05 06 07"}));
    EXPECT_EQ(NewFrameListRow(0, false), (Cells{"0", "扩展帧", "数据帧", "00000000", "00 01 02 03 04 05 06 07"}));
    for (bool english : {true, false}) {
        const auto frame = ParseFrameListRow(NewFrameListRow(7, english));
        ASSERT_TRUE(frame);
        EXPECT_EQ(frame->format, FrameFormat::Extended);
        EXPECT_EQ(frame->type, FrameType::Data);
        EXPECT_EQ(frame->data.length, 8);
    }
}

TEST(FrameListRow, DropDownEntriesFollowTheLanguage) {
    EXPECT_EQ(FrameListComboItems(FRAME_LIST_FORMAT_COLUMN, true), (Cells{"Standard frame", "Extended Frame"}));
    EXPECT_EQ(FrameListComboItems(FRAME_LIST_FORMAT_COLUMN, false), (Cells{"标准帧", "扩展帧"}));
    EXPECT_EQ(FrameListComboItems(FRAME_LIST_TYPE_COLUMN, true), (Cells{"Data frame", "Remote frame"}));
    EXPECT_EQ(FrameListComboItems(FRAME_LIST_TYPE_COLUMN, false), (Cells{"数据帧", "远程帧"}));
    for (size_t column : {FRAME_LIST_NUMBER_COLUMN, FRAME_LIST_ID_COLUMN, FRAME_LIST_DATA_COLUMN, size_t{99}})
        EXPECT_TRUE(FrameListComboItems(column, true).empty()) << column;
}

}  // namespace
}  // namespace tovrin
