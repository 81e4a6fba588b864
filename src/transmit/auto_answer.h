#pragma once
#include "link/packet.h"
#include "transmit/frame_composer.h"

namespace tovrin {

// A received frame packet answers to the pattern (single-frame row 1) when its format,
// type and identifier agree: 11 bits for a standard pattern, 29 for an extended one.
// The data bytes are not compared. Only CMD_FRAME packets carry a frame, so a bus
// state report or any other command never matches.
bool MatchesAutoAnswer(const SettingsPacket& packet, const ComposedFrame& pattern);

// The first frame of an answer goes out as a CMD_FRAME packet, all four identifier
// bytes included also for a standard frame.
SettingsPacket BuildAnswerPacket(const ComposedFrame& frame);

}  // namespace tovrin
