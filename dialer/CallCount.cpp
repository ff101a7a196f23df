#include "dialer/CallCount.h"

#include "ce/modules.h"

namespace {

using GetExistedCallCntProc = int (*)(int* count);

}  // namespace

int GetExistedCallCount() {
  int count = 0;
  HMODULE radio = LoadLibraryW(L"RadioBridge.dll");
  if (!radio) return count;
  if (auto proc = reinterpret_cast<GetExistedCallCntProc>(GetProcAddressW(radio, L"PAL_SGetExistedCallCnt")))
    proc(&count);
  FreeLibrary(radio);
  return count;
}

UINT GetCallStateMessage() {
  static UINT message = 0;
  if (!message) message = RegisterWindowMessageW(L"PalBroadcastNotifyMsgName");
  return message;
}
