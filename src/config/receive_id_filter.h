#pragma once
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "config/bilingual_text.h"
#include "config/checked.h"
#include "link/packet.h"

namespace tovrin {

constexpr size_t RECEIVE_ID_ROW_LIMIT = 10;
inline constexpr std::string_view NEW_RECEIVE_ID = "00000000";

inline constexpr BilingualText RECEIVE_ID_LIMIT_MESSAGE{"设置不能超过10个ID", "Set ID can not be more than 10"};

// The two cells of a row of the receive-ID list: its number and its identifier.
struct ReceiveIdRow {
    std::string number;
    std::string id;
};

// Add: the row to append to a list of rowCount rows ("%d" of its position and
// "00000000"); refused once the list holds ten rows.
Checked<ReceiveIdRow> NewReceiveIdRow(size_t rowCount);

// Delete removes the last row whatever row is selected; an empty list stays empty.
std::optional<size_t> ReceiveIdRowToDelete(size_t rowCount);

// Enable: the identifier cells in list order, as the 0x10 packet. Any empty or
// over-long cell refuses the whole packet. A list loaded from a hand-edited
// settings file may hold more than ten rows: the first 255, all a packet can count,
// are checked and sent.
Checked<Bytes> BuildEnableReceiveIds(std::span<const std::string> idCells);

// Disable lets every identifier through: AA 55 10 00 10.
Bytes BuildDisableReceiveIds();

}  // namespace tovrin
