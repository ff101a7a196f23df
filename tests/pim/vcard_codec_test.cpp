// The vCard decoder on the handset's own cards and on hand-made cards of
// every version: what each gives, and what it refuses.
#include <gtest/gtest.h>

#include <fstream>

#include "contact_summary.h"
#include "pim_test_print.h"
#include "temp_root.h"
#include "vcard_cards.h"

namespace {

using pimtest::Card;
using pimtest::Decoded;
using pimtest::Summary;

bool Decode(const std::string& bytes, CContactInfo& contact) {
  return CVcardCodec().DecodeVcfBytes(bytes.data(), bytes.size(), contact);
}

// The handset's own cards are GBK bytes.
const std::string kZhang = "\xD5\xC5", kSan = "\xC8\xFD", kFamily = "\xBC\xD2\xC8\xCB",
                  kColleagues = "\xCD\xAC\xCA\xC2", kStreet = "\xC9\xEE\xC4\xCF\xB4\xF3\xB5\xC0" "1\xBA\xC5",
                  kShenzhen = "\xC9\xEE\xDB\xDA", kGuangdong = "\xB9\xE3\xB6\xAB", kChina = "\xD6\xD0\xB9\xFA";

std::string QpChunk(const std::string& bytes) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    const bool literal_space = c == ' ' && i + 1 < bytes.size();
    if ((c >= 33 && c <= 126 && c != '=') || literal_space)
      out += static_cast<char>(c);
    else
      out += {'=', kHex[c >> 4], kHex[c & 15]};
  }
  return out;
}

// The note line as the handset writes it: 24-byte chunks joined by soft breaks.
std::string NoteLine(const std::string& bytes) {
  std::string line = "NOTE;ENCODING=QUOTED-PRINTABLE:";
  for (std::size_t i = 0; i < bytes.size(); i += 24) {
    if (i > 0) line += "=\n";
    line += QpChunk(bytes.substr(i, 24));
  }
  return line;
}

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

