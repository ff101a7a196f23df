// A second process for the editor's crash test: opens the contact editor on a
// stored contact of the store in $VORNA_ROOT and makes a series of changes
// through the robot, as a user would, writing "<step>\n" to standard output
// after each change the editor acknowledged. Then it waits on standard input
// until the test kills it.
//
//   library_editor_peer CONTACT_ID
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "contacts/editor/AddressEditWnd.h"
#include "contacts/editor/ContactEditWnd.h"
#include "contacts/editor/UiListContactEdit.h"
#include "contacts/editor/dialogs/CValueEditWnd.h"
#include "qzfc/Robot.h"
#include "qzfc/Sip.h"

namespace {

constexpr int kTop = 80;

class Peer {
 public:
  explicit Peer(int id) {
    robot_.SetFailureReporter([](const std::string& what) {
      std::fprintf(stderr, "editor_peer: %s\n", what.c_str());
      std::_Exit(5);
    });
    editor_.SetMode(EDIT_MODE_EDIT);
    editor_.SetContactId(id);
    RECT wa = QzGetWorkArea();
    if (!editor_.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, nullptr, 0, WS_POPUP)) std::_Exit(3);
    editor_.Show(TRUE);
    robot_.Settle();
  }

  void Ack(int step) {
    std::string line = std::to_string(step) + "\n";
    if (write(1, line.data(), line.size()) != static_cast<ssize_t>(line.size())) std::_Exit(4);
  }
  int Row(int kind, int index = 0) {
    UiListContactEdit& list = *editor_.GetFieldList();
    for (int row = 0; row < list.GetItemCount(); ++row)
      if (list.GetRowKind(row) == kind && list.GetRowIndex(row) == index) return row;
    std::_Exit(6);
  }
  void TapRow(int row, int x) {
    UiListContactEdit& list = *editor_.GetFieldList();
    list.ScrollTo(LIST_SCROLL_SHOW_ITEM, row, FALSE);
    RECT rc = list.GetItemRect(row);
    Tap(x, kTop + (rc.top + rc.bottom) / 2);
  }
  void Tap(int x, int y) {
    robot_.Tap(x, y);
    robot_.Advance(300);
  }
  void TapControl(int id) {
    RECT rc = robot_.FindControl(id)->GetWinRect();
    Tap((rc.left + rc.right) / 2, kTop + (rc.top + rc.bottom) / 2);
  }
  void Fill(int id, const std::wstring& text) {
    TapControl(id);
    robot_.Char(27);
    robot_.Type(text);
    RECT key = qzfc::Sip::Instance().KeyRect(L"\u25BC");
    Tap((key.left + key.right) / 2, (key.top + key.bottom) / 2);
  }
  void Save() { Tap(420, 765); }

  void Run() {
    TapRow(Row(EDIT_ROW_PHONE, 1), 40);  // the second number becomes primary
    Ack(1);
    robot_.WhenModalWaits([this] {
      Fill(CValueEditWnd::kValueFieldId, L"13500135000");
      Save();
    });
    TapRow(Row(EDIT_ROW_PHONE, 0), 200);
    Ack(2);
    robot_.WhenModalWaits([this] {
      Fill(CAddressEditWnd::kCityId, L"Hangzhou");
      Save();
    });
    TapRow(Row(EDIT_ROW_ADDRESS), 200);
    Ack(3);
    const int email = Row(EDIT_ROW_EMAIL);
    TapRow(email, 430);
    TapRow(email, 430);
    Ack(4);
    robot_.WhenModalWaits([this] { TapControl(QZ_DAILY_CONFIRM_ID); });
    TapRow(Row(EDIT_ROW_BIRTHDAY), 200);
    Ack(5);
  }

 private:
  qzfc::Robot robot_;
  CContactEditWnd editor_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  Peer peer(std::atoi(argv[1]));
  peer.Run();
  char ignored;
  while (read(0, &ignored, 1) > 0) {
  }
  return 0;
}
