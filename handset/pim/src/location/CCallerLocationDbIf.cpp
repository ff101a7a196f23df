#include "qzpam/CCallerLocationDbIf.h"

#include "ce/language.h"
#include "location/RegionLookup.h"

using namespace qzpam;

CCallerLocationDbIf* CCallerLocationDbIf::GetCallerLocationDbIf() {
  static CCallerLocationDbIf* const instance = new CCallerLocationDbIf();
  return instance;
}

bool CCallerLocationDbIf::GetLocationInfo(int key, qzu::string& province, qzu::string& city) {
  RegionLanguage language = GetUserDefaultUILanguage() == 0x0804 ? RegionLanguage::Chinese : RegionLanguage::English;
  RegionNames names;
  if (!RegionLookup::Find(key, language, &names)) return false;
  province.assign(names.province.data(), names.province.size());
  city.assign(names.city.data(), names.city.size());
  return true;
}
