#include "contactdata/TypeLabel.h"

#include <array>

namespace {

constexpr std::array<UINT, 5> kPhoneLabels = {614, 615, 616, 617, 625};  // mobile, home, work, fax, other
constexpr std::array<UINT, 3> kValueLabels = {618, 616, 625};            // personal, work, other
constexpr std::array<UINT, 3> kAddressLabels = {615, 616, 625};          // home, work, other

template <std::size_t N>
UINT LabelOf(const std::array<UINT, N>& labels, int typeCode) {
  if (typeCode < 0 || static_cast<std::size_t>(typeCode) >= N) return labels[0];
  return labels[static_cast<std::size_t>(typeCode)];
}

}  // namespace

UINT GetTypeLabelId(int valueKind, int typeCode) {
  switch (valueKind) {
    case VALUE_KIND_PHONE:
      return LabelOf(kPhoneLabels, typeCode);
    case VALUE_KIND_EMAIL:
    case VALUE_KIND_WEB_PAGE:
    case VALUE_KIND_MSN:
    case VALUE_KIND_QQ:
      return LabelOf(kValueLabels, typeCode);
    case VALUE_KIND_ADDRESS:
      return LabelOf(kAddressLabels, typeCode);
    default:
      return 0;
  }
}
