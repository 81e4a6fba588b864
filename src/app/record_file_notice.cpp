#include "app/record_file_notice.h"

#include "records/xls_writer.h"

namespace tovrin {

std::optional<std::string> RecordFileNotice(const RecordFileResult& result, const std::string& fileName,
                                            bool english) {
    if (!result.error.empty()) {
        return (english ? "The record file could not be written:\n" : "记录文件无法写入：\n") + result.error;
    }
    if (result.sheetFull) {
        const std::string kept = std::to_string(XLS_MAX_ROWS - 1);
        if (english) return "The sheet of " + fileName + " is full: it holds the first " + kept + " records only.";
        return fileName + " 的工作表已满：只保存了前 " + kept + " 条记录。";
    }
    return std::nullopt;
}

}  // namespace tovrin
