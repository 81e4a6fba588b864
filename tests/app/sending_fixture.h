#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/control_ids.h"
#include "sim/virtual_converter.h"
#include "support/dialog_fixture.h"
#include "support/hex.h"
#include "support/pump.h"

namespace tovrin::test {

// A started window with its port open on a virtual converter that has been set up and
// started, so that the send commands are enabled.
class SendingTest : public DialogTest {
protected:
    void StartWithPort() {
        converter.Start();
        Start();
        dlg->Type(id::PORT, converter.DevicePath());
        dlg->Click(id::OPEN);
        ASSERT_TRUE(dlg->port().IsOpen());
        dlg->Click(id::SET_AND_START);
        ASSERT_TRUE(C(id::SEND_MULTIPLE).enabled);
    }

    // The port closes before its converter goes away.
    void TearDown() override { dlg.reset(); }

    // The frame packets the converter has received since the last call, as the host
    // wrote them. A bus state query goes behind them first: once the converter has it,
    // everything the window wrote before has arrived.
    std::vector<std::string> Transmitted() {
        const uint64_t queries = converter.State().busStateQueries;
        const SettingsPacket query = BuildBusStateQuery();
        EXPECT_TRUE(dlg->port().RequestWrite(query.data(), query.size()));
        EXPECT_TRUE(WaitUntil([&] { return converter.State().busStateQueries > queries; }));
        const std::vector<sim::HostFrame> frames = converter.State().hostFrames;
        std::vector<std::string> packets;
        for (size_t i = seenFrames; i < frames.size(); ++i)
            packets.push_back(ToHex(sim::EncodeFrame(frames[i].frame, frames[i].form)));
        seenFrames = frames.size();
        return packets;
    }

    void Receive(const SettingsPacket& packet) {
        for (uint8_t b : packet) dlg->OnRxByte(b, 1);
    }

    // The cells of a traffic-list row from Frame Type on, the columns the sender chose.
    std::vector<std::string> SentCells(int position) const {
        const TrafficRecord& r = dlg->trafficList().row(position);
        return {r[TrafficColumn::FrameType], r[TrafficColumn::FrameFormat], r[TrafficColumn::FrameId],
                r[TrafficColumn::DataLength], r[TrafficColumn::Data]};
    }

    std::string SendSetting(const std::string& key) const {
        return dlg->profile().ReadText("SEND SETTING", key, "<absent>", 4096);
    }

    sim::VirtualConverter converter;
    size_t seenFrames = 0;
};

}  // namespace tovrin::test
