// Builds a contact record from the properties of one vCard, as they come.
#pragma once

#include <string_view>

#include "qzpam/CContactInfo.h"
#include "vcard/vcard_charset.h"
#include "vcard/vcard_property.h"
#include "vcard/vcard_values.h"

namespace qzpam::vcard {

class CardBuilder {
 public:
  explicit CardBuilder(bool utf8_allowed) : text_(utf8_allowed) {}

  // vCard 2.1 escapes less and unfolds differently from 3.0 and 4.0.
  void SetVersion(std::string_view version);
  bool FoldKeepsWhitespace() const { return escapes_ == Escapes::kVersion21; }

  void Apply(const Property& p);
  // Fills in what depends on the whole card and hands the record over.
  void Finish(CContactInfo& contact);

 private:
  qzu::string Text(const Property& p);
  qzu::string SingleValue(const Property& p);
  void AddName(const Property& p);
  void AddCompany(const Property& p);
  void AddValue(const Property& p, qzu::array<ContactValueEntry>& entries,
                bool (CContactInfo::*add)(int, const qzu::string&, int));
  void AddPhone(const Property& p);
  void AddAddress(const Property& p);
  void AddCategories(const Property& p);
  void AddPhoto(const Property& p);

  TextDecoder text_;
  Escapes escapes_ = Escapes::kVersion21;
  CContactInfo card_;
  qzu::string formatted_name_;
  bool has_name_ = false;
  int preferred_phone_ = -1;
};

}  // namespace qzpam::vcard
