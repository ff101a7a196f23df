// Any bytes, as a file's contents and as pasted text, must decode or be
// refused without a crash, a hang or unbounded memory.
#include <cstddef>
#include <cstdint>
#include <string>

#include "qzpam/CVcardCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const CVcardCodec codec;
  CContactInfo contact;
  codec.DecodeVcfBytes(reinterpret_cast<const char*>(data), size, contact);

  // The same bytes widened one by one stand for text pasted into a message.
  std::wstring text(data, data + size);
  CContactInfo from_text;
  codec.DecodeVcfBuf(qzu::string(std::wstring_view(text)), from_text);
  return 0;
}
