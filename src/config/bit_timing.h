#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tovrin {

// The converter's CAN controller clock.
constexpr int CAN_CLOCK_HZ = 36'000'000;

constexpr int PRESCALER_MIN = 1;
constexpr int PRESCALER_MAX = 1024;
constexpr int DEFAULT_PRESCALER = 12;      // the prescaler of "250kbps"
constexpr int DEFAULT_STANDARD_ENTRY = 4;  // "250kbps"
constexpr int DEFAULT_BS1_ENTRY = 5;       // its phase buffers, 6 and 5 time quanta
constexpr int DEFAULT_BS2_ENTRY = 4;

// Selector entries are positions; entry k of a segment selector stands for k + 1
// time quanta. A position outside the selector means "no selection".
struct StandardBitRate {
    std::string_view text;
    uint8_t code;  // sent by the standard start command: position + 1
    int bs1Entry;
    int bs2Entry;
    int prescaler;
};

inline constexpr std::array<StandardBitRate, 12> STANDARD_BIT_RATES{{
    {"1Mbps", 1, 5, 4, 3},
    {"800kbps", 2, 7, 5, 3},
    {"500kbps", 3, 5, 4, 6},
    {"400kbps", 4, 4, 3, 9},
    {"250kbps", 5, 5, 4, 12},
    {"200kbps", 6, 4, 3, 18},
    {"125kbps", 7, 5, 4, 24},
    {"100kbps", 8, 5, 4, 30},
    {"50kbps", 9, 5, 4, 60},
    {"20kbps", 10, 4, 3, 180},
    {"10kbps", 11, 5, 4, 300},
    {"5kbps", 12, 5, 4, 600},
}};

inline constexpr std::array<std::string_view, 4> SJW_ENTRY_TEXTS{
    "CAN_SJW_1tq", "CAN_SJW_2tq", "CAN_SJW_3tq", "CAN_SJW_4tq"};

// Entry 10 has always read "CAN_BS1_11q"; users know the list that way.
inline constexpr std::array<std::string_view, 16> BS1_ENTRY_TEXTS{
    "CAN_BS1_1tq",  "CAN_BS1_2tq",  "CAN_BS1_3tq",  "CAN_BS1_4tq",  "CAN_BS1_5tq",  "CAN_BS1_6tq",
    "CAN_BS1_7tq",  "CAN_BS1_8tq",  "CAN_BS1_9tq",  "CAN_BS1_10tq", "CAN_BS1_11q",  "CAN_BS1_12tq",
    "CAN_BS1_13tq", "CAN_BS1_14tq", "CAN_BS1_15tq", "CAN_BS1_16tq"};

// The phase buffer 2 selector shows the first eight phase buffer 1 texts.
constexpr std::span<const std::string_view> Bs2EntryTexts() { return std::span(BS1_ENTRY_TEXTS).first(8); }

// No value for a position outside the table (the list without a selection).
std::optional<StandardBitRate> StandardBitRateAt(int entry);

// 36 MHz / (SJW + BS1 + BS2 time quanta) / prescaler, both divisions truncating. A
// segment without a selection counts 0 quanta; with nothing to divide by the rate is 0.
int ComputeCustomRate(int sjwEntry, int bs1Entry, int bs2Entry, int prescaler);

// "250kbps" for whole kbit/s, else "71.005kbps".
std::string FormatCanBitRate(int rate);

// The leading decimal digits of the text (an empty text reads 0), when 1..1024.
std::optional<int> AcceptPrescaler(std::string_view text);

// What the prescaler field comes to after an edit: an emptied field falls back to
// the previous text, and a value that is not accepted brings the previous text back.
struct PrescalerDecision {
    std::string text;             // what the field shows afterwards
    std::optional<int> accepted;  // the new prescaler; none leaves it unchanged
};
PrescalerDecision DecidePrescaler(std::string_view previousText, std::string_view currentText);

// The prescaler taken from a stored text at start-up; a stored text that is not
// accepted gives DEFAULT_PRESCALER, so a custom start never sends a prescaler of 0.
int StartUpPrescaler(std::string_view storedText);

// Sample point (1 + BS1) / (1 + BS1 + BS2) in per cent, one decimal: "58.3%".
std::string SamplePointText(int bs1Entry, int bs2Entry);

// Stored selector positions brought into the selectors' ranges.
int ClampBs1Entry(int storedEntry);
int ClampBs2Entry(int storedEntry);

// The standard entry whose timing equals the custom fields, else "250kbps": the
// entry to select when custom mode is left with no standard entry selected.
int StandardEntryForTiming(int bs1Entry, int bs2Entry, int prescaler);

}  // namespace tovrin
