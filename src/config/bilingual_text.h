#pragma once
#include <string_view>

namespace tovrin {

// A text that exists in both languages of the window; the window picks one by its
// language flag at the moment it shows the text.
struct BilingualText {
    std::string_view chinese;
    std::string_view english;

    constexpr std::string_view For(bool inEnglish) const { return inEnglish ? english : chinese; }
};

}  // namespace tovrin
