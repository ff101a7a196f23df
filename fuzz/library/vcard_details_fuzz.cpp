// Any bytes as a received card: decoded as the message composer and the
// phone host receive one, and, when it decodes, shown in the contact details
// list on the headless screen (every row built, measured, drawn and asked
// for its texts). Nothing may crash, hang or grow without bound, and every
// row the list builds is one it knows.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "ce/device.h"
#include "contacts/details/UiListContactInfo.h"
#include "platform/PimContract.h"
#include "platform/ToolkitContract.h"
#include "qzfc/Robot.h"

namespace {

class Host : public CQzWndEx {
 public:
  LPCWSTR GetQzClassName() override { return L"VcardDetailsFuzzHost"; }
};

struct Screen {
  Screen() {
    RECT wa = QzGetWorkArea();
    host.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, nullptr, 0, 0, 0);
    host.Show(TRUE);
    list.SetPos(0, 0, wa.right - wa.left, wa.bottom - wa.top - 70);
    host.AddUiWin(&list);
  }
  Host host;
  UiListContactInfo list;
  qzfc::Robot robot;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The list reads the phone settings: keep the store out of the user's own root.
  std::filesystem::path root = std::filesystem::temp_directory_path() / "vcard_details_fuzz";
  std::filesystem::create_directories(root);
  ce::SetDeviceRoot(root);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Screen* screen = new Screen();
  CContactInfo card;
  if (!CVcardCodec().DecodeVcfBytes(reinterpret_cast<const char*>(data), size, card)) return 0;
  card.FormatFileAs();
  UiListContactInfo& list = screen->list;
  list.GetContact() = std::move(card);
  list.SetRecordLoaded(true);
  list.AddAllItems();
  if (list.GetItemCount() < 2 || list.GetRowKind(0) != CONTACT_ROW_HEADER) std::abort();
  for (int row = 0; row < list.GetItemCount(); ++row) {
    const int kind = list.GetRowKind(row);
    if (kind < CONTACT_ROW_HEADER || kind > CONTACT_ROW_SEND || list.CalcItemHeight(row) <= 0) std::abort();
    list.GetRowValueText(row);
    qzu::string copied;
    list.GetRowCopyText(row, copied);
  }
  list.SetTopPos(0);
  screen->host.Invalidate();
  screen->robot.Settle();
  list.SetTopPos(-list.CalcContentHeight());
  screen->host.Invalidate();
  screen->robot.Settle();
  return 0;
}
