#include "qzfc/QzUtil.h"

namespace {

struct NamedPath {
  const wchar_t* name;
  const wchar_t* path;
};

const NamedPath kNamedPaths[] = {
    {L"UserRingPath", L"\\My Documents\\My Ringtones"},
    {L"SettingRingPath", L"\\Windows\\Rings"},
};

}  // namespace

UINT GetDefaultAcp() { return 936; }

BOOL QzGetPath(LPCWSTR name, CQzStringW& path) {
  if (!name) return FALSE;
  CQzStringW wanted(name);
  for (const NamedPath& entry : kNamedPaths) {
    if (wanted.CompareNoCase(entry.name) == 0) {
      path = entry.path;
      return TRUE;
    }
  }
  return FALSE;
}
