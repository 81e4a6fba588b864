#include "config/identifier_text.h"

#include "text/utf.h"
#include "transmit/frame_composer.h"

namespace tovrin {

bool IsIdentifierTextTooLong(std::string_view text) { return Utf16Length(text) > IDENTIFIER_TEXT_MAX; }

// The send rows read their identifier texts by the same rule.
std::optional<uint32_t> ParseIdentifierText(std::string_view text) {
    const std::optional<FrameId> id = ParseFrameId(text);
    if (!id) return std::nullopt;
    return id->value;
}

}  // namespace tovrin