// Cards of each version, and the handset's own, as the record they give.
// One record takes them all in turn: each decoding replaces what the last
// one left.
TEST(VcardCodec, CardsOfEveryVersionGiveEveryField) {
  // The handset's note: the first 24-byte chunk ends inside a character; the
  // third chunk starts with a space.
  const std::string handsetNote = "a" + Repeat(kZhang, 12) + std::string(23, 'x') + " " + kSan + "\r\nend";
  // Photos (base64 "QUJD" is "ABC"), folded and padded in three ways.
  const std::string photo300 = Repeat("ABC", 100), b64of300 = Repeat("QUJD", 100);
  const std::string photo40 = Repeat("ABC", 13) + "A", b64of40 = Repeat("QUJD", 13) + "QQ==";
  const std::string photo60 = Repeat("ABC", 20), b64of60 = Repeat("QUJD", 20);
  const struct {
    std::string card;
    const char* stored;
    std::string photo = "";
  } cases[] = {
      {Card({"BEGIN:VCARD", "VERSION:2.1", "N:" + kZhang + ";" + kSan, "ORG:Acme",
             "CATEGORIES:" + kFamily + ";" + kColleagues, "TEL;CELL:13800138000", "TEL;HOME:0755-1234567",
             "ADR;HOME:;;" + kStreet + ";" + kShenzhen + ";" + kGuangdong + ";518000;" + kChina, "ADR:;;;City;;;",
             NoteLine(handsetNote), "END:VCARD"}),
       "name: 张|三\nshown: 张三\ncompany: Acme\ntel: 13800138000 (mobile) primary\ntel: 0755-1234567 (home)\n"
       "adr: (home) 深南大道1号 / 深圳 / 广东 / 518000 / 中国\nadr: (other)  / City /  /  / \n"
       "note: a张张张张张张张张张张张张xxxxxxxxxxxxxxxxxxxxxxx 三\\r\\nend\ngroup: 家人\ngroup: 同事\n"},
      {"BEGIN:VCARD\nVERSION:2.1\nTEL;CELL:13800138000\nEND:VCARD", "tel: 13800138000 (mobile) primary\n"},
      {"BEGIN:VCARD\nVERSION:2.1\nN:;Ann\nNOTE;ENCODING=QUOTED-PRINTABLE:\nEND:VCARD", "name: |Ann\nshown: Ann\n"},
      // Exactly 24 bytes: one chunk, no soft break.
      {Card({"BEGIN:VCARD", "VERSION:2.1", NoteLine(std::string(24, 'x')), "END:VCARD"}),
       "note: xxxxxxxxxxxxxxxxxxxxxxxx\n"},
      {Card({"BEGIN:VCARD", "VERSION:3.0", "FN:Anna Maria Smith", "N:Smith;Anna;Maria;Dr.;", "ORG:Acme\\, Inc.;Sales",
             "item1.TEL;TYPE=CELL,VOICE;TYPE=pref:+86 138 0013 8000", "TEL;TYPE=WORK,FAX:+1 555 0100",
             "TEL;TYPE=HOME:+1 555 0199", "EMAIL;TYPE=INTERNET,HOME:anna@example.com",
             "EMAIL;TYPE=INTERNET:x@example.com", "ADR;TYPE=WORK:PO 7;Suite 5;1 Main St;Springfield;IL;62701;USA",
             "BDAY:1985-07-14", "NOTE:line one\\nline two\\, with comma\\\\", "CATEGORIES:Friends,Work", "X-QQ:10001",
             "PHOTO;ENCODING=b;TYPE=JPEG:" + b64of300.substr(0, 70), " " + b64of300.substr(70, 200),
             " " + b64of300.substr(270), "END:VCARD"},
            {"\r\n"}),
       "name: Smith|Anna Maria\nshown: Anna Maria Smith\ncompany: Acme, Inc. Sales\n"
       "tel: +86 138 0013 8000 (mobile) primary\ntel: +1 555 0100 (fax)\ntel: +1 555 0199 (home)\n"
       "email: anna@example.com (personal)\nemail: x@example.com (other)\nqq: 10001 (other)\n"
       "adr: (work) PO 7 Suite 5 1 Main St / Springfield / IL / 62701 / USA\nbirthday: 19850714\n"
       "note: line one\\nline two, with comma\\\ngroup: Friends\ngroup: Work\nphoto: known\n",
       photo300},
      // No N: the formatted name stands in.
      {Card({"BEGIN:VCARD", "VERSION:4.0", "FN:李四", "TEL;VALUE=uri;TYPE=\"voice,home\":tel:+86-10-1234",
             "TEL;VALUE=uri;TYPE=\"cell,voice\";PREF=1:tel:+86-138-0013-8000", "BDAY:19900309T101500Z",
             "PHOTO:data:image/jpeg;base64," + b64of40, "NOTE:folded lin", " e", "END:VCARD"},
            {"\r\n"}),
       "name: |李四\nshown: 李四\ntel: +86-10-1234 (home)\ntel: +86-138-0013-8000 (mobile) primary\n"
       "birthday: 19900309\nnote: folded line\nphoto: known\n",
       photo40},
      {Card({"begin:vcard", "version:2.1", "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=E7=8E=8B;=E4=BA=94",
             "ORG;CHARSET=GB2312:" + kShenzhen, "TEL;VOICE;CELL:139 0000 0000", "TEL;PREF;HOME:0755 8888 8888",
             "EMAIL;INTERNET:w@x.cn", "NOTE;CHARSET=UTF-8;QUOTED-PRINTABLE:=E5=A4=87=", "=E6=B3=A8",
             "X-MSN;HOME:m@live.cn", "PHOTO;JPEG;BASE64:", "  " + b64of60.substr(0, 40), b64of60.substr(40), "",
             "end:vcard"},
            {"\r\n"}),
       "name: 王|五\nshown: 王五\ncompany: 深圳\ntel: 139 0000 0000 (mobile)\ntel: 0755 8888 8888 (home) primary\n"
       "email: w@x.cn (other)\nmsn: m@live.cn (personal)\nnote: 备注\nphoto: known\n",
       photo60},
      // The first of several cards; a card nested in it is passed over.
      {Card({"junk before", "BEGIN:VCARD", "VERSION:2.1", "N:One;", "AGENT:BEGIN:VCARD", "N:Agent;", "TEL:999",
             "END:VCARD", "TEL:111", "END:VCARD", "BEGIN:VCARD", "N:Two;", "END:VCARD"}),
       "name: One|\nshown: One\ntel: 111 (other) primary\n"},
      // Damaged values lose themselves, not the card: a photo that is not
      // base64, a stray "=" at the end of quoted-printable.
      {"BEGIN:VCARD\nN:A;B\nPHOTO;ENCODING=BASE64:@@@@\nEND:VCARD", "name: A|B\nshown: B A\n"},
      {"BEGIN:VCARD\nNOTE;QUOTED-PRINTABLE:abc=\nEND:VCARD", "note: abc\n"},
  };
  CContactInfo c;
  c.UpdateNameInfo(L"Left", L"Over", L"Co");
  c.AddPhoneNumber(0, L"1", 0, 1);
  for (const auto& row : cases) {
    ASSERT_TRUE(Decode(row.card, c)) << row.card;
    EXPECT_EQ(Summary(c, row.photo), row.stored) << row.card;
  }
}

