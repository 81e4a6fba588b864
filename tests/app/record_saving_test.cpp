#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app/receiving_fixture.h"
#include "app/sending_fixture.h"
#include "records/record_files.h"
#include "records/record_text_file.h"
#include "support/workbook_reader.h"

namespace tovrin {
namespace {

using test::ReadFileBytes;
using Rows = std::vector<std::string>;

constexpr const char* kAutoName = "20261211_140327";  // the fake clock's second

// Automatic files go to the working directory, so each test works in its own.
class InOwnDirectory {
public:
    explicit InOwnDirectory(const std::filesystem::path& dir) { std::filesystem::current_path(dir); }
    ~InOwnDirectory() { std::filesystem::current_path(previous_); }
    InOwnDirectory(const InOwnDirectory&) = delete;
    InOwnDirectory& operator=(const InOwnDirectory&) = delete;

private:
    std::filesystem::path previous_ = std::filesystem::current_path();
};

class RecordSaving : public test::ReceivingTest {
protected:
    void SetUp() override { Start(); }

    std::string File(const std::string& name) const { return ReadFileBytes(dir.File(name)); }
    bool Exists(const std::string& name) const { return std::filesystem::exists(dir.File(name)); }

    // The text file of the given rows of the list, under the English header.
    std::string TextOf(std::initializer_list<int> positions) const {
        std::string bytes = RecordHeaderLine(true);
        for (int p : positions) bytes += RecordLine(dlg->trafficList().row(p));
        return bytes;
    }

    void SaveAs(const std::string& name, int filterIndex) {
        platform.saveChoice = SaveChoice{dir.File(name), filterIndex};
        dlg->Click(id::SAVE);
    }

    void FillList(int rows) {
        dlg->Type(id::BUFFER_FRAMES, "70000");
        TrafficRecord record;
        record.cells = {"", "Receive", "14:03:27:045", "Data frame", "Standard frame", "00000123", "1", "aa "};
        for (int i = 0; i < rows; ++i) dlg->AddTrafficRecord(record, false);
    }

