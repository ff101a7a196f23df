#include "dialer/KeyTone.h"

#include "ce/sound.h"
#include "platform/ToolkitContract.h"

namespace {

constexpr DWORD kKeyClicksOff = 0x10000;

}  // namespace

bool KeyClicksOff() {
  CQzRegKey key;
  DWORD value = 0;
  return key.Open(HKEY_CURRENT_USER, L"ControlPanel\\Volume", KEY_ALL_ACCESS) && key.QueryValue(L"Key", value) &&
         value == kKeyClicksOff;
}

void PlayKeyTone(const wchar_t* toneFile) {
  if (KeyClicksOff()) return;
  PlaySoundW(toneFile, nullptr, 0);
}
