// vornactl's readers of outside input: command-line words (options, numbers,
// call times) and the cards of .vcf files.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "cmd_call_time.h"
#include "cmd_common.h"
#include "cmd_import_split.h"
#include "platform/ToolkitContract.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 1 << 20) return 0;
  const std::string input(reinterpret_cast<const char*>(data), size);

  // Every card lies inside the file and runs from BEGIN to END.
  std::string storage;
  for (std::string_view card : vornactl::SplitVcards(input, storage)) {
    const std::string_view text = storage.empty() ? std::string_view(input) : std::string_view(storage);
    if (card.data() < text.data() || card.data() + card.size() > text.data() + text.size()) std::abort();
  }

  if (size > 4096) return 0;
  SYSTEMTIME time{};
  if (vornactl::ParseCallTime(input, time) && !IsValidSystemTime(time)) std::abort();
  long long number = 0;
  if (vornactl::ParseNumber(input, 1, INT32_MAX, number) && (number < 1 || number > INT32_MAX)) std::abort();

  // The input cut at spaces into command-line words.
  std::vector<std::string> words;
  for (size_t start = 0; start <= input.size();) {
    size_t end = input.find(' ', start);
    if (end == std::string::npos) end = input.size();
    words.push_back(input.substr(start, end - start));
    start = end + 1;
  }
  vornactl::ParsedArgs args;
  std::string error;
  if (!vornactl::ParseArgs(words, {"--email", "--text"}, {"--out", "--at"}, args, error) && error.empty()) std::abort();
  std::wstring wide;
  vornactl::ToWide(input, wide);
  return 0;
}
