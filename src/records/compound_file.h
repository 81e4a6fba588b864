#pragma once
#include <string>
#include <string_view>

namespace tovrin {

// A compound document (version 3, 512-byte sectors) holding one stream beside
// its root entry. Streams below the mini-stream cutoff are padded with zeros up
// to it, so every stream lives in ordinary sectors.
std::string CompoundFileWithStream(std::u16string_view streamName, std::string stream);

}  // namespace tovrin
