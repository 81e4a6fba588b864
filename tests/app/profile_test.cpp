#include "app/profile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace tovrin {
namespace {

using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

TEST(Profile, MissingFileGivesDefaultsAndFirstWriteCreatesIt) {
    TempDir dir;
    Profile p(dir.File("cfgCANA.ini"));
    EXPECT_EQ(p.ReadText("COM", "COM", "fallback"), "fallback");
    EXPECT_EQ(p.ReadInt("SEND SETTING", "INTERVAL", 1000), 1000);
    ASSERT_TRUE(p.WriteText("COM", "COM Baud rate", "2000000"));
    EXPECT_EQ(ReadFileBytes(p.path()), "[COM]\r\nCOM Baud rate=2000000\r\n");
}

TEST(Profile, WriteReplacesOneValueAndKeepsEveryOtherLine) {
    TempDir dir;
    const std::string path = dir.File("cfgCANA.ini");
    WriteFileBytes(path, "; kept\r\n[COM]\r\nCOM=COM3\r\nCOM Baud rate=9600\r\n\r\n[CAN]\r\nTYPE=Standard frame\r\n");
    Profile p(path);
    ASSERT_TRUE(p.WriteText("COM", "COM", "/dev/ttyUSB0"));
    ASSERT_TRUE(p.WriteText("CAN", "MODE", "Normal mode"));
    ASSERT_TRUE(p.WriteText("RECEIVE SETTING", "Total", "5000"));
    EXPECT_EQ(ReadFileBytes(path),
              "; kept\r\n[COM]\r\nCOM=/dev/ttyUSB0\r\nCOM Baud rate=9600\r\n\r\n[CAN]\r\nTYPE=Standard frame\r\n"
              "MODE=Normal mode\r\n[RECEIVE SETTING]\r\nTotal=5000\r\n");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(Profile, ReadsTextWithinItsCapacity) {
    TempDir dir;
    Profile p(dir.File("cfgCANA.ini"));
    p.WriteText("S", "long", std::string(200, 'x'));
    p.WriteText("S", "chinese", "扩展帧扩展帧");
    EXPECT_EQ(p.ReadText("S", "long", "", 128), std::string(127, 'x'));
    EXPECT_EQ(p.ReadText("S", "chinese", "", 4), "扩展帧");
    EXPECT_EQ(p.ReadText("s", "CHINESE", ""), "扩展帧扩展帧") << "section and key names ignore case";
}

TEST(Profile, IntegerIsTheLeadingDigits) {
    TempDir dir;
    Profile p(dir.File("cfgCANA.ini"));
    const struct {
        const char* value;
        int expected;
    } cases[] = {{"1000", 1000}, {"12abc", 12}, {"abc", 0}, {"", 0}, {"-5", 0}, {"99999999999999999999", INT32_MAX}};
    for (const auto& c : cases) {
        p.WriteText("S", "K", c.value);
        EXPECT_EQ(p.ReadInt("S", "K", 77), c.expected) << c.value;
    }
}

TEST(Profile, OldGbkFileStillReads) {
    TempDir dir;
    const std::string path = dir.File("cfgCANA.ini");
    WriteFileBytes(path, "[CAN]\r\nTYPE=\xC0\xA9\xD5\xB9\xD6\xA1\r\n");  // 扩展帧 in GBK
    EXPECT_EQ(Profile(path).ReadText("CAN", "TYPE", ""), "扩展帧");
}

TEST(Profile, DamagedFileNeverBreaksReading) {
    TempDir dir;
    const std::string path = dir.File("cfgCANA.ini");
    std::string garbage;
    for (int i = 0; i < 5000; ++i) garbage.push_back(static_cast<char>((i * 131) % 256));
    WriteFileBytes(path, garbage + "\n[COM]\nCOM=COM5\n");
    Profile p(path);
    EXPECT_EQ(p.ReadText("COM", "COM", ""), "COM5");
    EXPECT_EQ(p.ReadText("CAN", "TYPE", "dflt"), "dflt");
    EXPECT_TRUE(p.WriteText("COM", "COM", "COM6"));
    EXPECT_EQ(p.ReadText("COM", "COM", ""), "COM6");
}

TEST(Profile, LineBreakInValueCannotSplitTheFile) {
    TempDir dir;
    Profile p(dir.File("cfgCANA.ini"));
    p.WriteText("SEND SETTING", "DATA", "11 22\r\n[COM]\r\nCOM=evil");
    EXPECT_EQ(p.ReadText("COM", "COM", "none"), "none");
    EXPECT_EQ(p.ReadText("SEND SETTING", "DATA", ""), "11 22  [COM]  COM=evil");
}

}  // namespace
}  // namespace tovrin
