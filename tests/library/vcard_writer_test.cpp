// The vCard writer's bytes, line by line: the 2.1 card that is sent, the
// 3.0 card and the ring tone line of backups, and the plain-text card.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "ce/codepage.h"
#include "contactdata/VcardBuilder.h"
#include "contactdata/VcardWriter.h"
#include "contactdata_helpers.h"

namespace {

std::string Card(CContactInfo& contact) {
  qzu::string8 card = "left over";
  EXPECT_TRUE(MakeVcard(contact, card));
  return std::string(card.view());
}

// The lines between VERSION and END:VCARD.
std::string Body(CContactInfo& contact) {
  const std::string card = Card(contact), head = "BEGIN:VCARD\nVERSION:2.1\n", tail = "END:VCARD";
  if (!card.starts_with(head) || !card.ends_with(tail) || card.size() < head.size() + tail.size())
    return "(malformed) " + card;
  std::string body = card.substr(head.size(), card.size() - head.size() - tail.size());
  if (body.empty()) return body;
  return body.ends_with("\n") ? body.substr(0, body.size() - 1) : "(malformed) " + card;
}

std::string Gbk(const wchar_t* text) {
  char bytes[256];
  const int n = WideCharToMultiByte(936, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
  return std::string(bytes, static_cast<std::size_t>(n > 0 ? n - 1 : 0));
}

TEST(VcardWriter, PropertiesInOrderWithTheirTypeParameters) {
  CContactInfo empty;
  EXPECT_EQ(Card(empty), "BEGIN:VCARD\nVERSION:2.1\nEND:VCARD");
  CContactInfo c;
  c.UpdateNameInfo(L"Smith", L"Ann", L"Acme");
  c.AddToCategoris(L"Friends");
  for (int type : {0, 1, 2, 3, 4, 9}) c.AddPhoneNumber(0, qzu::string(type), type, 0);
  for (int type : {0, 1, 2, -1}) c.AddEmail(0, qzu::string(type) + L"@mail", type);
  c.AddWebPage(0, L"http://a.example/x?y=1", 1);
  c.AddQQ(0, L"12345", 0);
  c.AddMSN(0, L"ann@msn", 2);
  c.AddAddress(0, L"City", L"Country", L"518000", L"Province", L"Street 1", 1);
  c.AddAddress(0, L"Shenzhen", L"", L"", L"", L"", 0);
  c.UpdateBirthday(L"19900517");
  EXPECT_EQ(Body(c),
            "N:Smith;Ann\nORG:Acme\nCATEGORIES:Friends\n"
            "TEL;CELL:0\nTEL;HOME:1\nTEL;WORK:2\nTEL;FAX:3\nTEL:4\nTEL:9\n"
            "EMAIL;PRIVATE:0@mail\nEMAIL;WORK:1@mail\nEMAIL:2@mail\nEMAIL:-1@mail\n"
            "URL;WORK:http://a.example/x?y=1\nX-QQ;PRIVATE:12345\nX-MSN:ann@msn\n"
            "ADR;WORK:;;Street 1;City;Province;518000;Country\nADR;HOME:;;;Shenzhen;;;\n"
            "BDAY:19900517");

  // A primary number that is not the first says so.
  CContactInfo second;
  second.AddPhoneNumber(0, L"111", 0, 0);
  second.AddPhoneNumber(0, L"222", 1, 1);
  EXPECT_EQ(Body(second), "TEL;CELL:111\nTEL;HOME;PREF:222");

  CContactInfo firstOnly;
  firstOnly.UpdateNameInfo(L"", L"Ann", L"");
  EXPECT_EQ(Body(firstOnly), "N:;Ann");
}

TEST(VcardWriter, NotesAreQuotedPrintableIn24ByteChunks) {
  struct Case {
    const wchar_t* note;
    const char* line;
  };
  const Case cases[] = {
      {L"abcdefghijklmnopqrstuvwx", "NOTE;ENCODING=QUOTED-PRINTABLE:abcdefghijklmnopqrstuvwx"},
      {L"abcdefghijklmnopqrstuvwxy", "NOTE;ENCODING=QUOTED-PRINTABLE:abcdefghijklmnopqrstuvwx=\ny"},
      {L"a=b\r\nc ", "NOTE;ENCODING=QUOTED-PRINTABLE:a=3Db=0D=0Ac=20"},
  };
  for (const Case& c : cases) {
    CContactInfo contact;
    contact.UpdateRemark(c.note);
    EXPECT_EQ(Body(contact), c.line);
  }
}

TEST(VcardWriter, PhotosAreBase64InIndentedLinesOf48Bytes) {
  CContactInfo contact;
  std::string bytes(100, '\xff');
  contact.SetPhoto(reinterpret_cast<const unsigned char*>(bytes.data()), 100);
  const std::string full(64, '/');
  EXPECT_EQ(Body(contact), "PHOTO;TYPE=JPEG;ENCODING=BASE64:\n    " + full + "\n    " + full + "\n    /////w==");

  contact.photoLength = 0;  // a buffer without a length
  EXPECT_EQ(Body(contact), "");
  contact.photoData.reset();  // a length without a buffer
  contact.photoLength = 100;
  EXPECT_EQ(Body(contact), "");
}

TEST(VcardWriter, ValuesStayReadableLinesWhateverTheyHold) {
  const std::wstring lone(1, static_cast<wchar_t>(0xD800));
  struct Case {
    const wchar_t* last;
    const wchar_t* first;
    std::string line;
  };
  const Case cases[] = {
      // The component separator inside a name is escaped.
      {L"a;b", L"c,d", "N:a\\;b;c,d"},
      // Text beyond ASCII says its code page; text the code page lacks is UTF-8.
      {L"郑", L"", "N;CHARSET=GBK:" + Gbk(L"郑") + ";"},
      {L"", L"Zoë😀", "N;CHARSET=UTF-8:;Zo\xC3\xAB\xF0\x9F\x98\x80"},
      {L"\xFE00", L"", "N;CHARSET=UTF-8:\xEF\xB8\x80;"},
      // Line breaks and other control characters would end the line.
      {L"a\nb", L"\x01", "N;ENCODING=QUOTED-PRINTABLE:a=0Ab;=01"},
      // An unpaired surrogate cannot be written; it stands as U+FFFD.
      {lone.c_str(), L"x", "N;CHARSET=UTF-8:\xEF\xBF\xBD;x"},
  };
  for (const Case& c : cases) {
    CContactInfo contact;
    contact.UpdateNameInfo(c.last, c.first, L"");
    EXPECT_EQ(Body(contact), c.line);
  }
  CContactInfo groups;
  groups.AddToCategoris(L"同事");
  groups.AddToCategoris(contactdata_test::kBlacklist);
  groups.AddToCategoris(L"x;y");
  groups.UpdateNameInfo(L"", L"", L"A;B");
  EXPECT_EQ(Body(groups), "ORG:A\\;B\nCATEGORIES;CHARSET=GBK:" + Gbk(L"同事;黑名单") + ";x\\;y");
}

// The writer trusts GBK with every unified ideograph up to U+9FA5 without
// reading its bytes back; the decoder must agree.
TEST(VcardWriter, EveryUnifiedIdeographIsWrittenInGbkAndReadsBack) {
  std::wstring all;
  for (wchar_t c = 0x4E00; c <= 0x9FA5; ++c) all += c;
  CContactInfo contact;
  contact.UpdateNameInfo(all.c_str(), L"", L"");
  const std::string card = Card(contact);
  EXPECT_NE(card.find("\nN;CHARSET=GBK:"), std::string::npos);
  CContactInfo decoded;
  ASSERT_TRUE(CVcardCodec().DecodeVcfBytes(card.data(), card.size(), decoded));
  EXPECT_TRUE(decoded.lastName.view() == all);
}

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

class VcardFile : public contactdata_test::StoreTest {
 protected:
  std::string Read(const char* relative) {
    std::ifstream in(root_.path() / relative, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
};

TEST_F(VcardFile, WritesANewFileAndNeverOverwrites) {
  std::filesystem::create_directories(root_.path() / "tmpvcard");
  CContactInfo contact;
  contact.UpdateNameInfo(L"张", L"三", L"");
  contact.AddPhoneNumber(0, L"13800138000", 0, 1);
  ASSERT_TRUE(MakeVcard(contact, L"\\tmpvcard\\zs.vcf"));
  EXPECT_EQ(Read("tmpvcard/zs.vcf"), Card(contact));

  CContactInfo other;
  other.UpdateNameInfo(L"", L"Other", L"");
  EXPECT_FALSE(MakeVcard(other, L"\\tmpvcard\\zs.vcf"));
  EXPECT_EQ(Read("tmpvcard/zs.vcf"), Card(contact)) << "the existing file is left as it was";

  EXPECT_FALSE(MakeVcard(contact, L"\\..\\outside.vcf"));
  EXPECT_FALSE(std::filesystem::exists(root_.path().parent_path() / "outside.vcf"));
  EXPECT_FALSE(MakeVcard(contact, L"\\no\\such\\folder.vcf"));
  EXPECT_FALSE(MakeVcard(contact, static_cast<const wchar_t*>(nullptr)));
  EXPECT_FALSE(MakeVcard(contact, L""));
}

// A card cut short (here by a file size limit of 100 bytes) must not stay
// behind to be sent or imported as if it were whole.
TEST_F(VcardFile, AWriteCutShortLeavesNoFile) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  std::filesystem::create_directories(root_.path() / "tmpvcard");
  CContactInfo contact;
  contact.UpdateNameInfo(L"", L"Long", L"");
  contact.UpdateRemark(std::wstring(2000, L'x').c_str());
  auto writeUnderTheLimit = [&] {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{100, 100};
    setrlimit(RLIMIT_FSIZE, &limit);
    bool written = MakeVcard(contact, L"\\tmpvcard\\long.vcf");
    std::exit(!written && !std::filesystem::exists(root_.path() / "tmpvcard/long.vcf") ? 0 : 1);
  };
  EXPECT_EXIT(writeUnderTheLimit(), testing::ExitedWithCode(0), "");
}

TEST(VcardContent, OneLabelledLinePerFieldAppendedToTheText) {
  CContactInfo c;
  c.UpdateNameInfo(L"张", L"三", L"腾讯");
  c.AddToCategoris(L"同事");
  c.AddToCategoris(contactdata_test::kBlacklist);
  c.AddPhoneNumber(0, L"13800138000", 0, 1);
  c.AddPhoneNumber(0, L"075512345678", 3, 0);
  c.AddPhoneNumber(0, L"110", 4, 0);
  c.AddPhoneNumber(0, L"120", -2, 0);
  c.AddEmail(0, L"zs@qq.com", 1);
  c.AddWebPage(0, L"qq.com", 0);
  c.AddQQ(0, L"10001", 0);
  c.AddMSN(0, L"zs@msn", 0);
  c.AddAddress(0, L"深圳", L"中国", L"518000", L"广东", L"", 0);
  c.UpdateRemark(L"第一行\r\n第二行");
  c.UpdateBirthday(L"19900517");
  const std::wstring card =
      L"姓名:  张三\r\n公司:  腾讯\r\n组别:  同事 黑名单\r\n"
      L"手机电话号码:  13800138000\r\n传真电话号码:  075512345678\r\n电话号码:  110\r\n手机电话号码:  120\r\n"
      L"邮件:  zs@qq.com\r\n网址:  qq.com\r\nQQ:  10001\r\nMSN:  zs@msn\r\n地址:  ,深圳,广东,中国,518000\r\n"
      L"备注:  第一行\r\n第二行\r\n生日:  19900517\r\n";
  qzu::string text;
  ASSERT_TRUE(MakeVcardContent(c, text));
  EXPECT_EQ(std::wstring(text.view()), card);
  ASSERT_TRUE(MakeVcardContent(c, text));
  EXPECT_EQ(std::wstring(text.view()), card + card);

  CContactInfo nothing;
  qzu::string empty;
  EXPECT_TRUE(MakeVcardContent(nothing, empty));
  EXPECT_TRUE(empty.empty());
}

}  // namespace
