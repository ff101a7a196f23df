// The ring tone picker's list: one 82-pixel row per choice, its name and
// where it comes from, with a round mark on the right that is filled on the
// marked row. Taps notify the owner with QZ_WM_LIST_CLICK.
#pragma once

#include "RingToneChoices.h"
#include "qzfc/UiList.h"

namespace mediapickers {

class RingToneList : public UiList {
 public:
  // The choices stay the caller's and must outlive the list.
  void SetChoices(const RingToneChoices* choices);
  void DrawItem(HDC hdc, int index, const RECT& rcItem) override;

 private:
  const RingToneChoices* choices_ = nullptr;
};

}  // namespace mediapickers
