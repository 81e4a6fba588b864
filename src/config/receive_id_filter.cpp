#include "config/receive_id_filter.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "config/identifier_text.h"

namespace tovrin {
namespace {

constexpr size_t PACKET_ID_LIMIT = 255;  // the packet's count is one byte

}  // namespace

Checked<ReceiveIdRow> NewReceiveIdRow(size_t rowCount) {
    if (rowCount >= RECEIVE_ID_ROW_LIMIT) return Checked<ReceiveIdRow>::Refuse(RECEIVE_ID_LIMIT_MESSAGE);
    return Checked<ReceiveIdRow>::Accept({std::to_string(rowCount), std::string(NEW_RECEIVE_ID)});
}

std::optional<size_t> ReceiveIdRowToDelete(size_t rowCount) {
    if (rowCount == 0) return std::nullopt;
    return rowCount - 1;
}

Checked<Bytes> BuildEnableReceiveIds(std::span<const std::string> idCells) {
    std::vector<uint32_t> ids;
    for (const std::string& cell : idCells.first(std::min(idCells.size(), PACKET_ID_LIMIT))) {
        const std::optional<uint32_t> id = ParseIdentifierText(cell);
        if (!id) return Checked<Bytes>::Refuse(ID_ERROR_MESSAGE);
        ids.push_back(*id);
    }
    return Checked<Bytes>::Accept(BuildReceiveIdsPacket(ids));
}

Bytes BuildDisableReceiveIds() { return BuildReceiveIdsPacket({}); }

}  // namespace tovrin
