#include "app/selector_restore.h"

#include "app/control_model.h"

namespace tovrin {

int FindBySelectorRule(const std::vector<std::string>& entries, const std::string& stored) {
    if (stored.empty() || entries.empty()) return -1;
    const size_t n = entries.size();
    for (size_t k = 0; k < n; ++k) {
        const size_t i = (k + 1) % n;
        if (StartsWithNoCase(entries[i], stored)) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace tovrin
