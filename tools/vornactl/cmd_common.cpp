#include "cmd_common.h"

#include <charconv>
#include <cstdio>

#include "ce/bstr.h"
#include "ce/device.h"
#include "ce/utf8.h"
#include "json.h"
#include "platform/PimContract.h"

namespace vornactl {

const std::string* ParsedArgs::Value(const std::string& option) const {
  auto found = options.find(option);
  return found == options.end() ? nullptr : &found->second;
}

bool ParseArgs(const std::vector<std::string>& args, std::initializer_list<std::string_view> flags,
               std::initializer_list<std::string_view> valued, ParsedArgs& out, std::string& error) {
  auto listed = [](std::initializer_list<std::string_view> names, const std::string& arg) {
    for (std::string_view name : names)
      if (arg == name) return true;
    return false;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() < 2 || arg[0] != '-' || arg == "--") {
      out.positional.push_back(arg);
      continue;
    }
    const bool flag = listed(flags, arg);
    if (!flag && !listed(valued, arg)) {
      error = "unknown option " + arg;
      return false;
    }
    if (out.Has(arg)) {
      error = arg + " given twice";
      return false;
    }
    if (flag) {
      out.options[arg] = "";
    } else if (i + 1 < args.size()) {
      out.options[arg] = args[++i];
    } else {
      error = arg + " needs a value";
      return false;
    }
  }
  return true;
}

bool ToWide(std::string_view utf8, std::wstring& wide) {
  if (utf8.find('\0') != std::string_view::npos) return false;
  bool valid = true;
  wide = ce::FromUtf8(utf8, &valid);
  return valid;
}

std::string ToUtf8(std::wstring_view wide) { return ce::ToUtf8(wide); }

std::string TakeSysString(wchar_t* text) {
  std::string utf8 = text ? ce::ToUtf8(text) : std::string();
  SysFreeString(text);
  return utf8;
}

bool ParseNumber(std::string_view text, long long min, long long max, long long& value) {
  long long parsed = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (error != std::errc() || end != text.data() + text.size() || text.empty() || parsed < min || parsed > max)
    return false;
  value = parsed;
  return true;
}

CContactsDbIf* OpenStore() {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) std::fprintf(stderr, "vornactl: the store under %s cannot be opened\n", ce::DeviceRoot().c_str());
  return db;
}

JsonObject& JsonObject::Key(std::string_view key) {
  if (body_.size() > 1) body_ += ',';
  body_ += JsonString(key);
  body_ += ':';
  return *this;
}

JsonObject& JsonObject::Text(std::string_view key, std::string_view utf8) {
  Key(key).body_ += JsonString(utf8);
  return *this;
}

JsonObject& JsonObject::Number(std::string_view key, long long value) {
  Key(key).body_ += std::to_string(value);
  return *this;
}

JsonObject& JsonObject::Bool(std::string_view key, bool value) {
  Key(key).body_ += value ? "true" : "false";
  return *this;
}

JsonObject& JsonObject::Raw(std::string_view key, std::string_view json) {
  Key(key).body_ += json;
  return *this;
}

std::string JsonArray(const std::vector<std::string>& items) {
  std::string out = "[";
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += ',';
    out += items[i];
  }
  return out + "]";
}

}  // namespace vornactl
