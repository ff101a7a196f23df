// MakeVcardContent: the plain-text card.
#include <string>

#include "ce/language.h"
#include "contactdata/GroupNames.h"
#include "contactdata/TypeLabel.h"
#include "contactdata/VcardWriter.h"
#include "core/module/Resources.h"

namespace {

constexpr UINT kNameLabel = 605;     // "姓名"
constexpr UINT kPhoneLabel = 606;    // "电话号码"
constexpr UINT kEmailLabel = 608;    // "邮件"
constexpr UINT kWebLabel = 609;      // "网址"
constexpr UINT kAddressLabel = 610;  // "地址"
constexpr UINT kCompanyLabel = 640;  // "公司"
constexpr UINT kQqLabel = 662;       // "QQ"
constexpr UINT kMsnLabel = 663;      // "MSN"
constexpr UINT kBirthdayLabel = 664; // "生日"
constexpr UINT kNoteLabel = 665;     // "备注"
constexpr UINT kGroupLabel = 691;    // "组别"
constexpr LANGID kEnglishUs = 0x0409;
constexpr int kPhoneOther = 4;

class TextCard {
 public:
  explicit TextCard(qzu::string& out) : out_(out) {}

  void Line(const std::wstring& label, std::wstring_view value) {
    std::wstring line = label;
    line += L":  ";
    line += value;
    line += L"\r\n";
    out_ += qzu::string(std::move(line));
  }
  void Line(UINT label, std::wstring_view value) { Line(LoadResString(label).str(), value); }

 private:
  qzu::string& out_;
};

// "手机电话号码"; in English the type label and "Phone number" get a space
// between them.
std::wstring PhoneLabel(int type) {
  if (type >= kPhoneOther) return LoadResString(kPhoneLabel).str();
  std::wstring label = LoadResString(GetTypeLabelId(VALUE_KIND_PHONE, type)).str();
  if (GetUserDefaultUILanguage() == kEnglishUs) label += L' ';
  return label + LoadResString(kPhoneLabel).str();
}

std::wstring AddressText(const ContactAddressEntry& a) {
  std::wstring text;
  for (const qzu::string* part : {&a.street, &a.city, &a.province, &a.country}) {
    text += part->view();
    text += L',';
  }
  text += a.postcode.view();
  return text;
}

}  // namespace

bool MakeVcardContent(CContactInfo& contact, qzu::string& text) {
  TextCard card(text);
  if (!contact.fileAs.empty()) card.Line(kNameLabel, contact.fileAs.view());
  if (!contact.company.empty()) card.Line(kCompanyLabel, contact.company.view());
  if (!contact.categories.empty()) card.Line(kGroupLabel, GetComboGroupName(contact.categories).view());
  for (const ContactValueEntry& phone : contact.phoneNumbers) card.Line(PhoneLabel(phone.type), phone.value.view());
  for (const ContactValueEntry& email : contact.emails) card.Line(kEmailLabel, email.value.view());
  for (const ContactValueEntry& page : contact.webPages) card.Line(kWebLabel, page.value.view());
  for (const ContactValueEntry& qq : contact.qqNumbers) card.Line(kQqLabel, qq.value.view());
  for (const ContactValueEntry& msn : contact.msnAccounts) card.Line(kMsnLabel, msn.value.view());
  for (const ContactAddressEntry& address : contact.addresses) card.Line(kAddressLabel, AddressText(address));
  if (!contact.note.empty()) card.Line(kNoteLabel, contact.note.view());
  if (!contact.birthday.empty()) card.Line(kBirthdayLabel, contact.birthday.view());
  return true;
}
