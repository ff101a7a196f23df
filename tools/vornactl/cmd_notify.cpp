// `vornactl notify`: tells a running phone host that contact data changed,
// as other programs do after changing the store.
#include <cstdio>

#include "ce/window_registry.h"
#include "cmd_common.h"
#include "contactdata/CallRecording.h"

namespace {

using namespace vornactl;

int RunNotify(const Invocation& inv) {
  ParsedArgs args;
  std::string error;
  if (!ParseArgs(inv.args, {}, {}, args, error)) return UsageError(error);
  if (!args.positional.empty()) return UsageError("notify takes no arguments");
  const bool running = FindWindowW(L"CTelhubWnd", nullptr) != nullptr;
  if (running) NotifyContactDbChanged();
  if (inv.json)
    std::printf("%s\n", JsonObject().Bool("notified", running).str().c_str());
  else
    std::printf("%s\n", running ? "notified the phone host" : "no phone host is running");
  return running ? kExitOk : kExitNotFound;
}

VORNACTL_COMMAND({"notify", "notify", "tell a running phone host that contact data changed", RunNotify});

}  // namespace
