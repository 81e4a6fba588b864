#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "cli_process.h"
#include "records/record_files.h"
#include "records/record_text_file.h"
#include "sim/converter_model.h"
#include "sim/virtual_converter.h"
#include "support/temp_dir.h"
#include "support/workbook_reader.h"

namespace tovrin {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

struct BusFrame {
    CanFrame frame;
    sim::PacketForm form;
};

BusFrame Frame(uint32_t id, FrameFormat format, FrameType type, std::vector<uint8_t> data, sim::PacketForm form) {
    BusFrame f{{}, form};
    f.frame.id = id;
    f.frame.format = format;
    f.frame.type = type;
    f.frame.length = f.frame.carried = static_cast<uint8_t>(data.size());
    std::copy(data.begin(), data.end(), f.frame.data.begin());
    return f;
}

// Both packet forms the converter uses, standard and extended, data and remote.
const std::vector<BusFrame>& BusFrames() {
    static const std::vector<BusFrame> frames = {
        Frame(0x123, FrameFormat::Standard, FrameType::Data, {0x11, 0x22}, sim::PacketForm::DataPacket),
        Frame(0x18FF0001, FrameFormat::Extended, FrameType::Remote, {}, sim::PacketForm::DataPacket),
        Frame(0xABC, FrameFormat::Extended, FrameType::Data, {1, 2, 3, 4, 5, 6, 7, 8}, sim::PacketForm::FramePacket),
        Frame(0x7FF, FrameFormat::Standard, FrameType::Data, {}, sim::PacketForm::FramePacket),
    };
    return frames;
}

Bytes Stream(size_t frames) {
    Bytes stream;
    for (size_t i = 0; i < frames; ++i) {
        const BusFrame& f = BusFrames()[i % BusFrames().size()];
        const Bytes packet = sim::EncodeFrame(f.frame, f.form);
        stream.insert(stream.end(), packet.begin(), packet.end());
    }
    return stream;
}

int64_t NowMicros() {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// The line with the time at `at` replaced by its shape ("TT:TT:TT:TTT", T for a
// digit), when the time there has that shape; else the line unchanged.
std::string MaskTime(const std::string& line, size_t at, const std::string& shape) {
    if (line.size() < at + shape.size()) return line;
    for (size_t i = 0; i < shape.size(); ++i) {
        const char c = line[at + i];
        if (shape[i] == 'T' ? (c < '0' || c > '9') : c != shape[i]) return line;
    }
    return std::string(line).replace(at, shape.size(), shape);
}

class Monitor : public ::testing::Test {
protected:
    void SetUp() override { converter.Start(); }

    // Runs monitor with the words, sends `frames` frames of the fixture once it
    // listens, and returns its standard output.
    std::string Run(std::vector<std::string> words, size_t frames) {
        words.insert(words.begin(), "monitor");
        words.insert(words.end(), {"--port", converter.DevicePath()});
        test::CliRun cli(words, dir.path().string());
        EXPECT_TRUE(cli.WaitListening());
        before = NowMicros();
        converter.SendRaw(Stream(frames));
        EXPECT_EQ(cli.Wait(), 0) << cli.Err();
        after = NowMicros();
        EXPECT_EQ(cli.Err(), "");
        return cli.Out();
    }

    // Checks a candump or CSV time (microseconds since the epoch) against the run.
    void ExpectDuringRun(int64_t micros) const {
        EXPECT_GE(micros, before);
        EXPECT_LE(micros, after);
    }

    test::TempDir dir;
    sim::VirtualConverter converter;
    int64_t before = 0, after = 0;
};

const Lines RECORD_LINES = {
    "0     Receive     TT:TT:TT:TTT     Data frame     Standard frame     00000123     2     11 22      ",
    "1     Receive     TT:TT:TT:TTT     Remote frame     Extended frame     18ff0001     0          ",
    "2     Receive     TT:TT:TT:TTT     Data frame     Extended frame     00000abc     8     01 02 03 04 05 06 07 08      ",
    "3     Receive     TT:TT:TT:TTT     Data frame     Standard frame     000007ff     0          ",
};

TEST_F(Monitor, RecordsAreTheRecordFileLinesAndTheTextFileGetsThemWithItsHeader) {
    const std::string out = Run({"--count", "4", "--save", dir.File("bus.txt")}, 4);
    Lines lines;
    for (const std::string& line : test::SplitLines(out)) lines.push_back(MaskTime(line, 18, "TT:TT:TT:TTT"));
    EXPECT_EQ(lines, RECORD_LINES);

    std::string saved = RecordHeaderLine(true);
    for (const std::string& line : test::SplitLines(out)) saved += line + "\r\n";
    EXPECT_EQ(test::ReadFileBytes(dir.File("bus.txt")), saved);
}

TEST_F(Monitor, CandumpLinesAndTheLogFileAgree) {
    const std::string out = Run({"--format", "candump", "--count", "4", "--save", dir.File("bus.log")}, 4);
    const std::regex line(R"(\((\d+)\.(\d{6})\) tovrin0 (.*))");
    Lines frames;
    for (const std::string& text : test::SplitLines(out)) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(text, m, line)) << text;
        ExpectDuringRun(std::stoll(m[1]) * 1'000'000 + std::stoll(m[2]));
        frames.push_back(m[3]);
    }
    EXPECT_EQ(frames, Lines({"123#1122", "18FF0001#R", "00000ABC#0102030405060708", "7FF#"}));
    EXPECT_EQ(test::ReadFileBytes(dir.File("bus.log")), out);
}

