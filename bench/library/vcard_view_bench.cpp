// A received card with a 224 KB photo shown in one call: from the call of
// FastProcessVcfContent to the first painted frame of the contact info
// window (the card decoded, the photo decoded and scaled, the details list
// built and drawn), on the headless screen.
//
//   build/bin/vcard_view_bench     (on an empty device root under $TMPDIR)
//
// Reports the median and the 99th percentile in milliseconds, as work done
// by this thread (cpu_*_ms) and as time passed (wall_*_ms), and the card's
// and the photo's sizes.
#include <benchmark/benchmark.h>
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <random>
#include <string>
#include <vector>

#include "contactdata/VcardViewing.h"
#include "contactdata/VcardWriter.h"
#include "contacts/info/CContactInfoWnd.h"
#include "platform/PimContract.h"
#include "qzfc/Robot.h"
#include "samples.h"
#include "seeded_root.h"

namespace {

constexpr size_t kPhotoBytes = 224 * 1024;
constexpr int kRuns = 50;

// A camera-like JPEG (noisy, so that it does not shrink to nothing) of at
// least kPhotoBytes.
std::vector<unsigned char> NoisyJpeg() {
  std::mt19937 random(7);
  for (int height = 200;; height += 40) {
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, 640, height);
    guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < 640 * 3; ++x) pixels[y * stride + x] = static_cast<guchar>(random() & 0xFF);
    gchar* buffer = nullptr;
    gsize size = 0;
    gdk_pixbuf_save_to_buffer(pixbuf, &buffer, &size, "jpeg", nullptr, "quality", "90", nullptr);
    g_object_unref(pixbuf);
    std::vector<unsigned char> jpeg(buffer, buffer + size);
    g_free(buffer);
    if (jpeg.size() >= kPhotoBytes) return jpeg;
  }
}

std::wstring CardWithPhoto(const std::vector<unsigned char>& jpeg) {
  CContactInfo contact;
  contact.UpdateNameInfo(L"王", L"芳", L"星河公司");
  contact.AddPhoneNumber(0, L"13800138000", 0, 1);
  contact.AddPhoneNumber(0, L"010-62345678", 2, 0);
  contact.AddEmail(0, L"wf@example.com", 1);
  contact.AddAddress(0, L"北京", L"中国", L"100080", L"北京市", L"中关村大街1号", 0);
  contact.UpdateRemark(L"第一行\r\n第二行");
  contact.SetPhoto(jpeg.data(), static_cast<int>(jpeg.size()));
  qzu::string8 card;
  MakeVcard(contact, card);
  // The writer's bytes are GBK; a received card's text arrives already wide,
  // and only its ASCII lines matter here.
  std::wstring text;
  for (size_t i = 0; i < card.length(); ++i) text += static_cast<wchar_t>(static_cast<unsigned char>(card[i]));
  return text;
}

void FastProcessVcfContent_224KBPhoto(benchmark::State& state) {
  vorna::bench::UseEmptyRoot();
  const std::vector<unsigned char> jpeg = NoisyJpeg();
  const std::wstring card = CardWithPhoto(jpeg);
  qzfc::Robot robot;
  vorna::bench::Samples samples;
  int photosShown = 0;
  for (auto _ : state) {
    for (int run = 0; run < kRuns; ++run) {
      samples.Start();
      robot.WhenModalWaits([&] {
        samples.Stop();  // the window is up and painted, waiting for the user
        auto* window = dynamic_cast<CContactInfoWnd*>(robot.Foreground());
        if (window && window->GetVcardContact() && window->GetVcardContact()->photoLength > 0) ++photosShown;
        robot.Tap(60, 80 + 720 - 35);  // back
      });
      FastProcessVcfContent(nullptr, card.c_str());
    }
  }
  samples.Report(state);
  state.counters["photo_kb"] = static_cast<double>(jpeg.size()) / 1024;
  state.counters["card_kb"] = static_cast<double>(card.size()) / 1024;
  state.counters["photos_shown"] = photosShown;
}
BENCHMARK(FastProcessVcfContent_224KBPhoto)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
