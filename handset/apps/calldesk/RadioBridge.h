// The radio layer as far as the phone's windows see it: the count of calls
// that exist, answered by PAL_SGetExistedCallCnt of the in-process library
// "RadioBridge.dll", and the registered message "PalBroadcastNotifyMsgName"
// (wParam 1: the call state changed), posted to every window that listens.
// The in-call screen is the only one that starts and ends calls here.
#pragma once

#include <vector>

#include "ce/types.h"

namespace telhub {

inline constexpr wchar_t kPalBroadcastMessageName[] = L"PalBroadcastNotifyMsgName";
inline constexpr WPARAM kCallStateChanged = 1;

class RadioBridge {
 public:
  static RadioBridge& Get();

  // Makes LoadLibraryW("RadioBridge.dll") find PAL_SGetExistedCallCnt in
  // this process.
  static void RegisterLibrary();

  // Windows that hear the broadcast (a window that is gone is skipped).
  void Listen(HWND window);
  void StopListening(HWND window);

  void CallStarted();
  void CallEnded();
  int ExistingCalls() const { return calls_; }

 private:
  RadioBridge() = default;
  void Broadcast();

  int calls_ = 0;
  std::vector<HWND> listeners_;
};

}  // namespace telhub

// The library's entry point: writes the number of existing calls (0 = none)
// and returns 1; 0 for a null pointer.
extern "C" int PAL_SGetExistedCallCnt(int* count);
