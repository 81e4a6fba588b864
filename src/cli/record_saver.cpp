#include "cli/record_saver.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "cli/cli_error.h"
#include "records/xls_writer.h"

namespace tovrin::cli {
namespace {

struct NamedFormat {
    std::string_view extension;
    RecordFormat format;
};

constexpr std::array<NamedFormat, 5> FORMATS{{{".txt", RecordFormat::Text},
                                              {".xls", RecordFormat::Workbook},
                                              {".log", RecordFormat::CandumpLog},
                                              {".asc", RecordFormat::AscLog},
                                              {".csv", RecordFormat::CsvLog}}};

constexpr int SHEET_DATA_ROWS = XLS_MAX_ROWS - 1;
// A full sheet takes a while to write; the monitor must not fall behind the bus.
constexpr auto SHEET_REWRITE_PERIOD = std::chrono::seconds(1);

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

RecordFormat SaveFormatOf(std::string_view path) {
    for (const NamedFormat& named : FORMATS) {
        if (path.size() <= named.extension.size()) continue;
        const std::string_view end = path.substr(path.size() - named.extension.size());
        if (std::equal(end.begin(), end.end(), named.extension.begin(), [](char a, char b) { return Lower(a) == b; }))
            return named.format;
    }
    throw UsageError("--save needs a name ending in .txt, .xls, .log, .asc or .csv, not \"" + std::string(path) + "\"");
}

RecordSaver::RecordSaver(std::string path) : m_path(std::move(path)), m_format(SaveFormatOf(m_path)) {
    m_writer = MakeRecordWriter(m_format, m_path, true);
    Check(m_writer->Create(TrafficList{}));
}

void RecordSaver::Add(const TrafficRecord& row) {
    if (m_format != RecordFormat::Workbook) {
        Check(m_writer->Append(row));
    } else if (m_sheetRows.size() < SHEET_DATA_ROWS) {
        m_sheetRows.ReplaceAt(m_sheetRows.size(), row);
        m_sheetChanged = true;
    } else if (!m_sheetFullTold) {
        m_sheetFullTold = true;
        std::fprintf(stderr, "tovrin-cli: %s: the sheet is full; later frames are not saved\n", m_path.c_str());
    }
}

void RecordSaver::Flush() {
    if (std::chrono::steady_clock::now() - m_sheetWritten >= SHEET_REWRITE_PERIOD) WriteSheet();
}

void RecordSaver::Finish() { WriteSheet(); }

void RecordSaver::WriteSheet() {
    if (!m_sheetChanged) return;
    m_sheetChanged = false;
    m_sheetWritten = std::chrono::steady_clock::now();
    Check(m_writer->Create(m_sheetRows));
}

void RecordSaver::Check(const RecordFileResult& result) {
    if (!result.error.empty()) throw CommandFailure(result.error);
}

}  // namespace tovrin::cli
