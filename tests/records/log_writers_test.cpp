#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "records/asc_log_writer.h"
#include "records/candump_log_writer.h"
#include "records/csv_log_writer.h"
#include "records/received_record.h"
#include "records/record_files.h"
#include "support/temp_dir.h"

namespace tovrin {
namespace {

using Lines = std::vector<std::string>;

// Fri Dec 11 14:03:27.045123 2026 in UTC.
constexpr int64_t T0 = 1796997807045123;

struct FixtureFrame {
    uint32_t id;
    FrameFormat format;
    FrameType type;
    uint8_t length;
    std::vector<uint8_t> data;
    int64_t micros;  // after T0
    std::string candump, asc, csv;
};

const std::vector<FixtureFrame>& Frames() {
    static const std::vector<FixtureFrame> frames = {
        {0x123, FrameFormat::Standard, FrameType::Data, 2, {0x11, 0x22}, 0,
         "(1796997807.045123) tovrin0 123#1122",
         "   0.000000 1  123             Rx   d 2 11 22",
         "1796997807045123,00000123,false,Rx,0,2,11,22,,,,,,"},
        {0x18FF0001, FrameFormat::Extended, FrameType::Remote, 0, {}, 1234,
         "(1796997807.046357) tovrin0 18FF0001#R",
         "   0.001234 1  18FF0001x       Rx   r 0",
         "1796997807046357,18FF0001,true,Rx,0,0,,,,,,,,"},
        {0x7FF, FrameFormat::Standard, FrameType::Data, 0, {}, 2000,
         "(1796997807.047123) tovrin0 7FF#",
         "   0.002000 1  7FF             Rx   d 0",
         "1796997807047123,000007FF,false,Rx,0,0,,,,,,,,"},
        {0xABC, FrameFormat::Extended, FrameType::Data, 8, {1, 2, 3, 4, 5, 6, 7, 8}, 1'500'000,
         "(1796997808.545123) tovrin0 00000ABC#0102030405060708",
         "   1.500000 1  ABCx            Rx   d 8 01 02 03 04 05 06 07 08",
         "1796997808545123,00000ABC,true,Rx,0,8,01,02,03,04,05,06,07,08"},
        {0x123, FrameFormat::Standard, FrameType::Remote, 3, {0, 0, 0}, 1'600'001,
         "(1796997808.645124) tovrin0 123#R3",
         "   1.600001 1  123             Rx   r 3",
         "1796997808645124,00000123,false,Rx,0,3,,,,,,,,"},
        // A standard packet has room for 16 identifier bits; the bus has 11.
        {0x1FFF, FrameFormat::Standard, FrameType::Data, 1, {0xFF}, 61'000'000,
         "(1796997868.045123) tovrin0 7FF#FF",
         "  61.000000 1  7FF             Rx   d 1 FF",
         "1796997868045123,000007FF,false,Rx,0,1,FF,,,,,,,"},
    };
    return frames;
}

TrafficRecord RecordOf(const FixtureFrame& f) {
    CanFrame frame;
    frame.id = f.id;
    frame.format = f.format;
    frame.type = f.type;
    frame.length = f.length;
    frame.carried = static_cast<uint8_t>(f.data.size());
    std::copy(f.data.begin(), f.data.end(), frame.data.begin());
    LocalTime time;
    time.epochMicros = T0 + f.micros;
    return ReceivedRecord(frame, time, true);
}

Lines SplitLines(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

template <typename Field>
Lines FrameLines(Field field) {
    Lines lines;
    for (const FixtureFrame& f : Frames()) lines.push_back(f.*field);
    return lines;
}

const Lines ASC_HEADER = {"date Fri Dec 11 14:03:27.045 2026", "base hex  timestamps absolute",
                          "internal events logged", "// version 9.0.0",
                          "Begin Triggerblock Fri Dec 11 14:03:27.045 2026"};

Lines AscFile(const Lines& frameLines) {
    Lines lines = ASC_HEADER;
    lines.insert(lines.end(), frameLines.begin(), frameLines.end());
    lines.push_back("End TriggerBlock");
    return lines;
}

// Where the system has the converters of the CAN tools, their full path.
std::optional<std::string> Tool(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::istringstream dirs(path ? path : "");
    for (std::string dir; std::getline(dirs, dir, ':');) {
        const std::string candidate = dir + "/" + name;
        if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return std::nullopt;
}

// The time of a "(seconds.micros) ..." line, and the rest after the interface name.
struct CandumpParts {
    int64_t micros;
    std::string frame;
};
CandumpParts PartsOf(const std::string& line) {
    const size_t close = line.find(')');
    const size_t dot = line.find('.');
    const std::string rest = line.substr(close + 2);
    return {std::stoll(line.substr(1, dot - 1)) * 1'000'000 + std::stoll(line.substr(dot + 1, close - dot - 1)),
            rest.substr(rest.find(' ') + 1)};
}

class LogWriters : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* tz = std::getenv("TZ")) savedTz = tz;
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
    void TearDown() override {
        if (savedTz) ::setenv("TZ", savedTz->c_str(), 1);
        else ::unsetenv("TZ");
        ::tzset();
    }

    // The fixture's first two frames go in with Create, the others one by one.
    std::string Write(RecordFormat format, const std::string& name) {
        const std::string path = dir.File(name);
        const auto writer = MakeRecordWriter(format, path, true);
        TrafficList first;
        for (int i = 0; i < 2; ++i) first.ReplaceAt(i, RecordOf(Frames()[static_cast<size_t>(i)]));
        EXPECT_EQ(writer->Create(first).error, "");
        for (size_t i = 2; i < Frames().size(); ++i) EXPECT_EQ(writer->Append(RecordOf(Frames()[i])).error, "");
        return path;
    }

    test::TempDir dir;
    std::optional<std::string> savedTz;
};

TEST_F(LogWriters, EveryFormatWritesEachFrameAsItsLine) {
    EXPECT_EQ(SplitLines(test::ReadFileBytes(Write(RecordFormat::CandumpLog, "bus.log"))),
              FrameLines(&FixtureFrame::candump));
    EXPECT_EQ(SplitLines(test::ReadFileBytes(Write(RecordFormat::AscLog, "bus.asc"))),
              AscFile(FrameLines(&FixtureFrame::asc)));
    Lines csv = {"Time Stamp,ID,Extended,Dir,Bus,LEN,D1,D2,D3,D4,D5,D6,D7,D8"};
    const Lines rows = FrameLines(&FixtureFrame::csv);
    csv.insert(csv.end(), rows.begin(), rows.end());
    EXPECT_EQ(SplitLines(test::ReadFileBytes(Write(RecordFormat::CsvLog, "bus.csv"))), csv);
}

TEST_F(LogWriters, SentFramesAreMarkedTx) {
    TrafficRecord sent = RecordOf(Frames()[0]);
    sent.direction = Direction::Send;
    EXPECT_EQ(AscFrameLine(sent, T0), "   0.000000 1  123             Tx   d 2 11 22\n");
    EXPECT_EQ(CsvLine(sent), "1796997807045123,00000123,false,Tx,0,2,11,22,,,,,,\n");
}

TEST_F(LogWriters, AscFileIsCompleteAfterEveryFrameAndEmptyWithoutFrames) {
    const std::string path = dir.File("bus.asc");
    const auto writer = MakeRecordWriter(RecordFormat::AscLog, path, true);
    ASSERT_EQ(writer->Create(TrafficList{}).error, "");
    EXPECT_EQ(test::ReadFileBytes(path), "");

    Lines expected;
    for (const FixtureFrame& f : Frames()) {
        ASSERT_EQ(writer->Append(RecordOf(f)).error, "");
        expected.push_back(f.asc);
        EXPECT_EQ(SplitLines(test::ReadFileBytes(path)), AscFile(expected));
    }
}

TEST_F(LogWriters, AscCreateStartsAgainFromItsOwnFirstFrame) {
    const std::string path = dir.File("bus.asc");
    const auto writer = MakeRecordWriter(RecordFormat::AscLog, path, true);
    TrafficList rows;
    rows.ReplaceAt(0, RecordOf(Frames()[3]));
    ASSERT_EQ(writer->Create(rows).error, "");
    ASSERT_EQ(writer->Create(TrafficList{}).error, "");
    ASSERT_EQ(writer->Append(RecordOf(Frames()[0])).error, "");
    EXPECT_EQ(SplitLines(test::ReadFileBytes(path)), AscFile({Frames()[0].asc}));
}

TEST_F(LogWriters, AscAppendReportsAFileThatVanished) {
    const std::string path = dir.File("bus.asc");
    const auto writer = MakeRecordWriter(RecordFormat::AscLog, path, true);
    ASSERT_EQ(writer->Create(TrafficList{}).error, "");
    ASSERT_EQ(writer->Append(RecordOf(Frames()[0])).error, "");
    std::filesystem::remove(path);
    const std::string error = writer->Append(RecordOf(Frames()[1])).error;
    EXPECT_NE(error.find(path), std::string::npos) << error;
}

TEST_F(LogWriters, AscFramesMatchWhatTheCandumpConverterMakesOfOurLog) {
    const std::optional<std::string> log2asc = Tool("log2asc");
    if (!log2asc) GTEST_SKIP() << "log2asc is not installed";
    const std::string log = Write(RecordFormat::CandumpLog, "bus.log");
    const std::string converted = dir.File("converted.asc");
    ASSERT_EQ(std::system((*log2asc + " -I " + log + " -O " + converted + " tovrin0").c_str()), 0);

    Lines frameLines;  // the converter's header differs; its frame lines start with the time
    for (const std::string& line : SplitLines(test::ReadFileBytes(converted)))
        if (line.size() > 4 && line[0] == ' ') frameLines.push_back(line);
    EXPECT_EQ(frameLines, FrameLines(&FixtureFrame::asc));
}

TEST_F(LogWriters, AscReadsBackAsOurCandumpLog) {
    const std::optional<std::string> asc2log = Tool("asc2log");
    if (!asc2log) GTEST_SKIP() << "asc2log is not installed";
    const std::string asc = Write(RecordFormat::AscLog, "bus.asc");
    const std::string back = dir.File("back.log");
    ASSERT_EQ(std::system((*asc2log + " -I " + asc + " -O " + back + " 2>/dev/null").c_str()), 0);

    // The converter may not read the date; times are compared from the first frame on.
    const Lines ours = FrameLines(&FixtureFrame::candump);
    const Lines theirs = SplitLines(test::ReadFileBytes(back));
    ASSERT_EQ(theirs.size(), ours.size());
    const int64_t oursFirst = PartsOf(ours[0]).micros, theirsFirst = PartsOf(theirs[0]).micros;
    for (size_t i = 0; i < ours.size(); ++i) {
        SCOPED_TRACE(ours[i]);
        EXPECT_EQ(PartsOf(theirs[i]).frame, PartsOf(ours[i]).frame + " R");
        EXPECT_EQ(PartsOf(theirs[i]).micros - theirsFirst, PartsOf(ours[i]).micros - oursFirst);
    }
}

}  // namespace
}  // namespace tovrin
