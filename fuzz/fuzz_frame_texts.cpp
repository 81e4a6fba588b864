// Identifier, data and stored-list texts come from users and files: parsing never fails
// and never accepts what the rules refuse.
#include <cstdint>
#include <string>

#include "controls/list_syntax.h"
#include "text/utf.h"
#include "transmit/frame_composer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const size_t units = tovrin::Utf16Length(text);
    if (auto id = tovrin::ParseFrameId(text)) {
        if (units == 0 || units > 8 || tovrin::Utf16Length(id->text) != 8) __builtin_trap();
    }
    if (auto frame = tovrin::ParseFrameData(text)) {
        if (frame->length > 8 || frame->length != (units + 1) / 3) __builtin_trap();
    }
    const tovrin::ListCells rows = tovrin::ParseListValue(text, 5);
    for (const auto& row : rows)
        if (row.size() != 5) __builtin_trap();
    (void)tovrin::FormatListValue(rows);
    return 0;
}