TEST_F(Monitor, AscHasItsHeaderFramesFromTheFirstAndItsEnd) {
    const std::string out = Run({"--format", "asc", "--count", "4", "--save", dir.File("bus.asc")}, 4);
    const Lines lines = test::SplitLines(out);
    ASSERT_EQ(lines.size(), 10u) << out;
    std::smatch date;
    ASSERT_TRUE(
        std::regex_match(lines[0], date, std::regex(R"(date (\w{3} \w{3} \d{2} \d{2}:\d{2}:\d{2}\.\d{3} \d{4}))")))
        << lines[0];
    EXPECT_EQ(Lines(lines.begin() + 1, lines.begin() + 5),
              Lines({"base hex  timestamps absolute", "internal events logged", "// version 9.0.0",
                     "Begin Triggerblock " + date[1].str()}));
    EXPECT_EQ(lines[5].substr(0, 11), "   0.000000");
    Lines frames;
    for (size_t i = 5; i < 9; ++i) frames.push_back(MaskTime(lines[i], 0, "   T.TTTTTT"));
    EXPECT_EQ(frames, Lines({"   T.TTTTTT 1  123             Rx   d 2 11 22", "   T.TTTTTT 1  18FF0001x       Rx   r 0",
                             "   T.TTTTTT 1  ABCx            Rx   d 8 01 02 03 04 05 06 07 08",
                             "   T.TTTTTT 1  7FF             Rx   d 0"}));
    EXPECT_EQ(lines[9], "End TriggerBlock");
    EXPECT_EQ(test::ReadFileBytes(dir.File("bus.asc")), out);
}

TEST_F(Monitor, CsvRowsAndTheCsvFileAgree) {
    const std::string out = Run({"--format", "csv", "--count", "4", "--save", dir.File("bus.csv")}, 4);
    const Lines lines = test::SplitLines(out);
    ASSERT_EQ(lines.size(), 5u) << out;
    EXPECT_EQ(lines[0], "Time Stamp,ID,Extended,Dir,Bus,LEN,D1,D2,D3,D4,D5,D6,D7,D8");
    Lines rows;
    for (size_t i = 1; i < lines.size(); ++i) {
        const size_t comma = lines[i].find(',');
        ExpectDuringRun(std::stoll(lines[i].substr(0, comma)));
        rows.push_back(lines[i].substr(comma));
    }
    EXPECT_EQ(rows, Lines({",00000123,false,Rx,0,2,11,22,,,,,,", ",18FF0001,true,Rx,0,0,,,,,,,,",
                           ",00000ABC,true,Rx,0,8,01,02,03,04,05,06,07,08", ",000007FF,false,Rx,0,0,,,,,,,,"}));
    EXPECT_EQ(test::ReadFileBytes(dir.File("bus.csv")), out);
}

