#include "cli/frame_syntax.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "cli/cli_error.h"

namespace tovrin::cli {
namespace {

constexpr size_t STANDARD_DIGITS_MAX = 3;
constexpr size_t EXTENDED_DIGITS = 8;
constexpr uint32_t STANDARD_ID_MAX = 0x7FF;
constexpr uint32_t EXTENDED_ID_MAX = 0x1FFFFFFF;
constexpr size_t DATA_BYTES_MAX = 8;

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

bool AllHex(std::string_view text) { return !text.empty() && std::all_of(text.begin(), text.end(), IsHexDigit); }

uint32_t HexValue(std::string_view digits) {
    uint32_t value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    return value;
}

[[noreturn]] void Refuse(std::string_view text, const std::string& why) {
    throw UsageError("frame \"" + std::string(text) + "\": " + why);
}

void ReadIdentifier(std::string_view text, std::string_view digits, CanFrame& frame) {
    const bool standard = digits.size() <= STANDARD_DIGITS_MAX;
    if (!AllHex(digits) || (!standard && digits.size() != EXTENDED_DIGITS))
        Refuse(text, "the identifier takes 1 to 3 hexadecimal digits (standard) or 8 (extended)");
    frame.format = standard ? FrameFormat::Standard : FrameFormat::Extended;
    frame.id = HexValue(digits);
    if (frame.id > (standard ? STANDARD_ID_MAX : EXTENDED_ID_MAX))
        Refuse(text, standard ? "a standard identifier is at most 7FF" : "an extended identifier is at most 1FFFFFFF");
}

void ReadRemote(std::string_view text, std::string_view length, CanFrame& frame) {
    frame.type = FrameType::Remote;
    if (length.empty()) return;
    if (length.size() != 1 || length[0] < '0' || length[0] > '8')
        Refuse(text, "a remote frame's length is one digit 0..8");
    frame.length = frame.carried = static_cast<uint8_t>(length[0] - '0');
}

void ReadData(std::string_view text, std::string_view data, CanFrame& frame) {
    size_t count = 0;
    for (size_t i = 0; i < data.size();) {
        if (data[i] == '.' && count > 0 && i + 1 < data.size()) {
            ++i;
            continue;
        }
        if (i + 1 >= data.size() || !AllHex(data.substr(i, 2))) Refuse(text, "data are pairs of hexadecimal digits");
        if (count == DATA_BYTES_MAX) Refuse(text, "at most 8 data bytes");
        frame.data[count++] = static_cast<uint8_t>(HexValue(data.substr(i, 2)));
        i += 2;
    }
    frame.length = frame.carried = static_cast<uint8_t>(count);
}

}  // namespace

CanFrame ParseFrameArgument(std::string_view text) {
    const size_t hash = text.find('#');
    if (hash == std::string_view::npos) Refuse(text, "write it as ID#DATA");
    CanFrame frame;
    ReadIdentifier(text, text.substr(0, hash), frame);
    const std::string_view rest = text.substr(hash + 1);
    if (!rest.empty() && (rest[0] == 'R' || rest[0] == 'r'))
        ReadRemote(text, rest.substr(1), frame);
    else
        ReadData(text, rest, frame);
    return frame;
}

std::string IdentifierArgument(std::string_view text, std::string_view what) {
    if (!AllHex(text) || text.size() > EXTENDED_DIGITS)
        throw UsageError(std::string(what) + " takes 1 to 8 hexadecimal digits, not \"" + std::string(text) + "\"");
    return std::string(text);
}

}  // namespace tovrin::cli
