#include "cli/monitor_output.h"

#include <string>

#include "cli/cli_error.h"
#include "records/asc_log_writer.h"
#include "records/candump_log_writer.h"
#include "records/csv_log_writer.h"
#include "records/record_text_file.h"

namespace tovrin::cli {
namespace {

class RecordLines final : public LogText {
public:
    std::string Opening() override { return {}; }
    std::string FrameLines(const TrafficRecord& row) override {
        std::string line = RecordLine(row);
        if (line.ends_with("\r\n")) line.erase(line.size() - 2);
        return line + "\n";
    }
    std::string Closing() const override { return {}; }
};

}  // namespace

std::unique_ptr<LogText> MonitorOutput(std::string_view format) {
    if (format == "records") return std::make_unique<RecordLines>();
    if (format == "candump") return std::make_unique<CandumpLog>();
    if (format == "asc") return std::make_unique<AscLog>();
    if (format == "csv") return std::make_unique<CsvLog>();
    throw UsageError("--format takes records|candump|asc|csv, not \"" + std::string(format) + "\"");
}

}  // namespace tovrin::cli
