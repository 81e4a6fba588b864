#pragma once
#include <string>
#include <string_view>

#include "config/checked.h"
#include "link/packet.h"

namespace tovrin {

// The identifier dialog of the Transparent button, one per language, alike in
// behaviour: two edits that take any text, OK and Cancel, no checks of its own.
struct TransparentDialogTexts {
    int templateId;
    std::string_view title;
    std::string_view localIdLabel;   // beside TRANSPARENT_LOCAL_ID_EDIT
    std::string_view remoteIdLabel;  // beside TRANSPARENT_REMOTE_ID_EDIT
    std::string_view okCaption;
    std::string_view cancelCaption;
};

constexpr int TRANSPARENT_LOCAL_ID_EDIT = 1017;
constexpr int TRANSPARENT_REMOTE_ID_EDIT = 1018;
inline constexpr std::string_view TRANSPARENT_INITIAL_ID = "00000000";

inline constexpr TransparentDialogTexts TRANSPARENT_DIALOG_CHINESE{
    132, "透明传输", "本地ID: 0x", "远程ID: 0x", "确定", "取消"};
inline constexpr TransparentDialogTexts TRANSPARENT_DIALOG_ENGLISH{
    133, "Transparent transmission", "Local ID: 0x", "Remote ID: 0x", "OK", "Cancel"};

const TransparentDialogTexts& TransparentDialogFor(bool english);

// How the dialog was closed and what its edits held; each press starts a new dialog
// at "00000000".
struct TransparentDialogResult {
    bool confirmed = false;
    std::string localId{TRANSPARENT_INITIAL_ID};
    std::string remoteId{TRANSPARENT_INITIAL_ID};
};

// What the window sends when the dialog has closed (after reading its controls):
// OK sets the mode up with both identifiers, the remote one checked first; Cancel
// sends the mode byte 0xAA with both identifiers zero, whatever was typed, and
// cannot be refused. The window remembers nothing of the mode and stores nothing.
Checked<SettingsPacket> BuildTransparentCommand(const TransparentDialogResult& result, int frameTypeEntry);

}  // namespace tovrin
