// The in-call screen's command line: "-n NUMBER", the number as dialled
// (with its IP prefix, if any; service codes such as "*#06#" too).
#pragma once

#include <optional>
#include <string>

namespace telhub {

// The number, trimmed of blanks; nothing when the parameters are not of
// that form, the number is empty or longer than 64 characters, or holds a
// control character.
std::optional<std::wstring> ParseCallDeskArgs(const std::wstring& parameters);

}  // namespace telhub