TEST_F(Monitor, WorkbookHoldsTheRecords) {
    const std::string out = Run({"--count", "4", "--save", dir.File("bus.xls")}, 4);
    const test::SheetReadBack sheet = test::ReadWorkbook(dir.File("bus.xls"));
    ASSERT_EQ(sheet.cells.size(), 5u) << sheet.readerLog;
    const auto& names = WorkbookColumnNames(true);
    EXPECT_EQ(sheet.cells[0], std::vector<std::string>(names.begin(), names.end()));
    const std::vector<std::vector<std::string>> expected = {
        {"0", "Receive", "Data frame", "Standard frame", "00000123", "2", "11 22 "},
        {"1", "Receive", "Remote frame", "Extended frame", "18ff0001", "0", ""},
        {"2", "Receive", "Data frame", "Extended frame", "00000abc", "8", "01 02 03 04 05 06 07 08 "},
        {"3", "Receive", "Data frame", "Standard frame", "000007ff", "0", ""},
    };
    for (size_t r = 0; r < expected.size(); ++r) {
        std::vector<std::string> row = sheet.cells[r + 1];
        ASSERT_EQ(row.size(), 8u);
        EXPECT_EQ(MaskTime(row[2], 0, "TT:TT:TT:TTT"), "TT:TT:TT:TTT");
        row.erase(row.begin() + 2);
        EXPECT_EQ(row, expected[r]);
    }
}

TEST_F(Monitor, StopsAtTheCountWhenMoreFramesCome) {
    const std::string out = Run({"--format", "candump", "--count", "3"}, 12);
    EXPECT_EQ(test::SplitLines(out).size(), 3u) << out;
}

TEST_F(Monitor, EndsAfterItsSecondsWithoutFrames) {
    const test::CliResult result = test::RunCli(
        {"monitor", "--seconds", "0.3", "--format", "csv", "--port", converter.DevicePath()}, dir.path().string());
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "Time Stamp,ID,Extended,Dir,Bus,LEN,D1,D2,D3,D4,D5,D6,D7,D8\n");
}

TEST_F(Monitor, CtrlCFinishesTheOutputAfterItWasFlushedOnTheWay) {
    test::CliRun cli({"monitor", "--format", "asc", "--port", converter.DevicePath()}, dir.path().string());
    ASSERT_TRUE(cli.WaitListening());
    converter.SendRaw(Stream(2));
    // Printed without an exit: the flush timer writes it out.
    const auto deadline = std::chrono::steady_clock::now() + test::CLI_TIMEOUT;
    while (test::SplitLines(cli.Out()).size() < 7 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    ASSERT_EQ(test::SplitLines(cli.Out()).size(), 7u) << cli.Out();
    cli.Signal(SIGINT);
    ASSERT_EQ(cli.Wait(), 0) << cli.Err();
    const Lines lines = test::SplitLines(cli.Out());
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines.back(), "End TriggerBlock");
}

TEST_F(Monitor, APortThatHangsUpEndsWithOneAndKeepsWhatCame) {
    test::CliRun cli({"monitor", "--format", "asc", "--port", converter.DevicePath()}, dir.path().string());
    ASSERT_TRUE(cli.WaitListening());
    converter.SendRaw(Stream(1));
    const auto deadline = std::chrono::steady_clock::now() + test::CLI_TIMEOUT;
    while (test::SplitLines(cli.Out()).size() < 6 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    converter.Vanish();
    EXPECT_EQ(cli.Wait(), 1);
    const Lines errors = test::SplitLines(cli.Err());
    ASSERT_EQ(errors.size(), 1u) << cli.Err();
    EXPECT_NE(errors[0].find(converter.DevicePath()), std::string::npos) << errors[0];
    const Lines lines = test::SplitLines(cli.Out());
    ASSERT_EQ(lines.size(), 7u) << cli.Out();
    EXPECT_EQ(lines.back(), "End TriggerBlock");
}

TEST_F(Monitor, SeesOnlyWhatStartAndReceiveIdsLetThrough) {
    const std::string port = converter.DevicePath();
    const std::string where = dir.path().string();
    ASSERT_EQ(
        test::RunCli({"start", "--type", "std", "--filter", "100", "--mask", "700", "--port", port}, where).status, 0);
    ASSERT_EQ(test::RunCli({"receive-ids", "123", "223", "--port", port}, where).status, 0);

    test::CliRun cli({"monitor", "--format", "candump", "--count", "2", "--port", port}, where);
    ASSERT_TRUE(cli.WaitListening());
    sim::TrafficPlan plan;  // identifiers 123 .. 223 in turn, twice: the mask holds back 223
    plan.firstId = 0x123;
    plan.idCount = 0x101;
    plan.count = 2 * 0x101;
    plan.length = 0;
    converter.Generate(plan);
    ASSERT_EQ(cli.Wait(), 0) << cli.Err();
    Lines frames;
    for (const std::string& line : test::SplitLines(cli.Out())) frames.push_back(line.substr(line.find(' ') + 1));
    EXPECT_EQ(frames, Lines({"tovrin0 123#", "tovrin0 123#"}));
}

}  // namespace
}  // namespace tovrin
