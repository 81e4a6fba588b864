#pragma once
#include <cstdint>
#include <string>

#include "link/can_frame.h"
#include "records/traffic_record.h"

namespace tovrin {

// The text of a bus log, made as frames arrive: what opens it, the lines of each
// frame, and what has to stay after the last frame. The same text goes to a file
// or to a terminal.
class LogText {
public:
    virtual ~LogText() = default;
    // Starts the text anew: what comes before the first frame.
    virtual std::string Opening() = 0;
    virtual std::string FrameLines(const TrafficRecord& row) = 0;
    // What ends the text as it stands; it is replaced when more frames follow, and it
    // never gets shorter once a frame has come.
    virtual std::string Closing() const = 0;
};

// Log formats carry 11-bit or 29-bit identifiers; a standard frame's packet has room
// for 16 bits, and the bits above the format's width mean nothing on the bus.
inline uint32_t LoggedIdentifier(const CanFrame& frame) { return frame.id & (frame.extended() ? 0x1FFFFFFFu : 0x7FFu); }

}  // namespace tovrin
