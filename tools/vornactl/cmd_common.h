// What the contact and call commands share: reading their arguments,
// converting text between the terminal's UTF-8 and the library's wide
// strings, and printing rows for people or as JSON.
#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "command.h"

class CContactsDbIf;

namespace vornactl {

// The arguments of one command: positional words and --options. Options in
// `flags` stand alone; options in `valued` take the next word as value.
struct ParsedArgs {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;  // a flag maps to ""
  bool Has(const std::string& option) const { return options.count(option) > 0; }
  const std::string* Value(const std::string& option) const;
};

// False, with one line for the user in `error`, for an unknown option, a
// missing value or an option given twice.
bool ParseArgs(const std::vector<std::string>& args, std::initializer_list<std::string_view> flags,
               std::initializer_list<std::string_view> valued, ParsedArgs& out, std::string& error);

// UTF-8 from the command line as wide text; false for bytes that are not
// UTF-8 or hold a zero.
bool ToWide(std::string_view utf8, std::wstring& wide);
std::string ToUtf8(std::wstring_view wide);

// A system string handed out by the library as UTF-8; frees it.
std::string TakeSysString(wchar_t* text);

// A whole decimal number in [min, max]; false for anything else.
bool ParseNumber(std::string_view text, long long min, long long max, long long& value);

// The contacts store, or null after printing why it is not available.
CContactsDbIf* OpenStore();

// One JSON object built field by field: {"a":1,"b":"x"}.
class JsonObject {
 public:
  JsonObject& Text(std::string_view key, std::string_view utf8);
  JsonObject& Number(std::string_view key, long long value);
  JsonObject& Bool(std::string_view key, bool value);
  // A value that is JSON already (an array or object).
  JsonObject& Raw(std::string_view key, std::string_view json);
  std::string str() const { return body_ + "}"; }

 private:
  JsonObject& Key(std::string_view key);
  std::string body_ = "{";
};

// Objects joined into a JSON array.
std::string JsonArray(const std::vector<std::string>& items);

}  // namespace vornactl
