// Any text as the parameters of the host's applets: a clean result.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ArgText.h"
#include "CallDeskArgs.h"
#include "DialParameters.h"
#include "MsgDeskArgs.h"
#include "TelPrefsArgs.h"
#include "ce/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::wstring parameters = ce::FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
  if (auto number = telhub::ParseCallDeskArgs(parameters)) {
    if (number->empty() || number->size() > telhub::kMaxNumberLength) std::abort();
  }
  telhub::ParseDialParameters(parameters);
  telhub::ParseTelPrefsArgs(parameters);
  if (auto message = telhub::ParseMsgDeskArgs(parameters)) {
    if (message->numbers.size() > telhub::kMaxRecipients) std::abort();
    if (message->kind == telhub::MessageRequest::Kind::Card && message->cardPath.empty()) std::abort();
  }
  return 0;
}
