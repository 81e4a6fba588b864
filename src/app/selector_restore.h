#pragma once
#include <string>
#include <vector>

namespace tovrin {

// How a stored text finds its entry again: from the second entry on, wrapping to the
// first, the first entry that begins with the text (case ignored). Empty finds nothing.
int FindBySelectorRule(const std::vector<std::string>& entries, const std::string& stored);

}  // namespace tovrin
