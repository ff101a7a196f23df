#include "contacts/editor/PhotoMenu.h"

#include <memory>

#include "core/module/Resources.h"
#include "platform/MediaPickerContract.h"
#include "platform/PimContract.h"

namespace {

constexpr UINT kStrTakePhoto = 708, kStrChoosePhoto = 707, kStrDelete = 633, kStrCancel = 611;
constexpr int kJpegQuality = 80;
constexpr int kCameraSide = 160;
constexpr int kPictureSide = 200;
// More than any photo the components make (a 1024-pixel square at full
// quality); a component reporting more is not believed.
constexpr DWORD kMaxPhotoBytes = 8u << 20;

// Runs one photo component; its picture's bytes, or none.
std::unique_ptr<BYTE[]> TakePicture(REFCLSID component, bool pictureFolder, HWND owner, int side, DWORD& length) {
  IPhotoSource* source = nullptr;
  if (FAILED(CoCreateInstance(component, nullptr, CLSCTX_INPROC_SERVER, IID_IPhotoSource,
                              reinterpret_cast<void**>(&source))) ||
      !source)
    return nullptr;
  std::unique_ptr<BYTE[]> bytes;
  source->SetOwnerWindow(owner);
  if (pictureFolder) source->SetSource(PHOTO_SOURCE_PICTURE_FOLDER);
  source->SetPictureFormat(kJpegQuality, side);
  int result = 0;
  DWORD size = 0;
  if (SUCCEEDED(source->Show(&result)) && result == PHOTO_RESULT_CHOSEN &&
      SUCCEEDED(source->GetPictureByteCount(&size)) && size > 0 && size <= kMaxPhotoBytes) {
    bytes.reset(new BYTE[size]);
    DWORD copied = 0;
    if (FAILED(source->CopyPictureBytes(bytes.get(), size, &copied)) || copied == 0 || copied > size)
      bytes.reset();
    length = copied;
  }
  source->Release();
  return bytes;
}

void StorePhoto(const CContactInfo& record, bool hadPhoto) {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (record.contactId <= 0 || !db) return;
  if (hadPhoto)
    db->UpdatePhoto(record);
  else
    db->AddPhoto(record);
}

}  // namespace

bool RunPhotoMenu(HWND owner, CContactInfo& record) {
  const bool hadPhoto = record.photoLength > 0 && record.photoData;
  QzPopupMenu menu;
  menu.AppendMenuItem(PHOTO_TAKE, LoadResString(kStrTakePhoto), 0);
  menu.AppendMenuItem(PHOTO_CHOOSE, LoadResString(kStrChoosePhoto), 0);
  if (hadPhoto) menu.AppendMenuItem(PHOTO_DELETE, LoadResString(kStrDelete), 0);
  const UINT chosen = menu.QzTrackPopupMenu(owner, 1, LoadResString(kStrCancel), 0);

  if (chosen == PHOTO_TAKE || chosen == PHOTO_CHOOSE) {
    DWORD length = 0;
    std::unique_ptr<BYTE[]> bytes = chosen == PHOTO_TAKE
                                        ? TakePicture(CLSID_CameraCapture, false, owner, kCameraSide, length)
                                        : TakePicture(CLSID_PicturePicker, true, owner, kPictureSide, length);
    if (!bytes) return false;
    record.SetPhoto(bytes.get(), static_cast<int>(length));
    StorePhoto(record, hadPhoto);
    return true;
  }
  if (chosen == PHOTO_DELETE && hadPhoto) {
    record.RemovePhoto();
    CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
    if (record.contactId > 0 && db) db->RemovePhoto(record);
    return true;
  }
  return false;
}
