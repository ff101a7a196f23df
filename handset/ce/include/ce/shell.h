// Launching programs. ShellExecuteEx hands the program to an applet that
// this process registered for its CE path (the host registers the in-call
// screen, the composer, the settings); otherwise it starts the executable
// the CE path names under the device root, if there is one. Every launch,
// started or not, is written to the launch journal (ce/journal.h).
//
// Programs are matched by CE path without regard to case; a bare file name
// ("calldesk.exe") means the one in \windows. A started executable gets the
// parameter string as its single argument (UTF-8) and VORNA_ROOT set to this
// process's device root; ShellExecuteEx does not wait for it.
#pragma once

#include <functional>
#include <string>

#include "ce/journal.h"
#include "ce/lasterror.h"
#include "ce/types.h"

typedef struct _SHELLEXECUTEINFO {
  DWORD cbSize;
  ULONG fMask;
  HWND hwnd;
  LPCWSTR lpVerb;
  LPCWSTR lpFile;
  LPCWSTR lpParameters;
  LPCWSTR lpDirectory;
  int nShow;
  HINSTANCE hInstApp;  // out: greater than 32 on success, else an SE_ERR_ code
  // Optional fields
  LPVOID lpIDList;
  LPCWSTR lpClass;
  HKEY hkeyClass;
  DWORD dwHotKey;
  HANDLE hIcon;
  HANDLE hProcess;  // out: always null here (no process handles)
} SHELLEXECUTEINFO, *LPSHELLEXECUTEINFO;

#define SEE_MASK_NOCLOSEPROCESS 0x00000040
#define SEE_MASK_FLAG_NO_UI 0x00000400

#define SE_ERR_FNF 2
#define SE_ERR_ACCESSDENIED 5
#define SE_ERR_OOM 8

// TRUE when an applet took the launch or the executable was started.
// FALSE: ERROR_INVALID_PARAMETER (null info, wrong cbSize, no file),
// ERROR_FILE_NOT_FOUND (neither applet nor executable), or the error of a
// refused path or a failed start.
BOOL ShellExecuteEx(LPSHELLEXECUTEINFO info);

namespace ce {

// Receives the parameter string (empty when none was given); returns whether
// the program started.
using AppletHandler = std::function<bool(const std::wstring& parameters)>;

// Makes `program` (a CE path such as L"\\windows\\calldesk.exe") start by
// calling `handler` in this process. Replaces an earlier registration.
void RegisterApplet(const wchar_t* program, AppletHandler handler);
void UnregisterApplet(const wchar_t* program);

}  // namespace ce
