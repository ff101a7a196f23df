// vCard 3.0 cards and the ring tone line of backups, as the builder writes
// them; MakeVcard's 2.1 card stays without the ring tone.
#include <gtest/gtest.h>

#include <string>

#include "contactdata/VcardBuilder.h"
#include "contactdata/VcardWriter.h"
#include "platform/PimContract.h"

namespace {

std::string Card30(const CContactInfo& contact) {
  std::string card;
  VcardBuilder::Build(contact, {VcardVersion::V30, true}, card);
  return card;
}

TEST(VcardWriter30, EscapedUtf8LinesWithTypeListsEndedByCrLf) {
  CContactInfo c;
  c.UpdateNameInfo(L"Smith, Jr.", L"Ann;Marie", L"Acme\\Sons");
  c.AddToCategoris(L"_$!<Blacklist>!$_");
  c.AddToCategoris(L"a,b");
  c.AddPhoneNumber(0, L"111", 0, 0);
  c.AddPhoneNumber(0, L"222", 2, 1);
  c.AddPhoneNumber(0, L"333", 4, 0);
  c.AddEmail(0, L"p@x", 0);
  c.AddQQ(0, L"123", 2);
  c.AddAddress(0, L"深圳", L"中国", L"518000", L"广东", L"路;1号", 1);
  c.UpdateBirthday(L"19800229");
  c.UpdateRemark(L"line 1\r\nline 2\n");
  c.UpdateRing(L"\\Windows\\ring.wav");
  EXPECT_EQ(Card30(c),
            "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Smith\\, Jr.;Ann\\;Marie;;;\r\nFN:Ann\\;Marie Smith\\, Jr.\r\n"
            "ORG:Acme\\\\Sons\r\nCATEGORIES:黑名单,a\\,b\r\n"
            "TEL;TYPE=CELL:111\r\nTEL;TYPE=WORK,PREF:222\r\nTEL:333\r\nEMAIL;TYPE=HOME:p@x\r\nX-QQ:123\r\n"
            "ADR;TYPE=WORK:;;路\\;1号;深圳;广东;518000;中国\r\nBDAY:1980-02-29\r\n"
            "NOTE:line 1\\nline 2\\n\r\nX-RINGTONE:\\\\Windows\\\\ring.wav\r\nEND:VCARD\r\n");

  // A card sent to another phone names no file of this one.
  qzu::string8 sent;
  MakeVcard(c, sent);
  EXPECT_EQ(std::string(sent.view()).find("RINGTONE"), std::string::npos);
  std::string backup21;
  VcardBuilder::Build(c, {VcardVersion::V21, true}, backup21);
  EXPECT_EQ(backup21, std::string(sent.view()) .substr(0, sent.view().size() - 10) + "\nX-RINGTONE:\\Windows\\ring.wav\nEND:VCARD")
      << "2.1 backups are MakeVcard's card and the ring tone";

  // Without names or a company N and FN are still there, and empty.
  EXPECT_EQ(Card30(CContactInfo()), "BEGIN:VCARD\r\nVERSION:3.0\r\nN:;;;;\r\nFN:\r\nEND:VCARD\r\n");
}

TEST(VcardWriter30, LongLinesFoldAt75BytesBetweenCharacters) {
  for (const std::wstring& note : {std::wstring(200, L'x'), std::wstring(100, L'中'), std::wstring(L"ab") + std::wstring(60, L'中')}) {
    CContactInfo c;
    c.UpdateRemark(note.c_str());
    const std::string card = Card30(c);
    for (std::size_t at = 0; at < card.size();) {
      const std::size_t end = card.find("\r\n", at);
      ASSERT_NE(end, std::string::npos);
      const std::string line = card.substr(at, end - at);
      EXPECT_LE(line.size(), 75u) << line;
      // A piece never starts inside a UTF-8 sequence.
      if (line.size() > 1) {
        EXPECT_NE(static_cast<unsigned char>(line[line[0] == ' ' ? 1 : 0]) & 0xC0, 0x80) << line;
      }
      at = end + 2;
    }
    CContactInfo decoded;
    ASSERT_TRUE(CVcardCodec().DecodeVcfBytes(card.data(), card.size(), decoded));
    EXPECT_EQ(std::wstring(decoded.note.view()), note);
  }
  // A photo is one base64 value, folded like any other line.
  CContactInfo photo;
  std::string bytes(1000, '\x5a');
  photo.SetPhoto(reinterpret_cast<const unsigned char*>(bytes.data()), 1000);
  const std::string card = Card30(photo);
  EXPECT_NE(card.find("PHOTO;ENCODING=b;TYPE=JPEG:"), std::string::npos);
  CContactInfo decoded;
  ASSERT_TRUE(CVcardCodec().DecodeVcfBytes(card.data(), card.size(), decoded));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(decoded.photoData.get()), static_cast<std::size_t>(decoded.photoLength)), bytes);
}

}  // namespace
