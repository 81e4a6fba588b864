#include "records/record_text_file.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace tovrin {
namespace {

TEST(RecordTextFile, HeaderLinesAreFixedBytes) {
    const std::string english =
        "NO    Direction  Time Scale        Frame Type      Frame Format        Frame ID    Length          Data \r\n";
    const std::string chinese =
        "\xD0\xF2\xBA\xC5  "
        "\xB4\xAB\xCA\xE4\xB7\xBD\xCF\xF2   "
        "\xCA\xB1\xBC\xE4\xB1\xEA\xCA\xB6          "
        "\xD6\xA1\xC0\xE0\xD0\xCD      "
        "\xD6\xA1\xB8\xF1\xCA\xBD      "
        "\xD6\xA1" "ID      "
        "\xCA\xFD\xBE\xDD\xB3\xA4\xB6\xC8    "
        "\xCA\xFD\xBE\xDD \r\n";
    EXPECT_EQ(english.size(), 104u + 2);
    EXPECT_EQ(chinese.size(), 86u + 2);
    EXPECT_EQ(RecordHeaderLine(true), english);
    EXPECT_EQ(RecordHeaderLine(false), chinese);
}

TrafficRecord Record(std::array<std::string, TRAFFIC_COLUMN_COUNT> cells) {
    TrafficRecord record;
    record.cells = std::move(cells);
    return record;
}

// The five spaces after each of so many empty fields.
std::string Gaps(size_t fields) { return std::string(5 * fields, ' '); }

TEST(RecordTextFile, RecordLineFields) {
    struct Case {
        std::array<std::string, TRAFFIC_COLUMN_COUNT> cells;
        std::string line;
    } const cases[] = {
        {{"0", "Receive", "14:03:27:045", "Data frame", "Standard frame", "00000123", "2", "11 22 "},
         "0     Receive     14:03:27:045     Data frame     Standard frame     00000123     2     11 22      \r\n"},
        // No: 4 characters get two spaces, 5 none, an empty text nothing; Frame ID: zeros up to 8.
        {{"1234", "", "", "", "", "123", "", ""}, "1234  " + Gaps(4) + "00000123" + Gaps(3) + "\r\n"},
        {{"12345", "", "", "", "", "123456789", "", ""}, "12345" + Gaps(4) + "123456789" + Gaps(3) + "\r\n"},
        {{"", "", "", "", "", "", "", ""}, Gaps(4) + "00000000" + Gaps(3) + "\r\n"},
        // Characters are counted, not bytes, and each field is GBK.
        {{"序号", "接受", "", "", "", "帧", "", "\xF0\x9F\x98\x80"},
         "\xD0\xF2\xBA\xC5    \xBD\xD3\xCA\xDC     " "     " "     " "     " "0000000\xD6\xA1     " "     " "?     \r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cells[0]);
        EXPECT_EQ(RecordLine(Record(c.cells)), c.line);
    }
}

}  // namespace
}  // namespace tovrin
