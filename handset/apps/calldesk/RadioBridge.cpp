#include "RadioBridge.h"

#include <algorithm>

#include "ce/modules.h"
#include "ce/window_registry.h"

namespace telhub {

RadioBridge& RadioBridge::Get() {
  static RadioBridge bridge;
  return bridge;
}

void RadioBridge::RegisterLibrary() {
  ce::RegisterInProcessLibrary(
      L"RadioBridge.dll",
      {{"PAL_SGetExistedCallCnt", reinterpret_cast<FARPROC>(&PAL_SGetExistedCallCnt)}});
}

void RadioBridge::Listen(HWND window) {
  if (window && std::find(listeners_.begin(), listeners_.end(), window) == listeners_.end())
    listeners_.push_back(window);
}

void RadioBridge::StopListening(HWND window) { std::erase(listeners_, window); }

void RadioBridge::CallStarted() {
  ++calls_;
  Broadcast();
}

void RadioBridge::CallEnded() {
  if (calls_ > 0) --calls_;
  Broadcast();
}

void RadioBridge::Broadcast() {
  UINT message = RegisterWindowMessageW(kPalBroadcastMessageName);
  std::erase_if(listeners_, [](HWND window) { return !IsWindow(window); });
  for (HWND window : listeners_) PostMessageW(window, message, kCallStateChanged, 0);
}

}  // namespace telhub

extern "C" int PAL_SGetExistedCallCnt(int* count) {
  if (!count) return 0;
  *count = telhub::RadioBridge::Get().ExistingCalls();
  return 1;
}
