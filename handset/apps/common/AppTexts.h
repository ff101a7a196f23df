// The applets' own texts, in the user's interface language: Chinese for any
// Chinese language, English otherwise.
#pragma once

namespace telhub {

bool UiIsChinese();

// The Chinese text or the English one, by the interface language.
inline const wchar_t* Text(const wchar_t* chinese, const wchar_t* english) {
  return UiIsChinese() ? chinese : english;
}

}  // namespace telhub
