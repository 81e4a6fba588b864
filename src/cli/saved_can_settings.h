#pragma once
#include "app/profile.h"
#include "config/start_command.h"

namespace tovrin::cli {

// What Set and Start would send right after the window starts: the CAN section of
// its settings file, read by the window's rules (selectors restored in English), and
// its defaults where nothing is stored. Retransmission is never stored: it stays on.
StartCommandInput SavedStartInput(const Profile& settings);

}  // namespace tovrin::cli
