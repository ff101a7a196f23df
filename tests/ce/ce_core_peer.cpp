// Second process for the registry and clipboard tests. Commands:
//   reg-set KEY NAME NUMBER      create HKCU\KEY and set NAME as a REG_DWORD
//   reg-check KEY NAME NUMBER    exit 0 if NAME holds NUMBER, 1 if another value, 2 if missing
//   reg-fill KEY PREFIX COUNT    set PREFIX0..PREFIX<COUNT-1> to their index
//   clip-set TEXT                put TEXT on the clipboard
//   clip-check TEXT              exit 0 if the clipboard holds TEXT, 1 if other text, 2 if none
//   clip-hold                    open the clipboard and keep it open until stdin closes
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ce/utf8.h"
#include "windows.h"

namespace {

std::wstring Wide(const char* text) { return ce::FromUtf8(text); }

HKEY CreateKey(const char* path) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, Wide(path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return nullptr;
  return key;
}

bool SetNumber(HKEY key, const std::wstring& name, DWORD number) {
  return RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number) ==
         ERROR_SUCCESS;
}

int RegCheck(const char* path, const char* name, DWORD expected) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, Wide(path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return 2;
  DWORD value = 0;
  DWORD size = sizeof value;
  LONG result = RegQueryValueExW(key, Wide(name).c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) return 2;
  return value == expected ? 0 : 1;
}

int ClipSet(const char* text) {
  std::wstring wide = Wide(text);
  if (!OpenClipboard(nullptr)) return 1;
  EmptyClipboard();
  HLOCAL block = LocalAlloc(LPTR, (wide.size() + 1) * sizeof(wchar_t));
  wcscpy(static_cast<wchar_t*>(block), wide.c_str());
  bool ok = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
  return CloseClipboard() && ok ? 0 : 1;
}

int ClipCheck(const char* text) {
  if (!OpenClipboard(nullptr)) return 3;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  int result = !data ? 2 : Wide(text) == static_cast<const wchar_t*>(data) ? 0 : 1;
  CloseClipboard();
  return result;
}

int ClipHold() {
  if (!OpenClipboard(nullptr)) return 1;
  std::puts("open");
  std::fflush(stdout);
  while (std::getchar() != EOF) {
  }
  CloseClipboard();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string command = argc > 1 ? argv[1] : "";
  if (command == "reg-set" && argc == 5) {
    HKEY key = CreateKey(argv[2]);
    bool ok = key && SetNumber(key, Wide(argv[3]), static_cast<DWORD>(std::strtoul(argv[4], nullptr, 10)));
    RegCloseKey(key);
    return ok ? 0 : 1;
  }
  if (command == "reg-check" && argc == 5) return RegCheck(argv[2], argv[3], static_cast<DWORD>(std::strtoul(argv[4], nullptr, 10)));
  if (command == "reg-fill" && argc == 5) {
    HKEY key = CreateKey(argv[2]);
    if (!key) return 1;
    unsigned long count = std::strtoul(argv[4], nullptr, 10);
    bool ok = true;
    for (DWORD i = 0; i < count && ok; ++i) ok = SetNumber(key, Wide(argv[3]) + std::to_wstring(i), i);
    RegCloseKey(key);
    return ok ? 0 : 1;
  }
  if (command == "clip-set" && argc == 3) return ClipSet(argv[2]);
  if (command == "clip-check" && argc == 3) return ClipCheck(argv[2]);
  if (command == "clip-hold" && argc == 2) return ClipHold();
  std::fprintf(stderr, "ce_core_peer: unknown command\n");
  return 64;
}
