// `vornactl calls [--missed] [--number N]`: the call log as the call history
// window lists it (one row per number, its latest call, newest first), or
// every call of one number.
#include <climits>
#include <cstdio>
#include <vector>

#include "cmd_common.h"
#include "platform/PimContract.h"
#include "platform/ToolkitContract.h"

namespace {

using namespace vornactl;

const char* TypeName(int type) {
  static const char* const kNames[] = {"outgoing", "incoming", "missed", "rejected", "blocked"};
  return type >= 1 && type <= 5 ? kNames[type - 1] : "unknown";
}

std::string LocalTime(int seconds) {
  SYSTEMTIME t{};
  if (!UnixTimetoLocalSystemTime(seconds, t)) return "?";
  char text[64];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                t.wSecond);
  return text;
}

struct Printer {
  bool json;
  std::vector<std::string> items;
  int count = 0;

  void Row(const std::string& number, int time, int value, int type, const std::string& name, int contact) {
    ++count;
    const bool talked = type == 1 || type == 2;
    if (json) {
      JsonObject row;
      row.Text("number", number).Number("time", time).Text("type", TypeName(type)).Number(talked ? "seconds" : "rings", value);
      if (contact > 0) row.Text("name", name).Number("contact", contact);
      items.push_back(row.str());
    } else {
      std::printf("%s  %-8s  %6d %-7s  %s%s%s\n", LocalTime(time).c_str(), TypeName(type), value,
                  talked ? "s" : "rings", number.empty() ? "(hidden)" : number.c_str(), name.empty() ? "" : "  ",
                  name.c_str());
    }
  }
};

int RunCalls(const Invocation& inv) {
  ParsedArgs args;
  std::string error;
  if (!ParseArgs(inv.args, {"--missed"}, {"--number"}, args, error)) return UsageError(error);
  if (!args.positional.empty()) return UsageError("usage: calls [--missed] [--number N]");
  CContactsDbIf* db = OpenStore();
  if (!db) return kExitUsage;
  const bool missed = args.Has("--missed");
  Printer out{inv.json, {}};
  int time = 0, value = 0, type = 0, contact = 0;
  if (const std::string* given = args.Value("--number")) {
    std::wstring number;
    if (!ToWide(*given, number)) return UsageError("the number is not UTF-8");
    type = 3;
    if (missed) {
      for (bool first = true; db->GetCallHistoryByPNMissed(number.c_str(), INT_MAX, time, value, first); first = false)
        out.Row(*given, time, value, type, "", -1);
    } else {
      for (bool first = true; db->GetCallHistoryByPN(number.c_str(), INT_MAX, time, value, type, first); first = false)
        out.Row(*given, time, value, type, "", -1);
    }
  } else {
    qzu::string number, name;
    auto list = missed ? &CContactsDbIf::GetMissedCallHistory : &CContactsDbIf::GetCallHistory;
    for (bool first = true; (db->*list)(INT_MAX, number, time, value, type, name, contact, first); first = false)
      out.Row(ToUtf8(number.view()), time, value, type, ToUtf8(name.view()), contact);
  }
  if (inv.json) std::printf("%s\n", JsonArray(out.items).c_str());
  return out.count > 0 ? kExitOk : kExitNotFound;
}

VORNACTL_COMMAND({"calls", "calls [--missed] [--number N]", "the call log, or the calls of one number", RunCalls});

}  // namespace
