#include <gtest/gtest.h>

#include "pim_test_print.h"
#include "qzpam/CContactInfo.h"

namespace {

TEST(ContactInfo, DisplayNameByScript) {
  struct Case {
    const wchar_t *last, *first, *company, *fileAs;
  };
  const Case cases[] = {
      {L"张", L"三", L"", L"张三"},          {L"欧阳", L"Lily", L"", L"欧阳Lily"}, {L"Smith", L"Ann", L"", L"Ann Smith"},
      {L"", L"Ann", L"Acme", L"Ann"},        {L"Smith", L"", L"", L"Smith"},      {L"", L"", L"Acme", L"Acme"},
      {L"", L"", L"", L""},                  {L"", L"13800138000", L"", L"13800138000"},
  };
  for (const Case& c : cases) {
    CContactInfo record;
    record.UpdateNameInfo(L"stale", L"stale", L"");
    record.UpdateNameInfo(c.last, c.first, c.company);
    EXPECT_EQ(record.fileAs, c.fileAs) << c.last << "/" << c.first;
  }
}

TEST(ContactInfo, OneNumberIsPrimaryBadIndexesChangeNothingAndAddressesKeepTheirParts) {
  CContactInfo c;
  EXPECT_EQ(c.GetPrimaryPhoneNumber(), -1);
  EXPECT_EQ(c.AddPhoneNumber(0, L"111", 0, 0), 0);
  EXPECT_EQ(c.AddPhoneNumber(0, L"222", 1, 1), 1);
  EXPECT_EQ(c.AddPhoneNumber(5, L"333", 4, 0), 2);
  EXPECT_EQ(c.GetPrimaryPhoneNumber(), 1);
  EXPECT_TRUE(c.SetPhoneNumberPrimary(2, 1));
  EXPECT_EQ(c.phoneNumbers[1].primary, 0);
  EXPECT_EQ(c.GetPrimaryPhoneNumber(), 2);
  EXPECT_TRUE(c.UpdatePhoneNumber(0, L"999", 3, 1));
  EXPECT_EQ(c.GetPrimaryPhoneNumber(), 0);
  EXPECT_EQ(c.phoneNumbers[2].primary, 0);
  EXPECT_TRUE(c.ErasePhoneNumber(0));
  EXPECT_EQ(c.GetPrimaryPhoneNumber(), -1);

  EXPECT_FALSE(c.UpdatePhoneNumber(5, L"x", 0, 1));
  EXPECT_FALSE(c.SetPhoneNumberPrimary(-1, 1));
  EXPECT_FALSE(c.SetPhoneNumberId(2, 1));
  EXPECT_FALSE(c.ErasePhoneNumber(2));
  EXPECT_FALSE(c.UpdateMSN(0, L"x", 0));
  EXPECT_FALSE(c.EraseWebPage(0));
  EXPECT_FALSE(c.UpdateAddress(0, L"", L"", L"", L"", L"", 0));
  EXPECT_EQ(c.phoneNumbers.size(), 2);

  // Address texts come city, country, postcode, province, street.
  EXPECT_EQ(c.AddAddress(9, L"深圳", L"中国", L"518000", L"广东", L"深南大道1号", 1), 0);
  const ContactAddressEntry& a = c.addresses[0];
  EXPECT_EQ(a.id, 9);
  EXPECT_EQ(a.street + L"|" + a.city + L"|" + a.province + L"|" + a.postcode + L"|" + a.country,
            L"深南大道1号|深圳|广东|518000|中国");
  EXPECT_EQ(a.type, 1);
}

TEST(ContactInfo, CopyIsDeepAndResetEmptiesEverything) {
  CContactInfo c;
  c.UpdateNameInfo(L"张", L"三", L"Acme");
  c.AddPhoneNumber(1, L"13800138000", 0, 1);
  c.AddToCategoris(L"家人");
  c.categoryIds.add(4);
  c.UpdateBirthday(L"19800102");
  c.UpdateRemark(L"note");
  c.UpdateRing(L"\\ring.mp3");
  c.contactId = 12;
  const unsigned char jpeg[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00};
  c.SetPhoto(jpeg, sizeof jpeg);

  CContactInfo copy;
  copy.AddEmail(0, L"old@x", 0);
  copy = c;
  EXPECT_TRUE(copy.emails.empty());
  ASSERT_NE(copy.photoData, nullptr);
  EXPECT_NE(copy.photoData.get(), c.photoData.get());
  EXPECT_EQ(copy.photoLength, 5);
  EXPECT_EQ(copy.photoData[3], 0xE0);
  copy.phoneNumbers[0].value = L"changed";
  EXPECT_EQ(c.phoneNumbers[0].value, L"13800138000");
  EXPECT_EQ(CContactInfo(c).fileAs, L"张三");

  // Replacing the photo with bytes of its own buffer keeps them.
  c.SetPhoto(c.photoData.get() + 1, 2);
  EXPECT_EQ(c.photoLength, 2);
  EXPECT_EQ(c.photoData[0], 0xD8);

  copy.RemoveAllCategoris();
  EXPECT_TRUE(copy.categories.empty() && copy.categoryIds.empty());
  c.DataReset();
  EXPECT_TRUE(c.fileAs.empty() && c.lastName.empty() && c.company.empty() && c.note.empty());
  EXPECT_TRUE(c.birthday.empty() && c.ringPath.empty());
  EXPECT_TRUE(c.phoneNumbers.empty() && c.categories.empty() && c.categoryIds.empty());
  EXPECT_EQ(c.contactId, 0);
  EXPECT_EQ(c.photoData, nullptr);
  EXPECT_EQ(c.photoLength, 0);
  EXPECT_EQ(copy.contactId, 12);
}

}  // namespace
