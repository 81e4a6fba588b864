#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "link/packet.h"
#include "sim/converter_model.h"
#include "support/dialog_fixture.h"

namespace tovrin::test {

// A started window that is handed received bytes as the serial channel hands them.
class ReceivingTest : public DialogTest {
protected:
    void Receive(const Bytes& bytes) {
        for (uint8_t byte : bytes) dlg->OnRxByte(byte, 1);
    }

    // A standard data frame with two data bytes, in the packet form given.
    void ReceiveFrame(uint32_t id, sim::PacketForm form = sim::PacketForm::DataPacket, uint8_t data = 0x11) {
        CanFrame frame;
        frame.id = id;
        frame.length = frame.carried = 2;
        frame.data[0] = data;
        frame.data[1] = 0x22;
        Receive(sim::EncodeFrame(frame, form));
    }

    std::vector<std::string> Cells(int position) const {
        const auto& cells = dlg->trafficList().row(position).cells;
        return {cells.begin(), cells.end()};
    }

    // No and Frame ID of every row, top to bottom: "0:00000123".
    std::vector<std::string> NumbersAndIds() const {
        std::vector<std::string> rows;
        for (int p = 0; p < dlg->trafficList().size(); ++p) {
            const TrafficRecord& row = dlg->trafficList().row(p);
            rows.push_back(row[TrafficColumn::No] + ":" + row[TrafficColumn::FrameId]);
        }
        return rows;
    }
};

}  // namespace tovrin::test
