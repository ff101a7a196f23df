#include "core/launch/Launchers.h"

#include <algorithm>
#include <cwchar>
#include <string>

#include "ce/shell.h"

namespace {

// Separates the fields of a parameter string.
constexpr wchar_t kFieldSeparator = L'\u2593';
constexpr int kShowNormal = 5;

const wchar_t kInCallScreen[] = L"\\windows\\calldesk.exe";
const wchar_t kMessageComposer[] = L"\\windows\\msgdesk.exe";

void AppendField(std::wstring& params, const wchar_t* field) {
  params += kFieldSeparator;
  if (field) params += field;
}

}  // namespace

bool LaunchProgram(const wchar_t* path, const wchar_t* params) {
  SHELLEXECUTEINFO info{};
  info.cbSize = sizeof info;
  info.fMask = 0;
  info.hwnd = nullptr;
  info.lpVerb = L"open";
  info.lpFile = path;
  info.lpParameters = params;
  info.nShow = kShowNormal;
  return ShellExecuteEx(&info) != FALSE;
}

bool DialNumber(const wchar_t* number, int prefixLength) {
  if (!number) return false;
  const std::wstring_view dialled(number);
  if (dialled.empty() || dialled.back() != L'#') {
    // A prefix length beyond the number (or below zero) must not read past it.
    const size_t prefix = prefixLength <= 0 ? 0 : std::min<size_t>(static_cast<size_t>(prefixLength), dialled.size());
    const std::wstring_view rest = dialled.substr(prefix);
    LastDialledNumber = CQzStringW(rest.data(), static_cast<int>(rest.size()));
  }
  const std::wstring params = L"-n " + std::wstring(dialled);
  return LaunchProgram(kInCallScreen, params.c_str());
}

bool ComposeSms(const wchar_t* numbers, const wchar_t* body) {
  std::wstring params = L"-n ";
  if (numbers) params += numbers;
  if (body) AppendField(params, body);
  return LaunchProgram(kMessageComposer, params.c_str());
}

bool ComposeGroupSms(int groupId, const wchar_t* text) {
  std::wstring params = L"-b " + std::to_wstring(groupId);
  if (text) AppendField(params, text);
  return LaunchProgram(kMessageComposer, params.c_str());
}

bool ComposeMessageWithVcard(const wchar_t* name, const wchar_t* path) {
  std::wstring params = L"-v ";
  AppendField(params, nullptr);
  AppendField(params, name);
  AppendField(params, path);
  return LaunchProgram(kMessageComposer, params.c_str());
}
