#include "config/transparent.h"

#include <gtest/gtest.h>

#include "hex_bytes.h"

namespace tovrin {
namespace {

TransparentDialogResult Confirmed(const char* local, const char* remote) { return {true, local, remote}; }

Bytes PacketOf(const TransparentDialogResult& result, int frameTypeEntry) {
    const Checked<SettingsPacket> built = BuildTransparentCommand(result, frameTypeEntry);
    EXPECT_TRUE(built.value.has_value());
    return built.value ? BytesOf(*built.value) : Bytes{};
}

TEST(TransparentCommand, ConfirmedCarriesRemoteThenLocal) {
    EXPECT_EQ(PacketOf(Confirmed("123", "456"), 0),
              HexBytes("AA 55 07 00 01 56 04 00 00 23 01 00 00 00 00 00 00 00 00 86"));
    EXPECT_EQ(PacketOf(Confirmed("123", "456"), 1),
              HexBytes("AA 55 07 00 02 56 04 00 00 23 01 00 00 00 00 00 00 00 00 87"));
    EXPECT_EQ(PacketOf(Confirmed("00000000", "1FFFFFFF"), 1),
              HexBytes("AA 55 07 00 02 FF FF FF 1F 00 00 00 00 00 00 00 00 00 00 25"));
}

TEST(TransparentCommand, CancelSendsZerosWhateverWasTyped) {
    const Bytes expected = HexBytes("AA 55 07 AA 02 00 00 00 00 00 00 00 00 00 00 00 00 00 00 B3");
    EXPECT_EQ(PacketOf(TransparentDialogResult{}, 1), expected);
    EXPECT_EQ(PacketOf({false, "123456789", ""}, 1), expected);
}

TEST(TransparentCommand, BadIdentifiersRefuseRemoteFirst) {
    for (const TransparentDialogResult& r : {Confirmed("123", "123456789"), Confirmed("123456789", "123456789"),
                                             Confirmed("", "1"), Confirmed("1", "")}) {
        const Checked<SettingsPacket> built = BuildTransparentCommand(r, 1);
        EXPECT_FALSE(built.value) << r.localId << " / " << r.remoteId;
        EXPECT_EQ(built.refusal.For(false), "ID有错误");
        EXPECT_EQ(built.refusal.For(true), "ID error");
    }
}

TEST(TransparentDialog, TextsOfEachLanguage) {
    const TransparentDialogTexts& zh = TransparentDialogFor(false);
    EXPECT_EQ(zh.templateId, 132);
    EXPECT_EQ(zh.title, "透明传输");
    EXPECT_EQ(zh.localIdLabel, "本地ID: 0x");
    EXPECT_EQ(zh.remoteIdLabel, "远程ID: 0x");
    EXPECT_EQ(zh.okCaption, "确定");
    EXPECT_EQ(zh.cancelCaption, "取消");

    const TransparentDialogTexts& en = TransparentDialogFor(true);
    EXPECT_EQ(en.templateId, 133);
    EXPECT_EQ(en.title, "Transparent transmission");
    EXPECT_EQ(en.localIdLabel, "Local ID: 0x");
    EXPECT_EQ(en.remoteIdLabel, "Remote ID: 0x");
    EXPECT_EQ(en.okCaption, "OK");
    EXPECT_EQ(en.cancelCaption, "Cancel");

    EXPECT_EQ(TransparentDialogResult{}.localId, "00000000");
    EXPECT_EQ(TransparentDialogResult{}.remoteId, "00000000");
}

}  // namespace
}  // namespace tovrin
