#pragma once
#include <optional>
#include <utility>

#include "config/bilingual_text.h"

namespace tovrin {

// The result of a command built from what the user typed: either the value to use
// or the message box text that tells the user why there is none.
template <typename T>
struct Checked {
    std::optional<T> value;
    BilingualText refusal;

    static Checked Accept(T accepted) { return {std::move(accepted), {}}; }
    static Checked Refuse(BilingualText message) { return {std::nullopt, message}; }
};

}  // namespace tovrin
