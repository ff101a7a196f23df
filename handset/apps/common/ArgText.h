// What the applets' command lines share: the blanks around a field, and
// whether a number is one an applet can show and dial.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace telhub {

inline constexpr size_t kMaxNumberLength = 64;

// The text without the spaces before and after it.
std::wstring TrimBlanks(std::wstring_view text);

// 1 to 64 characters, none of them a control character.
bool IsPlainNumber(std::wstring_view number);

}  // namespace telhub