    InOwnDirectory inDir{dir.path()};
};

Rows Names(bool english) {
    const auto& names = WorkbookColumnNames(english);
    return {names.begin(), names.end()};
}

struct ManualCase {
    const char* name;
    const char* typed;
    int filter;
    const char* written;
    bool workbook;
};

const ManualCase kManualCases[] = {
    {"NoExtensionTakesTheTextFilters", "out", 1, "out.txt", false},
    {"NoExtensionTakesTheWorkbookFilters", "out", 2, "out.xls", true},
    {"TypedXlsUnderTheTextFilterHoldsText", "out.xls", 1, "out.xls", false},
    {"TypedTxtInCapitalsUnderTheWorkbookFilterHoldsAWorkbook", "OUT.TXT", 2, "OUT.TXT", true},
};

class ManualSave : public RecordSaving, public ::testing::WithParamInterface<ManualCase> {};

TEST_P(ManualSave, EveryRowInListOrderInTheFilterFormat) {
    const ManualCase& c = GetParam();
    ReceiveFrame(0x123);
    ReceiveFrame(0x456, sim::PacketForm::FramePacket);
    SaveAs(c.typed, c.filter);
    EXPECT_EQ(platform.saveFilters, (Rows{"文本文档 (*.txt)", "Eecel工作簿 (*.xls)"}));
    EXPECT_TRUE(platform.boxes.empty());
    if (!c.workbook) {
        EXPECT_EQ(File(c.written), TextOf({0, 1}));
        return;
    }
    const test::SheetReadBack sheet = test::ReadWorkbook(dir.File(c.written));
    EXPECT_EQ(sheet.sheetName, "CAN");
    ASSERT_EQ(sheet.cells.size(), 3u);
    EXPECT_EQ(sheet.cells[0], Names(true));
    EXPECT_EQ(sheet.cells[1], Cells(0));
    EXPECT_EQ(sheet.cells[2], Cells(1));
}

INSTANTIATE_TEST_SUITE_P(Names, ManualSave, ::testing::ValuesIn(kManualCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RecordSaving, TextLineOfAReceivedFrame) {
    ReceiveFrame(0x123);
    SaveAs("one", 1);
    EXPECT_EQ(File("one.txt"), RecordHeaderLine(true) +
                                   "0     Receive     14:03:27:045     Data frame     Standard frame     00000123     "
                                   "2     11 22      \r\n");
}

TEST_F(RecordSaving, CancelOrNoFilterWritesNothing) {
    ReceiveFrame(0x123);
    platform.saveChoice.reset();
    dlg->Click(id::SAVE);
    SaveAs("out", 0);
    EXPECT_FALSE(Exists("out"));
    EXPECT_FALSE(Exists("out.txt"));
    EXPECT_FALSE(Exists("out.xls"));
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(RecordSaving, ChineseFilesTakeTheChineseHeadings) {
    dlg->OnLanguageSwitch();
    SaveAs("empty", 1);
    EXPECT_EQ(File("empty.txt"), RecordHeaderLine(false));
    EXPECT_EQ(File("empty.txt").substr(0, 4), "\xD0\xF2\xBA\xC5");
    SaveAs("empty", 2);
    const test::SheetReadBack sheet = test::ReadWorkbook(dir.File("empty.xls"));
    ASSERT_EQ(sheet.cells.size(), 1u);
    EXPECT_EQ(sheet.cells[0], Names(false));
}

TEST_F(RecordSaving, FileThatCannotBeWrittenIsToldWithItsNameAndReason) {
    ReceiveFrame(0x123);
    for (int filter : {1, 2}) {
        platform.boxes.clear();
        SaveAs("missing/out", filter);
        ASSERT_EQ(platform.boxes.size(), 1u) << filter;
        EXPECT_NE(platform.boxes[0].text.find(dir.File(filter == 1 ? "missing/out.txt" : "missing/out.xls")),
                  std::string::npos)
            << platform.boxes[0].text;
        EXPECT_NE(platform.boxes[0].text.find("No such file or directory"), std::string::npos)
            << platform.boxes[0].text;
    }
}

TEST_F(RecordSaving, FullSheetKeepsTheFirstRecordsAndSaysSo) {
    FillList(65536);
    SaveAs("big", 2);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_NE(platform.boxes[0].text.find("65535"), std::string::npos) << platform.boxes[0].text;
    const test::SheetReadBack sheet = test::ReadWorkbook(dir.File("big.xls"), "65535");
    EXPECT_EQ(sheet.rows, 65536);
    ASSERT_EQ(sheet.cells.size(), 1u);
    EXPECT_EQ(sheet.cells[0], Cells(65534));
}

TEST_F(RecordSaving, AutomaticFileStartsWithTheListAndTakesEveryReceivedRow) {
    ReceiveFrame(0x1);
    ReceiveFrame(0x2);
    dlg->Click(id::AUTO_SAVE);
    const std::string name = std::string(kAutoName) + ".txt";
    EXPECT_EQ(File(name), TextOf({0, 1}));
    ReceiveFrame(0x3, sim::PacketForm::DataPacket);
    ReceiveFrame(0x4, sim::PacketForm::FramePacket);
    EXPECT_EQ(File(name), TextOf({0, 1, 2, 3}));
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(RecordSaving, TurningAutomaticSavingOffAndOnStartsAFileRepeatingTheList) {
    ReceiveFrame(0x1);
    dlg->Click(id::AUTO_SAVE);
    dlg->Click(id::AUTO_SAVE);
    ReceiveFrame(0x2);
    const std::string first = std::string(kAutoName) + ".txt";
    EXPECT_EQ(File(first), TextOf({0}));
    dlg->Click(id::AUTO_SAVE);
    EXPECT_EQ(File(std::string(kAutoName) + "_1.txt"), TextOf({0, 1}));
    EXPECT_EQ(File(first), TextOf({0}));
}

class RollOver : public RecordSaving, public ::testing::WithParamInterface<sim::PacketForm> {};

TEST_P(RollOver, WrapStartsTheNextFileWithItsHeaderOnly) {
    dlg->Type(id::BUFFER_FRAMES, "2");
    dlg->Click(id::AUTO_SAVE);
    ReceiveFrame(0x1, GetParam());
    ReceiveFrame(0x2, GetParam());
    const std::string full = TextOf({0, 1});
    ReceiveFrame(0x3, GetParam());
    EXPECT_EQ(File(std::string(kAutoName) + ".txt"), full);
    EXPECT_EQ(File(std::string(kAutoName) + "_1.txt"), TextOf({0}));
    EXPECT_EQ(dlg->trafficList().row(0)[TrafficColumn::FrameId], "00000003");
}

INSTANTIATE_TEST_SUITE_P(BothPacketForms, RollOver,
                         ::testing::Values(sim::PacketForm::DataPacket, sim::PacketForm::FramePacket));

TEST_F(RecordSaving, StatisticsRowsAreNotSaved) {
    dlg->Click(id::RECEIVE_ONLY);
    dlg->Click(id::STATISTICS);
    dlg->Click(id::AUTO_SAVE);
    ReceiveFrame(0x100);
    ReceiveFrame(0x100);
    EXPECT_EQ(dlg->trafficList().size(), 1);
    EXPECT_EQ(File(std::string(kAutoName) + ".txt"), RecordHeaderLine(true));
}

TEST_F(RecordSaving, AutomaticWorkbookRollsOverWithTheWholeList) {
    dlg->controls().Show(id::AUTO_SAVE_XLS, true);  // created hidden
    dlg->Click(id::AUTO_SAVE_XLS);
    ReceiveFrame(0x1);
    dlg->Type(id::BUFFER_FRAMES, "2");
    dlg->Click(id::AUTO_SAVE);
    ReceiveFrame(0x2);
    const Rows oldest = Cells(0);
    ReceiveFrame(0x3);
    const test::SheetReadBack first = test::ReadWorkbook(dir.File(std::string(kAutoName) + ".XLS"));
    ASSERT_EQ(first.cells.size(), 3u);
    EXPECT_EQ(first.cells[1], oldest);
    EXPECT_EQ(first.cells[2], Cells(1));
    const test::SheetReadBack next = test::ReadWorkbook(dir.File(std::string(kAutoName) + "_1.XLS"));
    ASSERT_EQ(next.cells.size(), 4u);
    EXPECT_EQ(next.cells[1], oldest);
    EXPECT_EQ(next.cells[2], Cells(1));
    EXPECT_EQ(next.cells[3], Cells(0));
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(RecordSaving, FullAutomaticWorkbookIsToldOnce) {
    FillList(65535);
    dlg->controls().Show(id::AUTO_SAVE_XLS, true);
    dlg->Click(id::AUTO_SAVE_XLS);
    dlg->Click(id::AUTO_SAVE);
    EXPECT_TRUE(platform.boxes.empty());
    ReceiveFrame(0x1);
    ReceiveFrame(0x2);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_NE(platform.boxes[0].text.find(std::string(kAutoName) + ".XLS"), std::string::npos)
        << platform.boxes[0].text;
}

TEST_F(RecordSaving, FailingDirectoryIsToldOncePerFile) {
    const std::filesystem::path gone = dir.path() / "gone";
    std::filesystem::create_directory(gone);
    std::filesystem::current_path(gone);
    std::filesystem::remove(gone);
    dlg->Type(id::BUFFER_FRAMES, "2");
    dlg->Click(id::AUTO_SAVE);
    ReceiveFrame(0x1);
    ReceiveFrame(0x2);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_NE(platform.boxes[0].text.find(std::string(kAutoName) + ".txt: No such file or directory"),
              std::string::npos)
        << platform.boxes[0].text;
    ReceiveFrame(0x3);  // wraps: a new file, which fails as well
    ReceiveFrame(0x4);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_NE(platform.boxes[1].text.find(std::string(kAutoName) + "_1.txt"), std::string::npos)
        << platform.boxes[1].text;
}

class SavingBesideHiddenSends : public test::SendingTest {
protected:
    InOwnDirectory inDir{dir.path()};
};

// Hidden sent frames move the counter past the last row: the row saved is the one
// really placed, at the end of the list.
TEST_F(SavingBesideHiddenSends, SavesTheRowPlacedBelowTheCounter) {
    StartWithPort();
    dlg->Click(id::RECEIVE_ONLY);
    dlg->Click(id::AUTO_SAVE);
    dlg->Click(id::SEND_ROWS[0].button);
    ASSERT_EQ(dlg->recordCounter(), 1);
    for (uint8_t byte : test::Hex("AA C2 23 01 11 22 55")) dlg->OnRxByte(byte, 1);
    ASSERT_EQ(dlg->trafficList().size(), 1);
    EXPECT_EQ(dlg->trafficList().row(0)[TrafficColumn::No], "1");
    EXPECT_EQ(ReadFileBytes(dir.File(std::string(kAutoName) + ".txt")),
              RecordHeaderLine(true) + RecordLine(dlg->trafficList().row(0)));
    EXPECT_TRUE(platform.boxes.empty());
}

}  // namespace
}  // namespace tovrin
