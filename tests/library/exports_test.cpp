// The shared library exports the names other programs use, and nothing else.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

// Every name the library may export: its window classes (with their records
// and enumerations) and its free functions.
const std::set<std::string> kExportable = {
    "CCallHistoryWnd", "CContactWnd", "CContactInfoWnd", "CContactValueSelectWnd", "ContactValueInfo",
    "CONTACT_VALUE_SELECT_TYPE", "PhoneDialWnd",
    "GetGroupDisplayName", "GetGroupStoreName", "GetComboGroupName",
    "GetMatchPNInfo", "IsSmsBlocked", "GetMatchEmailInfo", "GetFilterPNItems", "GetFilterEmailItems",
    "MakeVcard", "MakeVcardContent", "GetPNRegionInfo",
    "FastNewContact", "FastEditContact", "FastAddItem2Contact", "FastSendContactInfo", "FastGetContactVcf",
    "AddCallHistory", "NotifyContactDbChanged", "FastProcessVcf", "FastProcessVcfContent",
};

// The exportable names built so far; each must really be exported.
const std::set<std::string> kBuilt = {
    "GetGroupDisplayName", "GetGroupStoreName", "GetComboGroupName",
    "GetMatchPNInfo", "IsSmsBlocked", "GetMatchEmailInfo", "GetFilterPNItems", "GetFilterEmailItems",
    "MakeVcard", "MakeVcardContent", "GetPNRegionInfo", "AddCallHistory", "NotifyContactDbChanged",
    "PhoneDialWnd", "FastNewContact", "FastEditContact", "FastAddItem2Contact", "CContactValueSelectWnd",
    "ContactValueInfo", "FastSendContactInfo", "FastGetContactVcf", "CCallHistoryWnd",
};

// "vtable for CContactWnd", "CContactWnd::Create(...)", "MakeVcard(...)" and
// "CContactWnd::ClassName" all give the name they belong to.
std::string OwningName(std::string symbol) {
  for (const char* prefix : {"vtable for ", "typeinfo for ", "typeinfo name for ", "VTT for "}) {
    if (symbol.rfind(prefix, 0) == 0) symbol.erase(0, std::char_traits<char>::length(prefix));
  }
  size_t end = symbol.find_first_of("(:<");
  return symbol.substr(0, end);
}

std::set<std::string> ExportedSymbols() {
  std::set<std::string> symbols;
  std::string command = std::string("nm -D -C --defined-only ") + VORNALIB_SO;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return symbols;
  char line[4096];
  while (fgets(line, sizeof line, pipe)) {
    std::string text(line);
    if (!text.empty() && text.back() == '\n') text.pop_back();
    // "<address> <kind> <name>"
    size_t first = text.find(' ');
    size_t second = first == std::string::npos ? first : text.find(' ', first + 1);
    if (second == std::string::npos) continue;
    symbols.insert(text.substr(second + 1));
  }
  EXPECT_EQ(pclose(pipe), 0) << command;
  return symbols;
}

TEST(LibraryExports, OnlyTheLibrarysOwnNamesAreExported) {
  const std::set<std::string> linkerSymbols = {"_init", "_fini", "__bss_start", "_edata", "_end"};
  std::set<std::string> seen;
  for (const std::string& symbol : ExportedSymbols()) {
    if (linkerSymbols.count(symbol)) continue;
    std::string name = OwningName(symbol);
    EXPECT_TRUE(kExportable.count(name)) << "exported but not part of the library's interface: " << symbol;
    seen.insert(name);
  }
  for (const std::string& name : kBuilt) EXPECT_TRUE(seen.count(name)) << "built but not exported: " << name;
}

}  // namespace
