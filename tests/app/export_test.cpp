#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/receiving_fixture.h"
#include "records/record_files.h"

namespace tovrin {
namespace {

using test::ReadFileBytes;
using Filters = std::vector<std::string>;

class Export : public test::ReceivingTest {
protected:
    void SetUp() override {
        Start();
        ReceiveFrame(0x123);
        ReceiveFrame(0x456, sim::PacketForm::FramePacket, 0x33);
    }

    void ExportAs(RecordFormat format, const std::string& name) {
        platform.saveChoice = SaveChoice{dir.File(name), 1};
        dlg->OnExportRecords(format);
    }

    // What the format's own writer makes of the list as it stands.
    std::string WrittenByWriter(RecordFormat format) const {
        const std::string path = dir.File("by-writer");
        EXPECT_EQ(MakeRecordWriter(format, path, dlg->english())->Create(dlg->trafficList()).error, "");
        return ReadFileBytes(path);
    }

    std::vector<std::string> FilesBesideTheSettings() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            if (entry.path().filename() != "cfgCANA.ini") names.push_back(entry.path().filename().string());
        return names;
    }
};

struct FormatCase {
    const char* name;
    RecordFormat format;
    const char* englishFilter;
    const char* chineseFilter;
    const char* file;            // the typed name "out" with the format's extension
    const char* firstFrameText;  // a sign that the rows are in it
};

const FormatCase kFormats[] = {
    {"Candump", RecordFormat::CandumpLog, "candump log (*.log)", "candump 日志 (*.log)", "out.log",
     "tovrin0 123#1122"},
    {"Asc", RecordFormat::AscLog, "Vector ASC (*.asc)", "Vector ASC (*.asc)", "out.asc",
     " 123             Rx   d 2 11 22"},
    {"Csv", RecordFormat::CsvLog, "CSV (*.csv)", "CSV (*.csv)", "out.csv", ",00000123,false,Rx,0,2,11,22,"},
};

class ExportFormat : public Export, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(ExportFormat, WritesEveryRowAsTheFormatsWriterDoes) {
    const FormatCase& c = GetParam();
    ExportAs(c.format, "out");
    EXPECT_EQ(platform.saveFilters, Filters{c.englishFilter});
    EXPECT_TRUE(platform.boxes.empty());
    const std::string written = ReadFileBytes(dir.File(c.file));
    EXPECT_EQ(written, WrittenByWriter(c.format));
    EXPECT_NE(written.find(c.firstFrameText), std::string::npos) << written;
    EXPECT_LT(written.find(c.firstFrameText), written.find("456")) << "rows in list order";
}

TEST_P(ExportFormat, ChineseWindowNamesTheFileTypeInChinese) {
    dlg->OnLanguageSwitch();
    ReceiveFrame(0x789);
    ExportAs(GetParam().format, "out");
    EXPECT_EQ(platform.saveFilters, Filters{GetParam().chineseFilter});
    EXPECT_EQ(ReadFileBytes(dir.File(GetParam().file)), WrittenByWriter(GetParam().format));
}

INSTANTIATE_TEST_SUITE_P(Formats, ExportFormat, ::testing::ValuesIn(kFormats),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Export, TypedExtensionIsKept) {
    ExportAs(RecordFormat::CandumpLog, "bus.LOG");
    EXPECT_EQ(FilesBesideTheSettings(), std::vector<std::string>{"bus.LOG"});
}

TEST_F(Export, CancelWritesNothing) {
    platform.saveChoice.reset();
    dlg->OnExportRecords(RecordFormat::CsvLog);
    EXPECT_EQ(platform.saveFilters.size(), 1u) << "the dialog was asked";
    EXPECT_TRUE(FilesBesideTheSettings().empty());
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(Export, TheWindowsOwnRecordFilesAreNotExported) {
    for (RecordFormat format : {RecordFormat::Text, RecordFormat::Workbook}) ExportAs(format, "out");
    EXPECT_TRUE(platform.saveFilters.empty());
    EXPECT_TRUE(FilesBesideTheSettings().empty());
}

TEST_F(Export, FileThatCannotBeWrittenIsToldOnceWithItsNameAndReason) {
    for (const FormatCase& c : kFormats) {
        platform.boxes.clear();
        ExportAs(c.format, "missing/out");
        ASSERT_EQ(platform.boxes.size(), 1u) << c.name;
        const std::string& text = platform.boxes[0].text;
        EXPECT_NE(text.find(dir.File(std::string("missing/") + c.file) + ": No such file or directory"),
                  std::string::npos)
            << text;
    }
}

}  // namespace
}  // namespace tovrin
