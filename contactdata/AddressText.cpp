#include "contactdata/AddressText.h"

qzu::string ComposeAddress(const ContactAddressEntry& address) {
  qzu::string text = address.country;
  text += address.province;
  text += address.city;
  if (!text.empty() && !address.street.empty()) text += L"\r\n";
  text += address.street;
  if (!text.empty() && !address.postcode.empty()) text += L"\r\n";
  text += address.postcode;
  return text;
}
