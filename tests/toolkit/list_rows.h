// A collection of rows for the list tests that records which rows the list
// asked about, and a fixture with a window holding one list.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "pixels.h"
#include "qzfc/IItemCollection.h"
#include "qzfc/ImagingHelper.h"
#include "qzfc/ItemAttribute.h"
#include "qzfc/UiCustomList.h"
#include "window_fixture.h"

namespace qzfc::test {

struct Row {
  std::wstring text;
  std::wstring sub = {};
  std::wstring text3 = {};
  std::wstring text4 = {};
  bool deletable = false;
  bool selected = false;
  bool disabled = false;
  ImagingHelper* image = nullptr;
  ImagingHelper* rightImage = nullptr;
  int height = 82;
};

class TestRows : public IItemCollection {
 public:
  ImagingHelper* GetItemImage(int i) override { return Ask(i).image; }
  ImagingHelper* GetItemRightImage(int i) override { return Ask(i).rightImage; }
  ImagingHelper* GetItemImagePressed(int i) override { return Ask(i).image; }
  ImagingHelper* GetItemRightImagePressed(int i) override { return Ask(i).rightImage; }
  CQzStringW GetItemText(int i) override { return Ask(i).text; }
  CQzStringW GetItemSubText(int i) override { return Ask(i).sub; }
  CQzStringW GetItemText3(int i) override { return Ask(i).text3; }
  CQzStringW GetItemText4(int i) override { return Ask(i).text4; }
  int GetItemCount() override { return static_cast<int>(rows.size()); }
  void SetItemSelected(int i, BOOL s) override { Ask(i).selected = s != FALSE; }
  BOOL CanDeleteItem(int i) override { return Ask(i).deletable; }
  BOOL IsItemSelected(int i) override { return Ask(i).selected; }
  int GetItemHeight(int i) override { return Ask(i).height; }
  void OnItemClicked(int i) override { clicked.push_back(i); }
  void DeleteItem(int i) override {
    Ask(i);
    deleted.push_back(i);
    rows.erase(rows.begin() + i);
  }
  BOOL IsItemDisabled(int i) override { return Ask(i).disabled; }

  Row& Ask(int i) {
    asked.insert(i);
    if (i < 0 || i >= static_cast<int>(rows.size())) {
      ADD_FAILURE() << "the list asked about row " << i << " of " << rows.size();
      static Row none;
      return none;
    }
    return rows[static_cast<size_t>(i)];
  }
  void Fill(int count) {
    for (int i = 0; i < count; ++i) rows.push_back(Row{L"Row " + std::to_wstring(i), L"", L"", L""});
  }

  std::vector<Row> rows;
  std::set<int> asked;
  std::vector<int> clicked;
  std::vector<int> deleted;
};

// An image of the handset's art, loaded from the source tree.
inline bool LoadArt(ImagingHelper& image, const std::string& relative) {
  std::filesystem::path path = std::filesystem::path(VORNA_SOURCE_DIR) / "handset/res" / relative;
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return !bytes.empty() && image.LoadSvg(bytes.data(), static_cast<UINT>(bytes.size()));
}

// Screen y of the list's client y (windows start below the shell bar).
constexpr int kScreenTop = 80;

// The row notifications that reached the window, as (message, row, part).
struct RowNote {
  UINT msg;
  int id;
  int row;
  int part;
  bool operator==(const RowNote&) const = default;
};

class ListWnd : public RecordingWnd {
 public:
  LRESULT QzDefWndProc(UINT msg, WPARAM w, LPARAM l) override {
    if (msg == QZ_WM_LIST_CLICK || msg == QZ_WM_LIST_HOLD || msg == QZ_WM_LIST_SELCHANGE)
      notes.push_back({msg, LOWORD(w), LOWORD(l), HIWORD(l)});
    return RecordingWnd::QzDefWndProc(msg, w, l);
  }
  std::vector<RowNote> notes;
};

// A click, hold or selection change of row `row` of list 1.
inline RowNote Click(int row, int part = 0) { return {QZ_WM_LIST_CLICK, 1, row & 0xFFFF, part}; }
inline RowNote Held(int row, int part = 0) { return {QZ_WM_LIST_HOLD, 1, row, part}; }
inline RowNote SelChange(int row) { return {QZ_WM_LIST_SELCHANGE, 1, row & 0xFFFF, 0}; }
using Notes = std::vector<RowNote>;

// A window holding list 1 over its top 650 pixels, notifying, with holds
// after 500 ms.
template <class List>
class ListTest : public ToolkitTest {
 protected:
  static constexpr int kListHeight = 650;
  void SetUp() override {
    Open(wnd);
    list.SetID(1);
    list.SetPos(0, 0, 480, kListHeight);
    list.EnableNotifyMessage(TRUE);
    list.EnablePressedHoldSupport(TRUE, 500);
    wnd.AddUiWin(&list);
  }
  // Binds `count` rows of the collection.
  void Bind(int count) {
    rows.Fill(count);
    list.SetCustomItemCollection(&rows);
    robot.Settle();
  }
  // Lets every animation finish.
  void Rest() { robot.Advance(3000); }
  // Screen y of the middle of row i while the list is at the top.
  static int RowY(int i) { return kScreenTop + 82 * i + 41; }
  // Taps row i at x, a second after the last touch (so never a double tap).
  void TapRow(int x, int i) {
    robot.Advance(1000);
    robot.Tap(x, RowY(i));
  }
  // Drags row i leftwards from x 400 to `toX`, a second after the last touch.
  void SlideRow(int i, int toX = 200) {
    robot.Advance(1000);
    robot.Drag(400, RowY(i), toX, RowY(i));
  }

  ListWnd wnd;
  List list;
  TestRows rows;
};

}  // namespace qzfc::test
