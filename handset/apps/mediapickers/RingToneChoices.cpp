#include "RingToneChoices.h"

#include <cwctype>

#include "MediaFolder.h"

namespace mediapickers {
namespace {

bool SamePath(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    wchar_t x = a[i] == L'/' ? L'\\' : a[i];
    wchar_t y = b[i] == L'/' ? L'\\' : b[i];
    if (std::towlower(static_cast<wint_t>(x)) != std::towlower(static_cast<wint_t>(y))) return false;
  }
  return true;
}

std::wstring BaseName(const std::wstring& path) {
  size_t slash = path.find_last_of(L"\\/");
  std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  size_t dot = name.find_last_of(L'.');
  return dot == std::wstring::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace

RingToneChoices::RingToneChoices(const std::wstring& userFolder, const std::wstring& systemFolder,
                                 const std::wstring& preselected) {
  choices_.push_back(RingToneChoice{});
  for (const auto& [folder, origin] : {std::pair{userFolder, RingToneChoice::Origin::User},
                                       std::pair{systemFolder, RingToneChoice::Origin::System}}) {
    for (const MediaFile& file : ListMediaFiles(folder, {L".wav"}))
      if (Find(file.cePath) < 0) choices_.push_back(RingToneChoice{origin, file.cePath, file.baseName});
  }
  if (preselected.empty()) return;
  marked_ = Find(preselected);
  if (marked_ < 0) {
    choices_.insert(choices_.begin() + 1,
                    RingToneChoice{RingToneChoice::Origin::Current, preselected, BaseName(preselected)});
    marked_ = 1;
  }
}

void RingToneChoices::Mark(int row) {
  if (row >= 0 && row < Count()) marked_ = row;
}

int RingToneChoices::Find(const std::wstring& cePath) const {
  if (cePath.empty()) return -1;
  for (int row = 0; row < Count(); ++row)
    if (SamePath(choices_[static_cast<size_t>(row)].cePath, cePath)) return row;
  return -1;
}

}  // namespace mediapickers
