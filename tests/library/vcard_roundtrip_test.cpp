// Every card the writer makes reads back through the data library's decoder
// to the same fields: a property test over generated contacts.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "contactdata/GroupNames.h"
#include "contactdata/VcardBuilder.h"
#include "contactdata/VcardWriter.h"
#include "platform/PimContract.h"

namespace {

class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  int Below(int n) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>((state_ >> 33) % static_cast<uint64_t>(n));
  }
  template <typename T, std::size_t N>
  const T& Pick(const T (&items)[N]) {
    return items[Below(static_cast<int>(N))];
  }

 private:
  uint64_t state_;
};

// Pieces of values: Chinese (郑 and 刘 are GBK bytes that also read as
// UTF-8), Latin with accents, and the characters that vCard lines treat
// specially. No piece puts a blank at either end of a value, a backslash
// before a separator or a comma in a group name: the decoder trims the
// first, and vCard 2.1 has no escape for the other two.
const wchar_t* const kChinese[] = {L"张", L"郑", L"刘", L"欧阳", L"晓明", L"丽", L"曾", L"单", L"騰訊", L"国际"};
const wchar_t* const kLatin[] = {L"Ann", L"O'Neil", L"Zoë", L"José", L"a;b", L"c,d", L"x:y", L"q=1", L"a\\b", L"Ünal"};

std::wstring Words(Random& r, int most) {
  std::wstring text;
  const int count = 1 + r.Below(most);
  for (int i = 0; i < count; ++i) {
    if (i > 0 && r.Below(2)) text += L' ';
    text += r.Below(2) ? r.Pick(kChinese) : r.Pick(kLatin);
  }
  return text;
}

std::wstring MaybeWords(Random& r, int most) { return r.Below(4) == 0 ? std::wstring() : Words(r, most); }

std::wstring Digits(Random& r, int length) {
  std::wstring text = r.Below(5) == 0 ? L"+86" : L"1";
  while (static_cast<int>(text.size()) < length) text += static_cast<wchar_t>(L'0' + r.Below(10));
  if (r.Below(6) == 0) text += L";ext,2";
  return text;
}

// Notes of every length around the 24-byte chunks, with line breaks.
std::wstring Note(Random& r) {
  std::wstring note;
  const int length = r.Below(60);
  for (int i = 0; i < length; ++i) {
    const int kind = r.Below(10);
    note += kind < 4 ? L"中文字"[r.Below(3)] : kind == 4 ? L'\n' : kind == 5 ? L';' : static_cast<wchar_t>(L'a' + r.Below(26));
  }
  if (!note.empty() && note.back() == L' ') note.pop_back();
  return note;
}

CContactInfo Generate(Random& r, int index) {
  CContactInfo c;
  c.UpdateNameInfo(MaybeWords(r, 2).c_str(), MaybeWords(r, 3).c_str(), MaybeWords(r, 3).c_str());
  if (r.Below(3) == 0) c.AddToCategoris(L"_$!<Blacklist>!$_");
  if (r.Below(2) == 0) c.AddToCategoris(L"同事");
  if (r.Below(4) == 0) c.AddToCategoris(L"a;b");
  const int phones = r.Below(4);
  const int primary = r.Below(4);
  for (int i = 0; i < phones; ++i) c.AddPhoneNumber(0, Digits(r, 8 + r.Below(8)).c_str(), r.Below(7) - 1, i == primary);
  // A stored contact with numbers has a primary one; readers make it the first.
  if (phones > 0 && c.GetPrimaryPhoneNumber() < 0) c.SetPhoneNumberPrimary(0, 1);
  for (auto add : {&CContactInfo::AddEmail, &CContactInfo::AddWebPage, &CContactInfo::AddQQ, &CContactInfo::AddMSN})
    if (r.Below(2)) (c.*add)(0, (Words(r, 2) + L"@x.cn").c_str(), r.Below(5) - 1);
  if (r.Below(2)) {
    c.AddAddress(0, MaybeWords(r, 2).c_str(), MaybeWords(r, 1).c_str(), L"518000", MaybeWords(r, 2).c_str(),
                 Words(r, 3).c_str(), r.Below(4));
  }
  if (r.Below(2)) c.UpdateBirthday(L"19900517");
  c.UpdateRemark(Note(r).c_str());
  if (r.Below(3) == 0) c.UpdateRing((L"\\Rings\\" + Words(r, 2) + L".wav").c_str());
  static const int kPhotoSizes[] = {0, 1, 47, 48, 49, 100000};
  const int photo = kPhotoSizes[index % 6];
  std::vector<unsigned char> bytes(static_cast<std::size_t>(photo));
  for (unsigned char& b : bytes) b = static_cast<unsigned char>(r.Below(256));
  c.SetPhoto(bytes.data(), photo);
  return c;
}

std::wstring Values(const qzu::array<ContactValueEntry>& entries, int lastType) {
  std::wstring text;
  for (const ContactValueEntry& e : entries) {
    const int type = e.type < 0 || e.type > lastType ? lastType : e.type;
    text += std::wstring(e.value.view()) + L"/" + std::to_wstring(type) + L"/" + std::to_wstring(e.primary) + L"|";
  }
  return text;
}

// The fields a card carries, in one comparable text. Groups are compared by
// their stored names: the card holds display names.
std::wstring Fields(const CContactInfo& c, bool decoded) {
  std::wstring text = std::wstring(c.lastName.view()) + L"|" + std::wstring(c.firstName.view()) + L"|" +
                      std::wstring(c.fileAs.view()) + L"|" + std::wstring(c.company.view()) + L"|" +
                      std::wstring(c.birthday.view()) + L"|" + std::wstring(c.note.view()) + L"|" +
                      std::wstring(c.ringPath.view()) + L"|\n";
  for (const qzu::string& group : c.categories)
    text += std::wstring((decoded ? GetGroupStoreName(group) : group).view()) + L"|";
  text += L"\n" + Values(c.phoneNumbers, 4) + L"\n" + Values(c.emails, 2) + Values(c.webPages, 2) +
          Values(c.qqNumbers, 2) + Values(c.msnAccounts, 2) + L"\n";
  for (const ContactAddressEntry& a : c.addresses) {
    for (const qzu::string* part : {&a.street, &a.city, &a.province, &a.postcode, &a.country})
      text += std::wstring(part->view()) + L"/";
    text += std::to_wstring(a.type < 0 || a.type > 2 ? 2 : a.type) + L"|";
  }
  text += L"\nphoto " + std::to_wstring(c.photoLength) + L" ";
  for (int i = 0; i < c.photoLength; ++i) text += static_cast<wchar_t>(c.photoData[static_cast<std::size_t>(i)]);
  return text;
}

// Backups in either version carry the ring tone too.
TEST(VcardRoundTrip, GeneratedContactsReadBackToTheSameFields) {
  const CVcardCodec codec;
  for (const VcardVersion version : {VcardVersion::V21, VcardVersion::V30}) {
    Random random(20261206);
    for (int i = 0; i < 300; ++i) {
      CContactInfo contact = Generate(random, i);
      std::string card;
      VcardBuilder::Build(contact, {version, true}, card);
      CContactInfo decoded;
      ASSERT_TRUE(codec.DecodeVcfBytes(card.data(), card.size(), decoded)) << "contact " << i;
      ASSERT_EQ(Fields(decoded, true), Fields(contact, false)) << "contact " << i << "\n" << card;
    }
  }
}

}  // namespace
