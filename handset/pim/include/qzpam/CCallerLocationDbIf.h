// CCallerLocationDbIf: where a number of the 86 plan is at home, from the
// offline caller-location data of libphonenumber.
#pragma once

#include "qzpam/qzu_string.h"

class CCallerLocationDbIf {
 public:
  // The process-wide instance (the data is built in, so always available).
  static CCallerLocationDbIf* GetCallerLocationDbIf();

  // The province and city of a region key: the first seven digits of a
  // mobile number (1380013), or an area code without its trunk prefix (10,
  // 21, 755). Texts in the user interface language: Chinese (0x0804) "广东"
  // and "深圳", otherwise English "Guangdong" and "Shenzhen"; a municipality
  // gives its name twice. False, with both texts untouched, for a key the
  // data does not place in a province.
  bool GetLocationInfo(int key, qzu::string& province, qzu::string& city);

  CCallerLocationDbIf(const CCallerLocationDbIf&) = delete;
  CCallerLocationDbIf& operator=(const CCallerLocationDbIf&) = delete;

 private:
  CCallerLocationDbIf() = default;
};
