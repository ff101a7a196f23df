// "BtLinkCPL.dll" inside the host process: the CPlApplet entry point.
#include <cwchar>
#include <string>
#include <vector>

#include "BtSendWnd.h"
#include "btlink/BtLink.h"
#include "ce/journal.h"
#include "ce/modules.h"
#include "qzfc/WinApi.h"

namespace btlink {
namespace {

// A list longer than this is refused rather than shown: no handset sends
// thousands of cards at once, and a bad count must not run away.
constexpr DWORD kMaxFiles = 10000;
// A path longer than this is not a handset path.
constexpr size_t kMaxPathChars = 1024;

std::vector<std::wstring> ReadList(const BtLinkFileList* list) {
  std::vector<std::wstring> paths;
  if (!list || !list->paths || list->count == 0 || list->count > kMaxFiles) return paths;
  for (DWORD i = 0; i < list->count; ++i) {
    const wchar_t* path = list->paths[i];
    if (!path) continue;
    std::wstring text(path, wcsnlen(path, kMaxPathChars + 1));
    if (!text.empty() && text.size() <= kMaxPathChars) paths.push_back(std::move(text));
  }
  return paths;
}

LONG SendFiles(HWND owner, const BtLinkFileList* list) {
  std::vector<std::wstring> paths = ReadList(list);
  if (paths.empty()) return 0;
  for (const std::wstring& path : paths) ce::AppendLaunchJournal("launch", "applet", kBtLinkLibrary, path);
  BtSendWnd screen(paths);
  RECT area = QzGetWorkArea();
  if (screen.Create(area.left, area.top, area.right - area.left, area.bottom - area.top, owner, 0, WS_POPUP)) {
    screen.DoModal();
    screen.DestroyWindow();
  }
  return static_cast<LONG>(paths.size());
}

}  // namespace

void RegisterLibrary() {
  ce::RegisterInProcessLibrary(kBtLinkLibrary, {{"CPlApplet", reinterpret_cast<FARPROC>(&BtLinkCPlApplet)}});
}

void UnregisterLibrary() { ce::UnregisterInProcessLibrary(kBtLinkLibrary); }

}  // namespace btlink

LONG BtLinkCPlApplet(HWND owner, UINT message, LPARAM lParam1, LPARAM) {
  if (message != BTLINK_SEND_FILES) return 0;
  return btlink::SendFiles(owner, reinterpret_cast<const BtLinkFileList*>(lParam1));
}
