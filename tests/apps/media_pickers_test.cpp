// The photo components and the ring tone picker as the contact editor uses
// them: created by class, given the owner and the preset, shown modally and
// driven by the robot on the headless screen.
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <fstream>

#include "CameraWnd.h"
#include "PicturePickerWnd.h"
#include "RingToneChoices.h"
#include "RingTonePickerWnd.h"
#include "SampleMedia.h"
#include "ce/bstr.h"
#include "ce/files.h"
#include "host_fixture.h"
#include "mediapickers/PhotoSource.h"
#include "mediapickers/RingTonePicker.h"

namespace {

using apps::test::GalleryFile;
using apps::test::HostTest;
using mediapickers::PicturePickerWnd;
using mediapickers::RingTonePickerWnd;

constexpr int kShellBar = 80;

std::filesystem::path Resolve(const wchar_t* cePath) {
  std::filesystem::path path;
  EXPECT_TRUE(ce::ResolveCePath(cePath, path));
  return path;
}

// Width and height of JPEG bytes, or {0, 0} when they are not a JPEG picture.
std::pair<int, int> JpegSize(const std::vector<BYTE>& bytes) {
  if (bytes.size() < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) return {0, 0};
  GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_type("jpeg", nullptr);
  std::pair<int, int> size{0, 0};
  if (gdk_pixbuf_loader_write(loader, bytes.data(), bytes.size(), nullptr) && gdk_pixbuf_loader_close(loader, nullptr)) {
    GdkPixbuf* picture = gdk_pixbuf_loader_get_pixbuf(loader);
    size = {gdk_pixbuf_get_width(picture), gdk_pixbuf_get_height(picture)};
  }
  g_object_unref(loader);
  return size;
}

class MediaPickersTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    StartHost();
  }

  // Runs a photo component; `steps` drive its screen.
  std::vector<BYTE> RunPhoto(REFCLSID clsid, int side, std::function<void()> step, int* result) {
    IPhotoSource* source = nullptr;
    EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IPhotoSource,
                               reinterpret_cast<void**>(&source)),
              S_OK);
    if (!source) return {};
    source->SetOwnerWindow(host_.Window().GetHwnd());
    EXPECT_EQ(source->SetSource(PHOTO_SOURCE_PICTURE_FOLDER), S_OK);
    EXPECT_EQ(source->SetPictureFormat(80, side), S_OK);
    robot_.WhenModalWaits(std::move(step));
    EXPECT_EQ(source->Show(result), S_OK);
    DWORD size = 0;
    source->GetPictureByteCount(&size);
    std::vector<BYTE> bytes(size);
    DWORD copied = 0;
    EXPECT_EQ(source->CopyPictureBytes(bytes.data(), size, &copied), S_OK);
    EXPECT_EQ(copied, size);
    source->Release();
    return bytes;
  }

  void TapPicture(int picture) {
    auto* picker = dynamic_cast<PicturePickerWnd*>(robot_.Foreground());
    ASSERT_NE(picker, nullptr);
    POINT centre = picker->Grid().CellCentre(picture);
    robot_.Tap(centre.x, kShellBar + centre.y);
  }

  // Runs the ring tone picker over the device's two ring folders.
  std::wstring RunRingTones(const wchar_t* preselected, std::function<void()> step, int* result) {
    IRingTonePicker* picker = nullptr;
    EXPECT_EQ(CoCreateInstance(CLSID_RingTonePicker, nullptr, CLSCTX_INPROC_SERVER, IID_IRingTonePicker,
                               reinterpret_cast<void**>(&picker)),
              S_OK);
    IRingTonePickerView* view = nullptr;
    if (!picker || FAILED(picker->QueryInterface(IID_IRingTonePickerView, reinterpret_cast<void**>(&view)))) {
      ADD_FAILURE() << "no ring tone picker";
      if (picker) picker->Release();
      return L"(none)";
    }
    picker->SetOwnerWindow(host_.Window().GetHwnd());
    picker->SetUserRingFolder(L"\\My Documents\\My Ringtones");
    picker->SetSystemRingFolder(L"\\Windows\\Rings");
    picker->SetSelectedPath(preselected);
    picker->SetTitle(L"选择铃声");
    picker->SetBackText(L"返回");
    robot_.WhenModalWaits(std::move(step));
    EXPECT_EQ(view->Show(result), S_OK);
    BSTR chosen = nullptr;
    picker->GetChosenPath(&chosen);
    std::wstring path = chosen ? std::wstring(chosen) : L"(none)";
    SysFreeString(chosen);
    view->Release();
    picker->Release();
    return path;
  }

  RingTonePickerWnd* RingScreen() { return dynamic_cast<RingTonePickerWnd*>(robot_.Foreground()); }
  void TapRing(int row) {
    RECT rc = RingScreen()->List().GetItemRect(row);
    robot_.Tap(200, kShellBar + (rc.top + rc.bottom) / 2);
  }
  static std::vector<std::wstring> SoundsPlayed() {
    std::vector<std::wstring> played;
    for (const ce::JournalEntry& e : ce::ReadLaunchJournal())
      if (e.kind == "sound" && e.outcome != "stopped") played.push_back(e.program);
    return played;
  }
};

