#pragma once
#include <string>
#include <string_view>

namespace tovrin {

// Record files are opened for one operation and closed at its end. Each returns
// an empty text on success, otherwise the file name and the system's reason.
std::string ReplaceFileContent(const std::string& path, std::string_view bytes);
std::string AppendToFile(const std::string& path, std::string_view bytes);

}  // namespace tovrin
