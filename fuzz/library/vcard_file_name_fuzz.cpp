// Any name as a contact's display name (names come from received cards):
// the card written for sending lands in the folder of sent cards under the
// device root, with a name that holds no separator or control character,
// and nothing else is left behind.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "ce/device.h"
#include "contactdata/quick/VcardFiles.h"

namespace fs = std::filesystem;

namespace {
fs::path g_root;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::string root = (fs::temp_directory_path() / "vorna-vcard-name-fuzz-XXXXXX").string();
  if (!mkdtemp(root.data())) std::abort();
  g_root = root;
  ce::SetDeviceRoot(g_root);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4000) return 0;
  // Wide text four bytes at a time, and the bytes widened one by one.
  std::wstring text;
  for (size_t i = 0; i + 4 <= size; i += 4)
    text += static_cast<wchar_t>(data[i] | data[i + 1] << 8 | data[i + 2] << 16 | (data[i + 3] & 0x7F) << 24);
  const std::wstring bytes(data, data + size);

  if (!EnsureVcardFolder()) std::abort();
  for (const std::wstring& name : {text, bytes}) {
    for (wchar_t c : MakeFileSafeName(name.c_str()))
      if (static_cast<unsigned long>(c) < 0x20 || std::wstring(L"\"*/:<>?\\|").find(c) != std::wstring::npos)
        std::abort();
    CContactInfo record;
    record.fileAs = qzu::string(name.c_str());
    const std::wstring path = WriteContactVcard(record);
    if (path.empty()) continue;
    const std::wstring folder = kVcardFolder;
    if (path.rfind(folder, 0) != 0 || path.find_first_of(L"\\/", folder.size()) != std::wstring::npos ||
        !path.ends_with(L".vcf"))
      std::abort();
  }
  // Only whole cards are in the folder: no temporary file stays.
  for (const auto& entry : fs::directory_iterator(g_root / "tmpvcard"))
    if (!entry.path().filename().string().ends_with(".vcf")) std::abort();
  fs::remove_all(g_root / "tmpvcard");
  return 0;
}
