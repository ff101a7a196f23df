// Decoding speed of vCards: text-only cards as the handset writes them and
// as other phones do, and a card carrying a 224 KB photo.
#include <benchmark/benchmark.h>

#include <string>

#include "qzpam/CVcardCodec.h"

namespace {

const std::string kHandsetCard =
    "BEGIN:VCARD\nVERSION:2.1\nN:\xD5\xC5;\xC8\xFD\nORG:Acme\nCATEGORIES:\xBC\xD2\xC8\xCB\n"
    "TEL;CELL:13800138000\nTEL;WORK:075588888888\nEMAIL;PRIVATE:zhangsan@example.cn\n"
    "ADR;HOME:;;\xC9\xEE\xC4\xCF\xB4\xF3\xB5\xC0" "1\xBA\xC5;\xC9\xEE\xDB\xDA;\xB9\xE3\xB6\xAB;518000;\xD6\xD0\xB9\xFA\n"
    "BDAY:19800102\nNOTE;ENCODING=QUOTED-PRINTABLE:=B1=B8=D7=A2\nEND:VCARD";

const std::string kForeignCard =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anna Smith\r\nN:Smith;Anna;;;\r\nORG:Acme\\, Inc.\r\n"
    "TEL;TYPE=CELL,VOICE;TYPE=pref:+86 138 0013 8000\r\nTEL;TYPE=HOME:+1 555 0199\r\n"
    "EMAIL;TYPE=INTERNET,HOME:anna@example.com\r\nBDAY:1985-07-14\r\nNOTE:met at the fair\\nsecond line\r\n"
    "END:VCARD\r\n";

std::string CardWithPhoto(std::size_t photo_bytes) {
  static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string card = "BEGIN:VCARD\nVERSION:2.1\nN:Smith;Ann\nTEL;CELL:13800138000\nPHOTO;TYPE=JPEG;ENCODING=BASE64:";
  // 48 bytes to a line of 64 characters, as the handset writes photos.
  for (std::size_t done = 0; done < photo_bytes; done += 48) {
    card += "\n    ";
    for (int i = 0; i < 64; ++i) card += kAlphabet[(done + static_cast<std::size_t>(i) * 7) % 64];
  }
  return card + "\nEND:VCARD";
}

void DecodeCards(benchmark::State& state, const std::string& card) {
  const CVcardCodec codec;
  for (auto _ : state) {
    CContactInfo contact;
    benchmark::DoNotOptimize(codec.DecodeVcfBytes(card.data(), card.size(), contact));
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_DecodeHandsetTextCard(benchmark::State& state) { DecodeCards(state, kHandsetCard); }
void BM_DecodeForeignTextCard(benchmark::State& state) { DecodeCards(state, kForeignCard); }

void BM_DecodeWideTextCard(benchmark::State& state) {
  const qzu::string text(std::wstring(kForeignCard.begin(), kForeignCard.end()).c_str());
  const CVcardCodec codec;
  for (auto _ : state) {
    CContactInfo contact;
    benchmark::DoNotOptimize(codec.DecodeVcfBuf(text, contact));
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_DecodeCardWith224KPhoto(benchmark::State& state) {
  const std::string card = CardWithPhoto(224 * 1024);
  DecodeCards(state, card);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(card.size()));
}

BENCHMARK(BM_DecodeHandsetTextCard);
BENCHMARK(BM_DecodeForeignTextCard);
BENCHMARK(BM_DecodeWideTextCard);
BENCHMARK(BM_DecodeCardWith224KPhoto)->Unit(benchmark::kMicrosecond);

}  // namespace
