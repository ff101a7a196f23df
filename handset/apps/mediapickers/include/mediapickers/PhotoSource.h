// The two photo components: the camera capture and the picture picker.
//
// Both are in-process COM classes that give out one interface, IPhotoSource:
//   IPhotoSource* source = nullptr;
//   CoCreateInstance(CLSID_PicturePicker, nullptr, CLSCTX_INPROC_SERVER,
//                    IID_IPhotoSource, reinterpret_cast<void**>(&source));
//   source->SetOwnerWindow(owner);
//   source->SetSource(PHOTO_SOURCE_PICTURE_FOLDER);   // picture picker only
//   source->SetPictureFormat(80, 200);                // JPEG quality, side
//   int result = 0;
//   source->Show(&result);                            // modal
//   if (result == PHOTO_RESULT_CHOSEN) {
//     DWORD size = 0;
//     source->GetPictureByteCount(&size);
//     std::vector<BYTE> bytes(size);
//     source->CopyPictureBytes(bytes.data(), size, &size);
//   }
//   source->Release();
//
// The picture comes back as JPEG bytes of a square picture, `side` pixels
// wide and high: the middle square of the shot or of the chosen picture,
// scaled. The camera capture has no camera on this machine; its viewfinder
// shows a generated scene.
#pragma once

#include "ce/com.h"
#include "ce/types.h"

// {91d2047b-4fc1-42fd-8778-f5f385e86703}
inline constexpr CLSID CLSID_CameraCapture = {
    0x91d2047b, 0x4fc1, 0x42fd, {0x87, 0x78, 0xf5, 0xf3, 0x85, 0xe8, 0x67, 0x03}};
// {5f254dad-2436-496f-9984-2658b4f69158}
inline constexpr CLSID CLSID_PicturePicker = {
    0x5f254dad, 0x2436, 0x496f, {0x99, 0x84, 0x26, 0x58, 0xb4, 0xf6, 0x91, 0x58}};
// {148a9da4-26f6-4c8a-b100-e5b47fc2382d}
inline constexpr IID IID_IPhotoSource = {
    0x148a9da4, 0x26f6, 0x4c8a, {0xb1, 0x00, 0xe5, 0xb4, 0x7f, 0xc2, 0x38, 0x2d}};

// Where the picture picker looks; the only source here is the device's
// picture folder, <root>/My Documents/My Pictures.
inline constexpr DWORD PHOTO_SOURCE_PICTURE_FOLDER = 0;

// What Show reports: a picture was taken or chosen, or the user went back.
inline constexpr int PHOTO_RESULT_CHOSEN = 1;
inline constexpr int PHOTO_RESULT_CANCELLED = 2;

// Methods in slot order, from slot 3.
struct IPhotoSource : IUnknown {
  // The window the component's screen is modal over (may be null).
  virtual HRESULT STDMETHODCALLTYPE SetOwnerWindow(HWND owner) = 0;  // 3
  // E_INVALIDARG for a source other than PHOTO_SOURCE_PICTURE_FOLDER; the
  // camera accepts only that value too and otherwise ignores it.
  virtual HRESULT STDMETHODCALLTYPE SetSource(DWORD source) = 0;  // 4
  // JPEG quality (1 to 100) and the side of the square picture in pixels
  // (16 to 1024); E_INVALIDARG outside those ranges, keeping the earlier
  // values. Until called: quality 80, side 160.
  virtual HRESULT STDMETHODCALLTYPE SetPictureFormat(int quality, int side) = 0;  // 5
  // Runs the screen modally; *result receives PHOTO_RESULT_CHOSEN or
  // PHOTO_RESULT_CANCELLED. Each call forgets the previous picture.
  virtual HRESULT STDMETHODCALLTYPE Show(int* result) = 0;  // 6
  // Bytes of the last chosen picture; 0 when there is none.
  virtual HRESULT STDMETHODCALLTYPE GetPictureByteCount(DWORD* size) = 0;  // 7
  // Copies up to `capacity` bytes of the picture into `buffer`; *copied (may
  // be null) receives the count. E_POINTER for a null buffer with capacity.
  virtual HRESULT STDMETHODCALLTYPE CopyPictureBytes(BYTE* buffer, DWORD capacity, DWORD* copied) = 0;  // 8

 protected:
  ~IPhotoSource() = default;
};

// Make CLSID_CameraCapture and CLSID_PicturePicker creatable in this process.
void RegisterPhotoSources();
void UnregisterPhotoSources();
