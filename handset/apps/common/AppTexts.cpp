#include "AppTexts.h"

#include "ce/language.h"

namespace telhub {

bool UiIsChinese() { return (GetUserDefaultUILanguage() & 0x3FF) == 0x04; }

}  // namespace telhub
