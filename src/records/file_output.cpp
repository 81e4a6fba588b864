#include "records/file_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tovrin {
namespace {

std::string Failure(const std::string& path, int error) { return path + ": " + std::strerror(error); }

std::string WriteWith(const std::string& path, const char* mode, std::string_view bytes) {
    std::FILE* file = std::fopen(path.c_str(), mode);
    if (!file) return Failure(path, errno);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written) return Failure(path, writeError);
    if (!closed) return Failure(path, errno);
    return {};
}

}  // namespace

std::string ReplaceFileContent(const std::string& path, std::string_view bytes) { return WriteWith(path, "wb", bytes); }

std::string AppendToFile(const std::string& path, std::string_view bytes) { return WriteWith(path, "ab", bytes); }

}  // namespace tovrin
