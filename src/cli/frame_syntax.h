#pragma once
#include <string>
#include <string_view>

#include "link/can_frame.h"

namespace tovrin::cli {

// candump's frame syntax: "123#1122", "18FF0001#R", "123#R3"; data bytes may be
// separated by dots ("123#11.22"). Up to three identifier digits make a standard
// frame, eight an extended one. Throws UsageError for anything else.
CanFrame ParseFrameArgument(std::string_view text);

// One to eight hexadecimal digits, the identifier fields' syntax; `what` names the
// argument in the UsageError.
std::string IdentifierArgument(std::string_view text, std::string_view what);

}  // namespace tovrin::cli
