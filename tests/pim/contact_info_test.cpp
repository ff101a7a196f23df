#include <gtest/gtest.h>

#include "pim_test_print.h"
#include "qzpam/CContactInfo.h"

namespace {

qzu::string FileAsOf(const wchar_t* last, const wchar_t* first, const wchar_t* company) {
  CContactInfo c;
  c.lastName = last;
  c.firstName = first;
  c.company = company;
  c.FormatFileAs();
  return c.fileAs;
}

TEST(ContactInfo, FormatFileAsByScript) {
  EXPECT_EQ(FileAsOf(L"张", L"三", L""), L"张三");
  EXPECT_EQ(FileAsOf(L"欧阳", L"Lily", L""), L"欧阳Lily");
  EXPECT_EQ(FileAsOf(L"Smith", L"Ann", L""), L"Ann Smith");
  EXPECT_EQ(FileAsOf(L"", L"Ann", L"Acme"), L"Ann");
  EXPECT_EQ(FileAsOf(L"Smith", L"", L""), L"Smith");
  EXPECT_EQ(FileAsOf(L"", L"", L"Acme"), L"Acme");
  EXPECT_EQ(FileAsOf(L"", L"", L""), L"");
}

TEST(ContactInfo, UpdateNameInfoRebuildsTheDisplayName) {
  CContactInfo c;
  c.UpdateNameInfo(L"", L"13800138000", L"");
  EXPECT_EQ(c.fileAs, L"13800138000");
  c.UpdateNameInfo(L"李", L"四", L"Acme");
  EXPECT_EQ(c.fileAs, L"李四");
  EXPECT_EQ(c.company, L"Acme");
}

TEST(ContactInfo, PhoneNumbersIndicesAndPrimary) {
  CContactInfo c;
  EXPECT_EQ(c.GetPrimaryPhoneNumber(), -1);
  EXPECT_EQ(c.AddPhoneNumber(0, L"111", 0, 0), 0);
  EXPECT_EQ(c.AddPhoneNumber(0, L"222", 1, 1), 1);
  EXPECT_EQ(c.AddPhoneNumber(5, L"333", 4, 0), 2);
  EXPECT_EQ(c.GetPrimaryPhoneNumber(), 1);

  // Only one number is primary at a time.
  EXPECT_TRUE(c.SetPhoneNumberPrimary(2, 1));
  EXPECT_EQ(c.phoneNumbers[1].primary, 0);
  EXPECT_EQ(c.GetPrimaryPhoneNumber(), 2);

  EXPECT_TRUE(c.UpdatePhoneNumber(0, L"999", 3, 0));
  EXPECT_EQ(c.phoneNumbers[0].value, L"999");
  EXPECT_EQ(c.phoneNumbers[0].type, 3);
  EXPECT_TRUE(c.SetPhoneNumberId(0, 77));
  EXPECT_EQ(c.phoneNumbers[0].id, 77);

  EXPECT_TRUE(c.ErasePhoneNumber(2));
  EXPECT_EQ(c.GetPrimaryPhoneNumber(), -1);

  // Bad indexes change nothing.
  EXPECT_FALSE(c.UpdatePhoneNumber(5, L"x", 0, 1));
  EXPECT_FALSE(c.SetPhoneNumberPrimary(-1, 1));
  EXPECT_FALSE(c.SetPhoneNumberId(2, 1));
  EXPECT_FALSE(c.ErasePhoneNumber(2));
  EXPECT_EQ(c.phoneNumbers.size(), 2);
}

TEST(ContactInfo, ValuesAndAddresses) {
  CContactInfo c;
  EXPECT_TRUE(c.AddEmail(3, L"a@b.cn", 1));
  EXPECT_TRUE(c.AddWebPage(0, L"http://x", 0));
  EXPECT_TRUE(c.AddQQ(0, L"10001", 2));
  EXPECT_TRUE(c.AddMSN(0, L"m@live.cn", 0));
  EXPECT_EQ(c.emails[0].id, 3);
  EXPECT_TRUE(c.UpdateQQ(0, L"10002", 0));
  EXPECT_EQ(c.qqNumbers[0].value, L"10002");
  EXPECT_FALSE(c.UpdateMSN(1, L"x", 0));
  EXPECT_TRUE(c.EraseWebPage(0));
  EXPECT_FALSE(c.EraseWebPage(0));

  EXPECT_EQ(c.AddAddress(9, L"深圳", L"中国", L"518000", L"广东", L"深南大道1号", 1), 0);
  EXPECT_EQ(c.AddAddress(0, L"City", L"", L"", L"", L"", 0), 1);
  const ContactAddressEntry& a = c.addresses[0];
  EXPECT_EQ(a.id, 9);
  EXPECT_EQ(a.city, L"深圳");
  EXPECT_EQ(a.country, L"中国");
  EXPECT_EQ(a.postcode, L"518000");
  EXPECT_EQ(a.province, L"广东");
  EXPECT_EQ(a.street, L"深南大道1号");
  EXPECT_EQ(a.type, 1);
  EXPECT_TRUE(c.UpdateAddress(1, L"C", L"N", L"P", L"S", L"R", 2));
  EXPECT_EQ(c.addresses[1].street, L"R");
  EXPECT_FALSE(c.UpdateAddress(2, L"", L"", L"", L"", L"", 0));
  EXPECT_TRUE(c.EraseAddress(0));
  EXPECT_EQ(c.addresses[0].city, L"C");
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

  c.DataReset();
  EXPECT_TRUE(c.fileAs.empty() && c.lastName.empty() && c.company.empty() && c.note.empty());
  EXPECT_TRUE(c.birthday.empty() && c.ringPath.empty());
  EXPECT_TRUE(c.phoneNumbers.empty() && c.categories.empty() && c.categoryIds.empty());
  EXPECT_EQ(c.contactId, 0);
  EXPECT_EQ(c.photoData, nullptr);
  EXPECT_EQ(c.photoLength, 0);
  EXPECT_EQ(copy.contactId, 12);
}

TEST(ContactInfo, RemoveAllCategorisClearsIdentifiersToo) {
  CContactInfo c;
  c.AddToCategoris(L"家人");
  c.categoryIds.add(2);
  c.RemoveAllCategoris();
  EXPECT_TRUE(c.categories.empty());
  EXPECT_TRUE(c.categoryIds.empty());
}

}  // namespace
