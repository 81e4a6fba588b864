#include <gtest/gtest.h>

#include <string>

#include "app/control_ids.h"
#include "app/receiving_fixture.h"
#include "support/hex.h"

namespace tovrin {
namespace {

using test::Hex;
using test::ReceivingTest;

class HexDecView : public ReceivingTest {
protected:
    void SetUp() override {
        Start();
        Receive(Hex("AA C5 23 01 01 80 FF 7F 12 55"));  // 00000123: 01 80 ff 7f 12
        Receive(Hex("AA C0 56 04 55"));                 // 00000456, no data
        Receive(Hex("AA C2 89 07 ab cd 55"));           // 00000789: ab cd
    }
};

TEST_F(HexDecView, OneBoxPerSelectedRowInListOrder) {
    dlg->SetTrafficSelection({2, 0});
    dlg->DoubleClick(id::TRAFFIC_LIST);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[0].caption, "Hexadecimal convert");
    EXPECT_EQ(platform.boxes[0].text.rfind("FrameID:0x00000123  Data:01 80 ff 7f 12 \r\n\r\n Byte Convert", 0), 0u)
        << platform.boxes[0].text;
    const char* byteLines = "    0x01=1,1    0x80=128,-128    0xff=255,-1    0x7f=127,127\r\n    0x12=18,18";
    EXPECT_NE(platform.boxes[0].text.find(byteLines), std::string::npos)
        << platform.boxes[0].text;
    EXPECT_EQ(platform.boxes[1].text.rfind("FrameID:0x00000789  Data:ab cd ", 0), 0u) << platform.boxes[1].text;
    EXPECT_NE(platform.boxes[1].text.find("0xabcd=43981,-21555"), std::string::npos) << platform.boxes[1].text;
    EXPECT_EQ(dlg->trafficList().size(), 3);
}

TEST_F(HexDecView, ChineseBoxesTakeTheChineseTitleAndWords) {
    dlg->OnLanguageSwitch();
    dlg->SetTrafficSelection({1});
    dlg->DoubleClick(id::TRAFFIC_LIST);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].caption, "进制转换");
    EXPECT_EQ(platform.boxes[0].text.rfind("帧ID:0x00000456  数据: \r\n\r\n 字节转换", 0), 0u) << platform.boxes[0].text;
}

TEST_F(HexDecView, NothingSelectedOrSelectionGoneShowsNothing) {
    dlg->DoubleClick(id::TRAFFIC_LIST);
    EXPECT_TRUE(platform.boxes.empty());
    dlg->SetTrafficSelection({0, 2});
    dlg->Click(id::CLEAR_LIST);
    dlg->DoubleClick(id::TRAFFIC_LIST);
    EXPECT_TRUE(platform.boxes.empty());
}

}  // namespace
}  // namespace tovrin
