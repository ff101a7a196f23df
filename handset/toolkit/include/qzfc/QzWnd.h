// CQzWnd: the toolkit's window. A window has a handle from the window
// registry, a rectangle on the screen, a title, and a message procedure
// (QzDefWndProc) that turns raw messages into the virtual handlers below.
//
// Top-level windows (any style without WS_CHILD) stack on the screen; the
// topmost visible one is the foreground window, whose title the shell bar
// shows. Coordinates given to handlers and painting are client coordinates
// (origin at the window's top-left corner).
#pragma once

#include <string>
#include <vector>

#include "ce/gdi.h"
#include "ce/types.h"
#include "ce/window_registry.h"

#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L

// Toolkit notifications delivered to QzDefWndProc.
#define QZ_WM_COMMAND 0xFFF10001u     // PostCommandMessage: to OnQzCommand
#define QZ_WM_BUTTON_NOTIFY 0xFFF10002u  // wParam: control id | code << 16
#define QZ_WM_ACTIVATE 0xFFF10003u    // wParam low word 1 activated, 0 deactivated

// Codes of QZ_WM_BUTTON_NOTIFY.
#define QZ_BN_PRESSED 1
#define QZ_BN_RELEASED 2
#define QZ_BN_HELD 6

class CQzWnd {
 public:
  CQzWnd();
  CQzWnd(const CQzWnd&) = delete;
  CQzWnd& operator=(const CQzWnd&) = delete;

  // ---- virtual operations, in slot order ----
  virtual LPCWSTR GetQzClassName();
  virtual ~CQzWnd();
  virtual LRESULT QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnLButtonDblClk(UINT flags, int x, int y);
  virtual LRESULT OnLButtonDown(UINT flags, int x, int y);
  virtual LRESULT OnLButtonUp(UINT flags, int x, int y);
  virtual LRESULT OnMouseMove(UINT flags, int x, int y);
  virtual LRESULT OnTimer(UINT_PTR timerId);
  virtual LRESULT OnSize(UINT type, int width, int height);
  virtual LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
  virtual BOOL QzRegisterClass();
  // Creates the window at (x, y) (screen coordinates, or the parent's client
  // coordinates with WS_CHILD) and runs OnInitDialog; FALSE, with nothing left
  // behind, when it fails. The window starts hidden unless WS_VISIBLE is set.
  virtual BOOL Create(int x, int y, int width, int height, HWND parent, UINT id, DWORD style = 0,
                      DWORD exStyle = 0);
  virtual BOOL CreateModalDialog(int x, int y, int width, int height, HWND parent);
  virtual BOOL CreateChildWindow(int x, int y, int width, int height, HWND parent, UINT id);
  // Shows the window and runs a nested loop until EndModal; returns the code
  // given to EndModal. 0 when the window was not created or the loop stalled.
  // `animate` plays the show and hide animations when they are set.
  virtual int DoModal(BOOL animate = TRUE);
  virtual LRESULT OnPaint(HDC hdc, const RECT& rcUpdate);
  // Paints the window's own content. The default fills it white.
  virtual void PaintWin(HDC hdc, const RECT& rcUpdate);
  virtual void PreSubClassWindow();
  virtual LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnInitDialog();
  virtual LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnShellHomeKey();
  // A new bitmap (the caller deletes it) of the window's content as it would
  // paint now, of the given client rectangle or the whole window.
  virtual HBITMAP GetWindowBitmap(const RECT* rect);
  virtual HBITMAP GetWindowBitmap();

  // ---- handles and tree ----
  HWND GetHwnd() const { return m_hWnd; }
  UINT GetID() const { return m_id; }
  DWORD GetStyle() const { return m_style; }
  HWND GetParent() const { return m_hParent; }
  static CQzWnd* FromHandle(HWND hwnd);
  BOOL DestroyWindow();
  bool IsTopLevel() const { return !(m_style & WS_CHILD); }
  const std::vector<CQzWnd*>& GetChildren() const { return m_children; }

  // ---- messages ----
  LRESULT SendMessageW(UINT msg, WPARAM wParam, LPARAM lParam);
  BOOL PostMessageW(UINT msg, WPARAM wParam, LPARAM lParam);

  // ---- modal ----
  void EndModal(int result);
  bool IsInModalLoop() const { return m_inModal; }
  void SetAnimateType_Show(int type) { m_animShow = type; }
  void SetAnimateType_Hide(int type) { m_animHide = type; }
  // Margins (bottom, top, left, right) that stay still while the window
  // slides in or out: SetAnimateEdge(70, 0, 0, 0) keeps a 70-pixel tool bar.
  void SetAnimateEdge(int bottom, int top, int left, int right);

  // ---- visibility, geometry, text ----
  void Show(BOOL show = TRUE);
  BOOL IsWindowVisible() const;
  void SetWindowText(LPCWSTR text);
  LPCWSTR GetWindowText() const { return m_title.c_str(); }
  RECT GetWindowRect() const { return m_rcWindow; }  // screen coordinates
  RECT GetClientRect() const;
  int GetWidth() const { return m_rcWindow.right - m_rcWindow.left; }
  int GetHeight() const { return m_rcWindow.bottom - m_rcWindow.top; }
  void MoveWindow(int x, int y, int width, int height);

  // ---- painting ----
  // Marks the client rectangle (the whole window for NULL) for repainting.
  void Invalidate(const RECT* rect = nullptr);
  // Repaints what is marked, now.
  void Update();
  // Paints the window and its child windows into `hdc`, whose origin is the
  // window's top-left corner. Used by the screen and by GetWindowBitmap.
  void PaintTree(HDC hdc, const RECT& rcUpdate);

  // Delivers a message to this window's procedure (what SendMessageW does
  // for a window of this process).
  LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);

 protected:
  HWND m_hWnd = nullptr;

 private:
  void ApplyVisibility(bool visible, bool animate);
  void PlayShowHideAnimation(int type, bool showing);

  HWND m_hParent = nullptr;
  UINT m_id = 0;
  DWORD m_style = 0;
  DWORD m_exStyle = 0;
  RECT m_rcWindow{};
  std::wstring m_title;
  bool m_visible = false;
  std::vector<CQzWnd*> m_children;

  bool m_inModal = false;
  bool m_modalDone = false;
  int m_modalResult = 0;
  int m_animShow = 0;
  int m_animHide = 0;
  RECT m_animEdge{};  // left, top, right, bottom margins
};
