#include "contactdata/quick/VcardFiles.h"

#include <unistd.h>

#include <atomic>
#include <string_view>

#include "ce/files.h"
#include "contactdata/VcardWriter.h"

namespace {

constexpr std::wstring_view kExtension = L".vcf";
constexpr std::wstring_view kUnsafe = L"\"*/:<>?\\|";
// Long enough for any name a person gives, short enough that the folder,
// the "_n" of a repeated name and the extension stay within MAX_PATH.
constexpr size_t kMaxNameChars = 200;
constexpr int kMaxRepeats = 100000;

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A name no other writer uses: this process's id and a count.
std::wstring TemporaryPath() {
  static std::atomic<unsigned> counter{0};
  return std::wstring(kVcardFolder) + L"~vcard" + std::to_wstring(getpid()) + L"_" + std::to_wstring(counter++) +
         L".tmp";
}

}  // namespace

std::wstring MakeFileSafeName(const wchar_t* text) {
  std::wstring safe;
  if (!text) return safe;
  for (const wchar_t* p = text; *p; ++p) {
    if (static_cast<unsigned long>(*p) < 0x20) continue;
    safe += kUnsafe.find(*p) != std::wstring_view::npos ? L'_' : *p;
  }
  return safe;
}

std::wstring MakeUniqueVcfPath(const std::wstring& path) {
  if (!std::wstring_view(path).ends_with(kExtension)) return std::wstring();
  if (!Exists(path)) return path;
  const std::wstring base = path.substr(0, path.size() - kExtension.size());
  for (int n = 1; n <= kMaxRepeats; ++n) {
    std::wstring candidate = base + L"_" + std::to_wstring(n) + std::wstring(kExtension);
    if (!Exists(candidate)) return candidate;
  }
  return std::wstring();
}

bool EnsureVcardFolder() {
  const DWORD attributes = GetFileAttributesW(kVcardFolder);
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  return CreateDirectoryW(kVcardFolder, nullptr) != FALSE;
}

std::wstring WriteContactVcard(CContactInfo& contact) {
  std::wstring name = MakeFileSafeName(contact.fileAs.c_str());
  if (name.size() > kMaxNameChars) name.resize(kMaxNameChars);
  const std::wstring temporary = TemporaryPath();
  if (!MakeVcard(contact, temporary.c_str())) return std::wstring();
  // Another writer may take the free name between the look and the rename:
  // the rename never replaces a file, so look again.
  const std::wstring wanted = std::wstring(kVcardFolder) + name + std::wstring(kExtension);
  for (int attempt = 0; attempt < 8; ++attempt) {
    const std::wstring path = MakeUniqueVcfPath(wanted);
    if (path.empty()) break;
    if (MoveFileW(temporary.c_str(), path.c_str())) return path;
    if (GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  DeleteFileW(temporary.c_str());
  return std::wstring();
}
