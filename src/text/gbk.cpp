#include "text/gbk.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace tovrin {
namespace {

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Bytes of the character at the start of the text: its lead byte and the
// continuation bytes that follow it, so that a whole unmappable character, or a
// cut-off sequence, becomes a single replacement.
size_t Utf8CharacterLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    const size_t length = (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 1;
    size_t n = 1;
    while (n < length && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) ++n;
    return n;
}

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error(std::string("iconv cannot convert to ") + to);
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input; at a sequence it cannot take, appends the
    // replacement and skips the input bytes that skip() counts for the rest.
    template <typename Skip>
    std::string Convert(std::string_view input, std::string_view replacement, Skip skip) {
        std::string out;
        char buffer[256];
        char* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        while (inLeft > 0) {
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            const size_t done = iconv(handle_, &in, &inLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (done != static_cast<size_t>(-1) || errno == E2BIG) continue;
            // EILSEQ (unmappable or malformed) or EINVAL (cut off at the end).
            const size_t skipped = skip(std::string_view(in, inLeft));
            out.append(replacement);
            in += skipped;
            inLeft -= skipped;
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t handle_;
};

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    thread_local Converter converter("GBK", "UTF-8");
    return converter.Convert(utf8, "?", Utf8CharacterLength);
}

std::string GbkToUtf8(std::string_view gbk) {
    if (IsAscii(gbk)) return std::string(gbk);
    thread_local Converter converter("UTF-8", "GBK");
    return converter.Convert(gbk, "\xEF\xBF\xBD", [](std::string_view) { return size_t{1}; });
}

}  // namespace tovrin
