#include "config/transparent.h"

#include <optional>

#include "config/identifier_text.h"
#include "config/start_command.h"

namespace tovrin {

const TransparentDialogTexts& TransparentDialogFor(bool english) {
    return english ? TRANSPARENT_DIALOG_ENGLISH : TRANSPARENT_DIALOG_CHINESE;
}

Checked<SettingsPacket> BuildTransparentCommand(const TransparentDialogResult& result, int frameTypeEntry) {
    TransparentSetup setup;
    setup.format = FrameFormatOfEntry(frameTypeEntry);
    if (!result.confirmed) {
        setup.cancel = true;
        return Checked<SettingsPacket>::Accept(BuildTransparentPacket(setup));
    }
    const std::optional<uint32_t> remote = ParseIdentifierText(result.remoteId);
    if (!remote) return Checked<SettingsPacket>::Refuse(ID_ERROR_MESSAGE);
    const std::optional<uint32_t> local = ParseIdentifierText(result.localId);
    if (!local) return Checked<SettingsPacket>::Refuse(ID_ERROR_MESSAGE);
    setup.remoteId = *remote;
    setup.localId = *local;
    return Checked<SettingsPacket>::Accept(BuildTransparentPacket(setup));
}

}  // namespace tovrin
