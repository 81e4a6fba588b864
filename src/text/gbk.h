#pragma once
#include <string>
#include <string_view>

namespace tovrin {

// Record text files are 8-bit GBK so that Chinese headers and cells agree.
// A character GBK cannot hold, or a byte that is not valid UTF-8, becomes "?".
std::string Utf8ToGbk(std::string_view utf8);

// Settings files of older installations are GBK. A byte sequence that is not
// valid GBK becomes U+FFFD.
std::string GbkToUtf8(std::string_view gbk);

}  // namespace tovrin
