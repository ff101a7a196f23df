#include "contactdata/CallRecording.h"

#include <cstdint>

#include "ce/window_registry.h"
#include "platform/PimContract.h"
#include "platform/ToolkitContract.h"

namespace {

constexpr UINT kContactsChangedMessage = WM_USER + 4;

}  // namespace

bool AddCallHistory(const wchar_t* number, SYSTEMTIME& time, int value, int type) {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) return false;
  // SystemTimetoUnixTime reads an impossible time as 0, which would file the
  // call under 1970; the store keeps 32-bit seconds.
  if (!IsValidSystemTime(time)) return false;
  const LONGLONG seconds = SystemTimetoUnixTime(time);
  if (seconds < INT32_MIN || seconds > INT32_MAX) return false;
  return db->InsertCall(number, static_cast<int>(seconds), value, type);
}

void NotifyContactDbChanged() {
  HWND host = FindWindowW(L"CTelhubWnd", nullptr);
  if (host) PostMessageW(host, kContactsChangedMessage, 0, 0);
}
