// The COM objects behind CLSID_CameraCapture and CLSID_PicturePicker.
#include <algorithm>
#include <cstring>
#include <vector>

#include "CameraWnd.h"
#include "ModalScreen.h"
#include "PicturePickerWnd.h"
#include "ce/com_object.h"
#include "mediapickers/PhotoSource.h"

namespace mediapickers {
namespace {

enum class PhotoKind { Camera, PictureFolder };

constexpr int kMinSide = 16;
constexpr int kMaxSide = 1024;

class PhotoSourceObject final : public ce::ComObject<ce::ComInterface<IPhotoSource, IID_IPhotoSource>> {
 public:
  explicit PhotoSourceObject(PhotoKind kind) : kind_(kind) {}

  HRESULT STDMETHODCALLTYPE SetOwnerWindow(HWND owner) override {
    owner_ = owner;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetSource(DWORD source) override {
    return source == PHOTO_SOURCE_PICTURE_FOLDER ? S_OK : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE SetPictureFormat(int quality, int side) override {
    if (quality < 1 || quality > 100 || side < kMinSide || side > kMaxSide) return E_INVALIDARG;
    format_ = PictureFormat{quality, side};
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Show(int* result) override {
    picture_.clear();
    int ended = 0;
    if (kind_ == PhotoKind::Camera) {
      CameraWnd camera(format_);
      ended = RunModalScreen(camera, owner_);
      if (ended == PHOTO_RESULT_CHOSEN) picture_ = camera.Picture();
    } else {
      PicturePickerWnd picker(format_);
      ended = RunModalScreen(picker, owner_);
      if (ended == PHOTO_RESULT_CHOSEN) picture_ = picker.Picture();
    }
    const bool chosen = ended == PHOTO_RESULT_CHOSEN && !picture_.empty();
    if (result) *result = chosen ? PHOTO_RESULT_CHOSEN : PHOTO_RESULT_CANCELLED;
    return ended == 0 ? E_FAIL : S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetPictureByteCount(DWORD* size) override {
    if (!size) return E_POINTER;
    *size = static_cast<DWORD>(picture_.size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE CopyPictureBytes(BYTE* buffer, DWORD capacity, DWORD* copied) override {
    if (!buffer && capacity > 0) return E_POINTER;
    const DWORD count = std::min<DWORD>(capacity, static_cast<DWORD>(picture_.size()));
    if (count > 0) std::memcpy(buffer, picture_.data(), count);
    if (copied) *copied = count;
    return S_OK;
  }

 private:
  PhotoKind kind_;
  HWND owner_ = nullptr;
  PictureFormat format_;
  std::vector<unsigned char> picture_;
};

}  // namespace
}  // namespace mediapickers

void RegisterPhotoSources() {
  using mediapickers::PhotoKind;
  using mediapickers::PhotoSourceObject;
  ce::RegisterComClass(CLSID_CameraCapture,
                       [] { return static_cast<IPhotoSource*>(new PhotoSourceObject(PhotoKind::Camera)); });
  ce::RegisterComClass(CLSID_PicturePicker,
                       [] { return static_cast<IPhotoSource*>(new PhotoSourceObject(PhotoKind::PictureFolder)); });
}

void UnregisterPhotoSources() {
  ce::UnregisterComClass(CLSID_CameraCapture);
  ce::UnregisterComClass(CLSID_PicturePicker);
}
