#include "MediaFolder.h"

#include <algorithm>
#include <cwctype>
#include <exception>
#include <system_error>

#include "ce/files.h"

namespace mediapickers {
namespace {

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  return text;
}

}  // namespace

std::vector<MediaFile> ListMediaFiles(std::wstring_view ceFolder, std::initializer_list<std::wstring_view> extensions) {
  std::vector<MediaFile> found;
  std::filesystem::path folder;
  if (ceFolder.empty() || !ce::ResolveCePath(ceFolder, folder)) return found;
  std::wstring prefix(ceFolder);
  if (prefix.back() != L'\\') prefix += L'\\';
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    try {
      const std::wstring extension = Lower(it->path().extension().wstring());
      if (std::find(extensions.begin(), extensions.end(), extension) == extensions.end()) continue;
      const std::wstring name = it->path().filename().wstring();
      found.push_back(MediaFile{prefix + name, it->path(), it->path().stem().wstring()});
    } catch (const std::exception&) {
      // A name that is not UTF-8 has no CE path: leave it out.
    }
  }
  std::sort(found.begin(), found.end(), [](const MediaFile& a, const MediaFile& b) {
    return Lower(a.baseName) < Lower(b.baseName);
  });
  return found;
}

}  // namespace mediapickers
