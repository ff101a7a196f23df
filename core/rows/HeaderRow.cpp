#include "core/module/Resources.h"
#include "core/rows/RowDrawing.h"

namespace {

// Header pictures of the image library, each covering the whole row.
constexpr UINT kFrameOverPhoto = 362;
constexpr UINT kNoPhoto = 363;
constexpr UINT kEditorFrameOverPhoto = 364;
constexpr UINT kEditorNoPhoto = 365;

constexpr int kTextLeft = 200;
// Without line 1 the other lines take its place: they move up by this much.
constexpr int kMissingLine1Shift = 30;

void DrawHeaderImage(HDC dc, UINT id, const RECT& rc) {
  ImagingHelper::GetImageObject(GetImageModule(), id, TRUE)->Draw(dc, rc, FALSE, FALSE);
}

}  // namespace

void DrawHeaderRow(const RECT& rc, HDC dc, ImagingHelper* photo, LPCWSTR name, LPCWSTR line4, LPCWSTR line2,
                   LPCWSTR line1, HEADER_ROW_STYLE style) {
  const bool editor = style == HEADER_ROW_EDITOR;
  if (photo && photo->IsLoaded()) {
    photo->Draw(dc, RECT{20, rc.top + 14, 175, rc.top + 172}, TRUE, TRUE);
    DrawHeaderImage(dc, editor ? kEditorFrameOverPhoto : kFrameOverPhoto, rc);
  } else {
    DrawHeaderImage(dc, editor ? kEditorNoPhoto : kNoPhoto, rc);
  }

  const int right = rc.right - 50;
  const bool hasLine1 = line1 && *line1;
  const int y = rc.top - (hasLine1 ? 0 : kMissingLine1Shift);
  DrawRowText(dc, line1, kTextLeft, y + 20, right, y + 50, kRowSubTextColour, kRowSubTextSize, ROW_TEXT_TOP);
  DrawRowText(dc, line2, kTextLeft, y + 60, right, y + 90, kRowSubTextColour, kRowSubTextSize, ROW_TEXT_TOP);
  DrawRowText(dc, name, kTextLeft, y + 90, right, y + 130, kRowTextColour, kRowMainTextSize, ROW_TEXT_TOP);
  DrawRowText(dc, line4, kTextLeft, y + 130, right, y + 160, kRowSubTextColour, kRowSubTextSize, ROW_TEXT_TOP);
}
