// Any bytes read as a mail log: never a crash, every recipient and
// attachment well-formed text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ce/utf8.h"
#include "mailcomposer/MailLog.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const auto& mail : mailcomposer::ParseMailLog(text)) {
    for (const auto* texts : {&mail.recipients, &mail.attachments}) {
      for (const auto& text : *texts) {
        for (wchar_t c : text) {
          if (!ce::IsScalarValue(static_cast<char32_t>(c))) std::abort();
        }
      }
    }
  }
  return 0;
}