TEST_F(MediaPickersTest, PicturePickerReturnsTheTappedPictureAsASquareJpegOfThePresetSide) {
  int result = 0;
  std::vector<BYTE> bytes = RunPhoto(CLSID_PicturePicker, 200, [this] {
    auto* picker = dynamic_cast<PicturePickerWnd*>(robot_.Foreground());
    ASSERT_NE(picker, nullptr);
    // The device setup's six landscapes, JPEG and PNG, each with its thumbnail.
    ASSERT_EQ(picker->Grid().PictureCount(), 6);
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(picker->Grid().HasThumbnail(i)) << i;
    robot_.SaveScreenshot(GalleryFile("picture_picker.png"));
    TapPicture(2);  // "Dawn.png", a portrait PNG
  }, &result);
  EXPECT_EQ(result, PHOTO_RESULT_CHOSEN);
  EXPECT_EQ(JpegSize(bytes), std::make_pair(200, 200));
  EXPECT_EQ(robot_.Foreground(), &host_.Window());
}

TEST_F(MediaPickersTest, PicturePickerSkipsADamagedFileAndBackReturnsNothing) {
  std::ofstream(Resolve(L"\\My Documents\\My Pictures") / "A broken.jpg") << "not a picture";
  int result = 0;
  std::vector<BYTE> bytes = RunPhoto(CLSID_PicturePicker, 80, [this] {
    TapPicture(0);  // the damaged file sorts first; tapping it chooses nothing
    robot_.WhenModalWaits([this] {
      ASSERT_NE(dynamic_cast<PicturePickerWnd*>(robot_.Foreground()), nullptr);
      robot_.Tap(60, 765);  // back
    });
  }, &result);
  EXPECT_EQ(result, PHOTO_RESULT_CANCELLED);
  EXPECT_TRUE(bytes.empty());
}

TEST_F(MediaPickersTest, PicturePickerWithAnEmptyFolderSaysSoAndRefusesBadPresets) {
  std::filesystem::remove_all(Resolve(L"\\My Documents\\My Pictures"));
  IPhotoSource* source = nullptr;
  ASSERT_EQ(CoCreateInstance(CLSID_PicturePicker, nullptr, CLSCTX_INPROC_SERVER, IID_IPhotoSource,
                             reinterpret_cast<void**>(&source)),
            S_OK);
  EXPECT_EQ(source->SetPictureFormat(0, 200), E_INVALIDARG);
  EXPECT_EQ(source->SetPictureFormat(80, 100000), E_INVALIDARG);
  EXPECT_EQ(source->SetSource(7), E_INVALIDARG);
  EXPECT_EQ(source->CopyPictureBytes(nullptr, 10, nullptr), E_POINTER);
  robot_.WhenModalWaits([this] {
    UiWin* empty = robot_.FindControl(PicturePickerWnd::ID_EMPTY);
    ASSERT_NE(empty, nullptr);
    EXPECT_STREQ(empty->GetText(), L"没有图片");
    robot_.Tap(60, 765);
  });
  int result = 0;
  EXPECT_EQ(source->Show(&result), S_OK);
  EXPECT_EQ(result, PHOTO_RESULT_CANCELLED);
  source->Release();
}

TEST_F(MediaPickersTest, CameraShutterReturnsAJpegOfThePresetSide) {
  int result = 0;
  std::vector<BYTE> bytes = RunPhoto(CLSID_CameraCapture, 160, [this] {
    ASSERT_NE(dynamic_cast<mediapickers::CameraWnd*>(robot_.Foreground()), nullptr);
    robot_.Advance(1000);  // the clouds drift; nothing else happens
    robot_.Tap(240, 765);  // the shutter
  }, &result);
  EXPECT_EQ(result, PHOTO_RESULT_CHOSEN);
  EXPECT_EQ(JpegSize(bytes), std::make_pair(160, 160));

  bytes = RunPhoto(CLSID_CameraCapture, 160, [this] { robot_.Tap(60, 765); }, &result);
  EXPECT_EQ(result, PHOTO_RESULT_CANCELLED);
  EXPECT_TRUE(bytes.empty());
}

