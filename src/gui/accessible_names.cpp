#include "gui/accessible_names.h"

#include <array>

#include "app/control_ids.h"

namespace tovrin::gui {
namespace {

constexpr std::array<NamedBy, 17> kFixed = {{
    {id::PORT_LABEL, id::PORT},
    {id::COM_BAUD_LABEL, id::COM_BAUD},
    {id::MODE_LABEL, id::WORK_MODE},
    {id::TYPE_LABEL, id::FRAME_TYPE},
    {id::CAN_BPS_LABEL, id::STANDARD_BIT_RATE},
    {id::CAN_BPS_LABEL, id::CUSTOM_BIT_RATE},
    {id::FILTER_LABEL, id::FILTER_ID},
    {id::MASK_LABEL, id::MASK_ID},
    {id::SJW_LABEL, id::SJW},
    {id::BS1_LABEL, id::BS1},
    {id::BS2_LABEL, id::BS2},
    {id::PRESCALER_LABEL, id::PRESCALER},
    {id::TOTAL_LABEL, id::BUFFER_FRAMES},
    {id::INTERVAL_LABEL, id::INTERVAL},
    {id::RECEIVE_ID_GROUP, id::RECEIVE_ID_LIST},
    {id::FRAMES_GROUP, id::FRAME_LIST},
    {id::BUS_STATE_GROUP, id::BUS_STATE},
}};

constexpr auto kAll = [] {
    std::array<NamedBy, kFixed.size() + 3 * 8> all{};
    size_t n = 0;
    for (const NamedBy& entry : kFixed) all[n++] = entry;
    for (const id::SendRowIds& row : id::SEND_ROWS) {
        all[n++] = {row.typeLabel, row.frameType};
        all[n++] = {row.idLabel, row.identifier};
        all[n++] = {row.dataLabel, row.data};
    }
    return all;
}();

}  // namespace

std::span<const NamedBy> AccessibleNameSources() { return kAll; }

}  // namespace tovrin::gui
