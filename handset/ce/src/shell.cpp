#include "ce/shell.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <mutex>
#include <vector>

#include "ce/device.h"
#include "ce/files.h"
#include "ce/utf8.h"
#include "ce/wstring.h"

extern char** environ;

namespace {

struct Launcher {
  std::mutex mutex;
  std::map<std::wstring, ce::AppletHandler> applets;  // by folded CE path
  std::vector<pid_t> children;
};

Launcher& TheLauncher() {
  static Launcher* launcher = new Launcher;
  return *launcher;
}

// "\Windows\CallDesk.exe", "/windows/calldesk.exe" and "calldesk.exe" all
// name \windows\calldesk.exe.
std::wstring CanonicalProgram(std::wstring_view program) {
  std::wstring path(program);
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  if (path.find(L'\\') == std::wstring::npos) path = L"\\windows\\" + path;
  if (path.front() != L'\\') path = L"\\" + path;
  return path;
}

void ReapFinishedChildren(Launcher& launcher) {
  std::erase_if(launcher.children, [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
}

// Starts the executable without waiting for it; false with GetLastError set.
bool StartExecutable(const std::filesystem::path& file, const std::wstring& parameters) {
  std::string program = file.string();
  std::string argument = ce::ToUtf8(parameters);
  std::string root = "VORNA_ROOT=" + ce::DeviceRoot().string();
  std::vector<char*> env;
  for (char** var = environ; var && *var; ++var)
    if (std::string_view(*var).substr(0, 11) != "VORNA_ROOT=") env.push_back(*var);
  env.push_back(root.data());
  env.push_back(nullptr);
  char* argv[] = {program.data(), argument.data(), nullptr};

  Launcher& launcher = TheLauncher();
  std::lock_guard lock(launcher.mutex);
  ReapFinishedChildren(launcher);
  pid_t pid = 0;
  int error = ::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, env.data());
  if (error != 0) {
    SetLastError(error == ENOMEM ? ERROR_NOT_ENOUGH_MEMORY : ERROR_ACCESS_DENIED);
    return false;
  }
  launcher.children.push_back(pid);
  return true;
}

bool IsExecutableFile(const std::filesystem::path& file) {
  struct stat info {};
  return ::stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & 0111) != 0;
}

BOOL Finish(SHELLEXECUTEINFO* info, bool started, int failureCode) {
  info->hInstApp = reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(started ? 42 : failureCode));
  info->hProcess = nullptr;
  return started ? TRUE : FALSE;
}

}  // namespace

BOOL ShellExecuteEx(LPSHELLEXECUTEINFO info) {
  if (!info || info->cbSize != sizeof(SHELLEXECUTEINFO)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::wstring file = info->lpFile ? info->lpFile : L"";
  std::wstring parameters = info->lpParameters ? info->lpParameters : L"";
  if (file.empty()) {
    ce::AppendLaunchJournal("launch", "failed", file, parameters);
    SetLastError(ERROR_INVALID_PARAMETER);
    return Finish(info, false, SE_ERR_FNF);
  }
  std::wstring program = CanonicalProgram(file);

  ce::AppletHandler applet;
  {
    Launcher& launcher = TheLauncher();
    std::lock_guard lock(launcher.mutex);
    if (auto it = launcher.applets.find(ce::FoldCase(program)); it != launcher.applets.end())
      applet = it->second;
  }
  if (applet) {
    // Journaled first: the applet may run for a while, or launch others itself.
    ce::AppendLaunchJournal("launch", "applet", file, parameters);
    return Finish(info, applet(parameters), SE_ERR_FNF);
  }

  std::filesystem::path executable;
  if (!ce::ResolveCePath(program.c_str(), executable)) {
    ce::AppendLaunchJournal("launch", "failed", file, parameters);
    return Finish(info, false, SE_ERR_ACCESSDENIED);
  }
  if (!IsExecutableFile(executable)) {
    ce::AppendLaunchJournal("launch", "not-found", file, parameters);
    SetLastError(ERROR_FILE_NOT_FOUND);
    return Finish(info, false, SE_ERR_FNF);
  }
  bool started = StartExecutable(executable, parameters);
  ce::AppendLaunchJournal("launch", started ? "executable" : "failed", file, parameters);
  return Finish(info, started, SE_ERR_ACCESSDENIED);
}

namespace ce {

void RegisterApplet(const wchar_t* program, AppletHandler handler) {
  if (!program || !*program || !handler) return;
  Launcher& launcher = TheLauncher();
  std::lock_guard lock(launcher.mutex);
  launcher.applets[FoldCase(CanonicalProgram(program))] = std::move(handler);
}

void UnregisterApplet(const wchar_t* program) {
  if (!program || !*program) return;
  Launcher& launcher = TheLauncher();
  std::lock_guard lock(launcher.mutex);
  launcher.applets.erase(FoldCase(CanonicalProgram(program)));
}

}  // namespace ce
