#include "TelPrefsApplet.h"

#include <memory>

#include "TelPrefsArgs.h"
#include "TelPrefsWnd.h"
#include "ce/shell.h"
#include "qzfc/MessageLoop.h"
#include "qzfc/WinApi.h"

namespace telhub {
namespace {

std::unique_ptr<TelPrefsWnd> g_prefs;

void ClosePrefs() {
  if (!g_prefs) return;
  QzCloseSip();
  g_prefs->Show(FALSE);
  TelPrefsWnd* closing = g_prefs.release();
  qzfc::MessageLoop::Get().StartCallback(0, [closing] { delete closing; });
}

}  // namespace

bool OpenTelPrefs(const std::wstring& parameters) {
  if (!ParseTelPrefsArgs(parameters)) return false;
  if (g_prefs) {
    g_prefs->Show(TRUE);
    return true;
  }
  auto prefs = std::make_unique<TelPrefsWnd>(&ClosePrefs);
  RECT area = QzGetWorkArea();
  if (!prefs->Create(area.left, area.top, area.right - area.left, area.bottom - area.top, nullptr, 0)) return false;
  g_prefs = std::move(prefs);
  g_prefs->Show(TRUE);
  return true;
}

void RegisterTelPrefsApplet() { ce::RegisterApplet(kTelPrefsProgram, &OpenTelPrefs); }

void UnregisterTelPrefsApplet() {
  ce::UnregisterApplet(kTelPrefsProgram);
  g_prefs.reset();
}

}  // namespace telhub
