#include "TelPrefsApplet.h"

#include <memory>

#include "AppletScreen.h"
#include "TelPrefsArgs.h"
#include "TelPrefsWnd.h"
#include "ce/shell.h"

namespace telhub {
namespace {

AppletScreen<TelPrefsWnd> g_prefs;

void ClosePrefs() { g_prefs.Close(); }

}  // namespace

bool OpenTelPrefs(const std::wstring& parameters) {
  if (!ParseTelPrefsArgs(parameters)) return false;
  if (TelPrefsWnd* open = g_prefs.Get()) {
    open->Show(TRUE);
    return true;
  }
  return g_prefs.Open(std::make_unique<TelPrefsWnd>(&ClosePrefs));
}

void RegisterTelPrefsApplet() { ce::RegisterApplet(kTelPrefsProgram, &OpenTelPrefs); }

void UnregisterTelPrefsApplet() {
  ce::UnregisterApplet(kTelPrefsProgram);
  g_prefs.Discard();
}

}  // namespace telhub
