#include "records/log_file_writer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "records/file_output.h"

namespace tovrin {
namespace {

std::string Failure(const std::string& path, int error) { return path + ": " + std::strerror(error); }

// 0, or the errno of the step that failed.
int OverwriteEnd(std::FILE* file, size_t tailSize, const std::string& bytes) {
    if (std::fseek(file, -static_cast<long>(tailSize), SEEK_END) != 0) return errno;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fflush(file) != 0) return errno;
    return 0;
}

// Writes the bytes over the last tailSize bytes of the file, which then ends with them:
// a frame's lines and the closing after them are never shorter than the old closing.
std::string ReplaceFileTail(const std::string& path, size_t tailSize, const std::string& bytes) {
    if (tailSize == 0) return AppendToFile(path, bytes);
    std::FILE* file = std::fopen(path.c_str(), "r+b");
    if (!file) return Failure(path, errno);
    const int error = OverwriteEnd(file, tailSize, bytes);
    const bool closed = std::fclose(file) == 0;
    if (error) return Failure(path, error);
    if (!closed) return Failure(path, errno);
    return {};
}

}  // namespace

LogFileWriter::LogFileWriter(std::string path, std::unique_ptr<LogText> text)
    : path_(std::move(path)), text_(std::move(text)) {}

RecordFileResult LogFileWriter::Create(const TrafficList& rows) {
    std::string bytes = text_->Opening();
    for (int i = 0; i < rows.size(); ++i) bytes += text_->FrameLines(rows.row(i));
    closing_ = text_->Closing();
    return {ReplaceFileContent(path_, bytes + closing_)};
}

RecordFileResult LogFileWriter::Append(const TrafficRecord& row) {
    const std::string lines = text_->FrameLines(row);
    const std::string closing = text_->Closing();
    const std::string error = ReplaceFileTail(path_, closing_.size(), lines + closing);
    closing_ = closing;
    return {error};
}

}  // namespace tovrin