TEST_F(MediaPickersTest, RingTonePickerMarksThePreselectedPlaysOnTapAndReturnsTheConfirmedPath) {
  int result = 0;
  std::wstring chosen = RunRingTones(L"\\windows\\rings\\marimba.wav", [this] {
    RingTonePickerWnd* screen = RingScreen();
    ASSERT_NE(screen, nullptr);
    const auto& choices = screen->Choices();
    // The default tone, the user's tone, then the phone's four.
    ASSERT_EQ(choices.Count(), 6);
    EXPECT_EQ(choices.At(1).cePath, L"\\My Documents\\My Ringtones\\My Tune.wav");
    EXPECT_EQ(choices.At(choices.Marked()).cePath, L"\\Windows\\Rings\\Marimba.wav");
    robot_.SaveScreenshot(GalleryFile("ring_tone_picker.png"));
    TapRing(1);
    TapRing(choices.Find(L"\\Windows\\Rings\\Chime.wav"));
    EXPECT_EQ(choices.At(choices.Marked()).name, L"Chime");
    robot_.Tap(420, 765);  // confirm
  }, &result);
  EXPECT_EQ(result, RING_RESULT_CHOSEN);
  EXPECT_EQ(chosen, L"\\Windows\\Rings\\Chime.wav");
  EXPECT_EQ(SoundsPlayed(), (std::vector<std::wstring>{L"\\My Documents\\My Ringtones\\My Tune.wav",
                                                       L"\\Windows\\Rings\\Chime.wav"}));
}

TEST_F(MediaPickersTest, RingTonePickerKeepsAnUnlistedToneAndBackChoosesNothing) {
  int result = 0;
  // A tone outside both folders keeps a row of its own, marked.
  std::wstring chosen = RunRingTones(L"\\Storage Card\\Song.wav", [this] {
    ASSERT_NE(RingScreen(), nullptr);
    EXPECT_EQ(RingScreen()->Choices().Marked(), 1);
    robot_.Tap(420, 765);
  }, &result);
  EXPECT_EQ(chosen, L"\\Storage Card\\Song.wav");

  chosen = RunRingTones(L"\\Windows\\Rings\\Chime.wav", [this] {
    TapRing(0);  // the default tone
    robot_.Tap(60, 765);  // back
  }, &result);
  EXPECT_EQ(result, RING_RESULT_CANCELLED);
  EXPECT_EQ(chosen, L"(none)");

  // Confirming the default tone gives no path.
  chosen = RunRingTones(L"\\Windows\\Rings\\Chime.wav", [this] {
    TapRing(0);
    robot_.Tap(420, 765);
  }, &result);
  EXPECT_EQ(result, RING_RESULT_CHOSEN);
  EXPECT_EQ(chosen, L"(none)");
}

TEST_F(MediaPickersTest, SampleMediaComesOnceAndKeepsWhatTheUserDeleted) {
  const auto pictures = Resolve(L"\\My Documents\\My Pictures");
  const auto rings = Resolve(L"\\Windows\\Rings");
  ASSERT_TRUE(std::filesystem::remove(pictures / "Dusk.jpg"));
  ASSERT_TRUE(std::filesystem::remove(rings / "Chime.wav"));
  vorna::device::SampleMediaReport again = vorna::device::InstallSampleMedia();
  EXPECT_TRUE(again.ok);
  // The phone's own tone comes back; the user's deleted picture does not.
  EXPECT_EQ(again.written, std::vector<std::wstring>{L"\\Windows\\Rings\\Chime.wav"});
  EXPECT_FALSE(std::filesystem::exists(pictures / "Dusk.jpg"));
  std::ifstream tone(rings / "Chime.wav", std::ios::binary);
  char riff[12] = {};
  tone.read(riff, sizeof riff);
  EXPECT_EQ(std::string(riff, 4), "RIFF");
  EXPECT_EQ(std::string(riff + 8, 4), "WAVE");
  EXPECT_GT(std::filesystem::file_size(rings / "Chime.wav"), 20000u);
}

}  // namespace

namespace {

// The tone list without a screen: folders with odd files, the same folder
// given twice, and preselections in other spellings.
TEST(RingToneChoices, ListsWavFilesOnceAndMatchesThePreselectionWithoutRegardToCase) {
  vorna::test::TempDeviceRoot root;
  std::filesystem::path folder;
  ASSERT_TRUE(ce::ResolveCePath(L"\\Tones", folder));
  std::filesystem::create_directories(folder / "Sub.wav");  // a folder, not a tone
  for (const char* name : {"b.WAV", "A.wav", "c.mp3", "d.wav.txt"}) std::ofstream(folder / name) << "x";

  mediapickers::RingToneChoices choices(L"\\Tones", L"\\tones\\", L"/TONES/a.WAV");
  ASSERT_EQ(choices.Count(), 3);
  EXPECT_EQ(choices.At(0).cePath, L"");
  EXPECT_EQ(choices.At(1).cePath, L"\\Tones\\A.wav");
  EXPECT_EQ(choices.At(2).name, L"b");
  EXPECT_EQ(choices.Marked(), 1);
  choices.Mark(7);  // outside the rows: ignored
  EXPECT_EQ(choices.Marked(), 1);

  // Missing or refused folders give just the default tone.
  mediapickers::RingToneChoices none(L"\\Missing", L"\\..\\..\\etc", L"");
  EXPECT_EQ(none.Count(), 1);
  EXPECT_EQ(none.Marked(), 0);
}

}  // namespace
