#include "records/asc_log_writer.h"

#include <algorithm>
#include <array>
#include <cinttypes>
#include <cstdio>
#include <ctime>

namespace tovrin {
namespace {

constexpr char CLOSING_LINE[] = "End TriggerBlock\n";

std::string Header(int64_t firstEpochMicros) {
    const std::string date = AscDateText(firstEpochMicros);
    return "date " + date + "\nbase hex  timestamps absolute\ninternal events logged\n// version 9.0.0\n" +
           "Begin Triggerblock " + date + "\n";
}

}  // namespace

std::string AscDateText(int64_t epochMicros) {
    // Fixed names: readers of the format expect English whatever the locale says.
    static constexpr std::array<const char*, 7> DAYS{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static constexpr std::array<const char*, 12> MONTHS{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::time_t seconds = static_cast<std::time_t>(epochMicros / 1'000'000);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[64];
    std::snprintf(text, sizeof text, "%s %s %02d %02d:%02d:%02d.%03d %d", DAYS[static_cast<size_t>(local.tm_wday % 7)],
                  MONTHS[static_cast<size_t>(local.tm_mon % 12)], local.tm_mday, local.tm_hour, local.tm_min,
                  local.tm_sec, static_cast<int>(epochMicros % 1'000'000 / 1000), local.tm_year + 1900);
    return text;
}

std::string AscFrameLine(const TrafficRecord& row, int64_t firstEpochMicros) {
    const CanFrame& frame = row.frame;
    // A clock set back during the log gives no negative times, which readers refuse.
    const int64_t offset = std::max<int64_t>(row.epochMicros - firstEpochMicros, 0);
    char id[16];
    std::snprintf(id, sizeof id, frame.extended() ? "%" PRIX32 "x" : "%" PRIX32, LoggedIdentifier(frame));
    char line[160];
    int used = std::snprintf(line, sizeof line, "%4" PRId64 ".%06" PRId64 " 1  %-15s %s   %c %X", offset / 1'000'000,
                             offset % 1'000'000, id, row.direction == Direction::Send ? "Tx" : "Rx",
                             frame.remote() ? 'r' : 'd', static_cast<unsigned>(frame.length));
    if (!frame.remote()) {
        for (size_t i = 0; i < std::min<size_t>(frame.carried, frame.data.size()); ++i)
            used += std::snprintf(line + used, sizeof line - static_cast<size_t>(used), " %02X", frame.data[i]);
    }
    return std::string(line, static_cast<size_t>(used)) + "\n";
}

std::string AscLog::Opening() {
    m_firstEpochMicros.reset();
    return {};
}

std::string AscLog::FrameLines(const TrafficRecord& row) {
    if (m_firstEpochMicros) return AscFrameLine(row, *m_firstEpochMicros);
    m_firstEpochMicros = row.epochMicros;
    return Header(row.epochMicros) + AscFrameLine(row, row.epochMicros);
}

std::string AscLog::Closing() const { return m_firstEpochMicros ? CLOSING_LINE : std::string(); }

}  // namespace tovrin
