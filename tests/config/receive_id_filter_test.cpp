#include "config/receive_id_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hex_bytes.h"

namespace tovrin {
namespace {

TEST(ReceiveIdAdd, TenRowsNumberedFromZero) {
    for (size_t n = 0; n < 10; ++n) {
        const Checked<ReceiveIdRow> row = NewReceiveIdRow(n);
        ASSERT_TRUE(row.value);
        EXPECT_EQ(row.value->number, std::to_string(n));
        EXPECT_EQ(row.value->id, "00000000");
    }
}

TEST(ReceiveIdAdd, AFullListRefusesInBothLanguages) {
    for (const size_t n : {10u, 11u, 40u}) {
        const Checked<ReceiveIdRow> row = NewReceiveIdRow(n);
        EXPECT_FALSE(row.value);
        EXPECT_EQ(row.refusal.For(false), "设置不能超过10个ID");
        EXPECT_EQ(row.refusal.For(true), "Set ID can not be more than 10");
    }
}

TEST(ReceiveIdDelete, AlwaysTheLastRow) {
    EXPECT_EQ(ReceiveIdRowToDelete(3), 2u);
    EXPECT_EQ(ReceiveIdRowToDelete(1), 0u);
    EXPECT_EQ(ReceiveIdRowToDelete(0), std::nullopt);
}

struct EnableCase {
    std::vector<std::string> ids;
    const char* packet;
};

void PrintTo(const EnableCase& c, std::ostream* os) { *os << c.packet; }

class ReceiveIdEnableTest : public testing::TestWithParam<EnableCase> {};

TEST_P(ReceiveIdEnableTest, BuildsThePacket) {
    const Checked<Bytes> result = BuildEnableReceiveIds(GetParam().ids);
    ASSERT_TRUE(result.value);
    EXPECT_EQ(*result.value, HexBytes(GetParam().packet));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ReceiveIdEnableTest,
    testing::Values(EnableCase{{}, "AA 55 10 00 10"},
                    EnableCase{{"00000001", "00000002"}, "AA 55 10 02 01 00 00 00 02 00 00 00 15"},
                    EnableCase{{"12345678", "123"}, "AA 55 10 02 78 56 34 12 23 01 00 00 4A"},
                    EnableCase{{"7FF"}, "AA 55 10 01 FF 07 00 00 17"},
                    EnableCase{{"1FFFFFFF"}, "AA 55 10 01 FF FF FF 1F 2D"}));

TEST(ReceiveIdEnable, AnyBadCellRefusesTheWholeList) {
    for (const std::vector<std::string>& ids : {std::vector<std::string>{"00000001", "123456789"},
                                                std::vector<std::string>{"1", ""}}) {
        const Checked<Bytes> result = BuildEnableReceiveIds(ids);
        EXPECT_FALSE(result.value);
        EXPECT_EQ(result.refusal.For(false), "ID有错误");
        EXPECT_EQ(result.refusal.For(true), "ID error");
    }
}

TEST(ReceiveIdEnable, AStoredListBeyondTheLimitIsSentUpTo255) {
    std::vector<std::string> twelve(12, "1");
    const Checked<Bytes> some = BuildEnableReceiveIds(twelve);
    ASSERT_TRUE(some.value);
    EXPECT_EQ(some.value->size(), 4u * 12 + 5);
    EXPECT_EQ((*some.value)[3], 12);

    std::vector<std::string> many(300, "1");
    many[280] = "";  // beyond what a packet can count: neither sent nor checked
    const Checked<Bytes> capped = BuildEnableReceiveIds(many);
    ASSERT_TRUE(capped.value);
    EXPECT_EQ(capped.value->size(), 4u * 255 + 5);
    EXPECT_EQ((*capped.value)[3], 255);

    many[254] = "";
    EXPECT_FALSE(BuildEnableReceiveIds(many).value);
}

TEST(ReceiveIdDisable, LetsEverythingThrough) { EXPECT_EQ(BuildDisableReceiveIds(), HexBytes("AA 55 10 00 10")); }

}  // namespace
}  // namespace tovrin
