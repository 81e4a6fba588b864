#include "records/candump_log_writer.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

namespace tovrin {
namespace {

constexpr char HEX_DIGITS[] = "0123456789ABCDEF";

void AppendHexByte(std::string& text, uint8_t byte) {
    text += HEX_DIGITS[byte >> 4];
    text += HEX_DIGITS[byte & 0x0F];
}

}  // namespace

std::string CandumpLine(const TrafficRecord& row) {
    const CanFrame& frame = row.frame;
    char head[64];
    std::snprintf(head, sizeof head,
                  frame.extended() ? "(%" PRId64 ".%06" PRId64 ") %s %08" PRIX32 "#"
                                   : "(%" PRId64 ".%06" PRId64 ") %s %03" PRIX32 "#",
                  row.epochMicros / 1'000'000, row.epochMicros % 1'000'000, CANDUMP_INTERFACE_NAME,
                  LoggedIdentifier(frame));
    std::string line = head;
    if (frame.remote()) {
        line += 'R';
        // A classic length code of 1..8 is written as one digit; 0 and longer ones are not.
        if (frame.length >= 1 && frame.length <= 8) line += HEX_DIGITS[frame.length];
    } else {
        for (size_t i = 0; i < std::min<size_t>(frame.carried, frame.data.size()); ++i)
            AppendHexByte(line, frame.data[i]);
    }
    line += '\n';
    return line;
}

}  // namespace tovrin