TEST(VcardCodec, WideTextAndUtf16FilesGiveTheSameContactAsTheBytes) {
  // A card pasted as text: the characters are Unicode, the quoted-printable
  // note still carries GBK bytes.
  const std::string noteLine = NoteLine(kZhang + kSan + "\n" + kFamily);  // ASCII
  const qzu::string text = L"BEGIN:VCARD\r\nVERSION:2.1\r\nN:张;三\r\nTEL;WORK:12345678\r\n" +
                           qzu::string(std::wstring(noteLine.begin(), noteLine.end()).c_str()) + L"\r\nEND:VCARD\r\n";
  CContactInfo c;
  ASSERT_TRUE(CVcardCodec().DecodeVcfBuf(text, c));
  EXPECT_EQ(Summary(c), "name: 张|三\nshown: 张三\ntel: 12345678 (work) primary\nnote: 张三\\n家人\n");

  const std::u16string utf16 = u"\uFEFFBEGIN:VCARD\r\nVERSION:3.0\r\nN:王;五\r\nCATEGORIES:A\\,B,C\r\nEND:VCARD";
  std::string le, be;
  for (const char16_t unit : utf16) {
    le += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    be += {static_cast<char>(unit >> 8), static_cast<char>(unit & 0xFF)};
  }
  for (const std::string& bytes : {le, be})
    EXPECT_EQ(Summary(Decoded(bytes)), "name: 王|五\nshown: 王五\ngroup: A,B\ngroup: C\n");
}

TEST(VcardCodec, BirthdayForms) {
  const std::pair<const char*, const wchar_t*> cases[] = {
      {"19800102", L"19800102"}, {"1980-01-02", L"19800102"}, {"1980-01-02T08:00:00Z", L"19800102"},
      {"--0102", L""},           {"19801302", L""},           {"1980-1-2", L""},
      {"", L""},                 {"19810229", L""},           {"19800229", L"19800229"},
      {"20000229", L"20000229"}, {"19000229", L""},           {"19800431", L""},
  };
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(Decoded(std::string("BEGIN:VCARD\nVERSION:3.0\nBDAY:") + text + "\nEND:VCARD").birthday, expected) << text;
}

TEST(VcardCodec, BadInputGivesFalseAndLeavesTheRecord) {
  CContactInfo c;
  c.UpdateNameInfo(L"Keep", L"Me", L"");
  const std::string bad[] = {
      "",
      "hello",
      "N:No;Begin\nEND:VCARD",
      "BEGIN:VCARD\nVERSION:2.1\nN:Missing;End",
      "BEGIN:VCARD\nBEGIN:VCARD\nEND:VCARD",
      std::string("BEGIN:VCARD\0\xFF\xFE", 15),
  };
  for (const std::string& input : bad) EXPECT_FALSE(Decode(input, c)) << input;
  EXPECT_FALSE(CVcardCodec().DecodeVcfBuf(qzu::string(), c));
  EXPECT_FALSE(CVcardCodec().DecodeVcfBytes(nullptr, 10, c));
  EXPECT_EQ(c.fileAs, L"Me Keep");

  // Deep nesting costs a counter, not a stack.
  std::string nested;
  for (int i = 0; i < 200000; ++i) nested += "BEGIN:VCARD\n";
  EXPECT_FALSE(Decode(nested, c));

  // Endless entries and separators stop growing the record.
  std::string many = "BEGIN:VCARD\nN:" + std::string(100000, ';') + "\nCATEGORIES:";
  for (int i = 0; i < 1000; ++i) many += std::to_string(i) + ",";
  many += "\n";
  for (int i = 0; i < 1000; ++i) many += "TEL:" + std::to_string(i) + "\nEMAIL:e\n";
  ASSERT_TRUE(Decode(many + "END:VCARD", c));
  EXPECT_EQ(c.phoneNumbers.size(), 100);
  EXPECT_EQ(c.emails.size(), 100);
  EXPECT_EQ(c.categories.size(), 64);
  EXPECT_EQ(c.categories[63], L"63");

  const std::string huge(CVcardCodec::kMaxCardBytes + 1, 'A');
  EXPECT_FALSE(Decode("BEGIN:VCARD\nPHOTO;ENCODING=BASE64:" + huge + "\nEND:VCARD", c));
}

TEST(VcardCodec, DecodesFilesUnderTheDeviceRoot) {
  vorna::test::TempDeviceRoot root;
  std::filesystem::create_directories(root.path() / "tmpvcard");
  const std::string card = "\xEF\xBB\xBF" "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Smith;Ann\r\nEND:VCARD\r\n";
  std::ofstream(root.path() / "tmpvcard" / "Ann.vcf", std::ios::binary) << card;

  CContactInfo c;
  ASSERT_TRUE(CVcardCodec().DecodeVcfFile(L"\\TmpVcard\\ann.VCF", c));
  EXPECT_EQ(c.fileAs, L"Ann Smith");

  EXPECT_FALSE(CVcardCodec().DecodeVcfFile(L"\\tmpvcard\\missing.vcf", c));
  EXPECT_FALSE(CVcardCodec().DecodeVcfFile(L"\\tmpvcard", c));
  EXPECT_FALSE(CVcardCodec().DecodeVcfFile(L"\\..\\..\\etc\\passwd", c));
  EXPECT_FALSE(CVcardCodec().DecodeVcfFile(L"", c));
  EXPECT_EQ(c.fileAs, L"Ann Smith");
}

}  // namespace
