// Windows, window classes and messages: the plain core of the window system.
//
// A window is a handle with a class, a window procedure, a title, a parent,
// a control id, a rectangle and one user-data slot. Window procedures get
// every message; a display backend (see backend.h) may attach a widget to a
// window, but a window exists and works without one, so documents and their
// records can live headless.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class WindowHandle : std::uint32_t { None = 0 };

inline bool IsNone(WindowHandle h) { return h == WindowHandle::None; }

// Messages. Parameters follow the Windows conventions they replace.
enum Message : unsigned {
  MSG_CREATE = 1,       // lParam: const WindowCreateInfo*
  MSG_DESTROY,
  MSG_SIZE,             // wParam: width, lParam: height (client area)
  MSG_PAINT,            // lParam: backend painter (see the view layer)
  MSG_CLOSE,            // return value ignored; DefaultWindowProc destroys
  MSG_QUERYENDSESSION,  // return 1 to agree to close, 0 to refuse
  MSG_COMMAND,          // wParam: MakeCommandParam(id, code), lParam: sender
  MSG_TIMER,            // wParam: timer id
  MSG_SETFOCUS,
  MSG_KILLFOCUS,
  MSG_MDIACTIVATE,      // wParam: 1 when this window becomes active, 0 when not
  MSG_MOUSEMOVE,        // wParam: ModifierKeys (keys.h), lParam: MakePointParam(x, y)
  MSG_LBUTTONDOWN,
  MSG_LBUTTONUP,
  MSG_LBUTTONDBLCLK,
  MSG_RBUTTONDOWN,
  MSG_RBUTTONUP,
  MSG_MOUSEWHEEL,       // wParam: ModifierKeys | (delta << 16), lParam: point
  MSG_KEYDOWN,          // wParam: KeyCode (keys.h), lParam: ModifierKeys
  MSG_KEYUP,
  MSG_CHAR,             // wParam: Unicode code point
  MSG_HSCROLL,          // wParam: ScrollRequest | (position << 16)
  MSG_VSCROLL,
  MSG_QUIT,             // posted: wParam is the exit code
  MSG_MOUSELEAVE,       // the pointer left the window
  MSG_MOVING,           // a document's frame moved: lParam WindowRect* (frame in the MDI client; the
                        // procedure may change it and the frame goes there), wParam the client's height
  MSG_USER = 0x400,
};

// Command parameter packing: id in the low 16 bits, notification code above.
inline std::uintptr_t MakeCommandParam(unsigned id, unsigned code = 0) {
  return (static_cast<std::uintptr_t>(code & 0xFFFFu) << 16) | (id & 0xFFFFu);
}
inline unsigned CommandId(std::uintptr_t wParam) { return static_cast<unsigned>(wParam & 0xFFFFu); }
inline unsigned CommandCode(std::uintptr_t wParam) { return static_cast<unsigned>((wParam >> 16) & 0xFFFFu); }

inline std::intptr_t MakePointParam(int x, int y) {
  return static_cast<std::intptr_t>((static_cast<std::uint32_t>(y & 0xFFFF) << 16) |
                                    static_cast<std::uint32_t>(x & 0xFFFF));
}
inline int PointX(std::intptr_t lParam) { return static_cast<std::int16_t>(lParam & 0xFFFF); }
inline int PointY(std::intptr_t lParam) { return static_cast<std::int16_t>((lParam >> 16) & 0xFFFF); }

using WindowProc = std::intptr_t (*)(WindowHandle, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

// Window class style and window style bits (only those the program uses).
enum ClassStyle : unsigned {
  CLASS_DOUBLE_CLICKS = 1u << 0,
};
enum Background : unsigned {
  BACKGROUND_WHITE = 0,
  BACKGROUND_LIGHT_GREY = 1,
};
enum WindowStyle : unsigned {
  STYLE_CHILD = 1u << 0,
  STYLE_VISIBLE = 1u << 1,
  STYLE_CAPTION = 1u << 2,
  STYLE_SYSMENU = 1u << 3,
  STYLE_MINIMIZEBOX = 1u << 4,
  STYLE_MAXIMIZEBOX = 1u << 5,
  STYLE_HSCROLL = 1u << 6,
  STYLE_VSCROLL = 1u << 7,
  STYLE_THICKFRAME = 1u << 8,
  STYLE_MAXIMIZED = 1u << 9,
  STYLE_MDICHILD = 1u << 10,    // an MDI document inside an MDI client
  STYLE_MDICLIENT = 1u << 11,   // the MDI client of a frame
  STYLE_POPUP = 1u << 12,       // top-level pop-up window
  STYLE_BORDER = 1u << 13,
  STYLE_MULTILINE = 1u << 14,
  STYLE_CLIPCHILDREN = 1u << 15,
};

// A registered window class.
struct WindowClassInfo {
  std::string szName;
  WindowProc pfnProc = nullptr;
  unsigned iClassStyle = 0;
  int iExtraBytes = 0;
  int iIcon = 0;           // icon resource, 0 = none
  unsigned iBackground = BACKGROUND_WHITE;
  int iMenu = 0;           // menu resource, 0 = none
};

// What MSG_CREATE carries.
struct WindowCreateInfo {
  std::string_view szClass;
  std::string_view szTitle;
  WindowHandle hParent = WindowHandle::None;
  unsigned iStyle = 0;
  int iControlId = 0;
  int x = 0, y = 0, cx = 0, cy = 0;
  std::intptr_t lParam = 0;  // creation parameter
};

struct WindowRect {
  int x = 0, y = 0, cx = 0, cy = 0;
};

// Position value meaning "let the system choose".
inline constexpr int DEFAULT_POSITION = -0x8000;

// Register a window class; -1 when the name is empty, the procedure is
// missing or the class exists already.
int RegisterWindowClass(const WindowClassInfo& info);
const WindowClassInfo* FindWindowClass(std::string_view name);

// Create a window of a registered class. MSG_CREATE is sent before the
// function returns; a procedure returning -1 from it refuses the window
// (it is destroyed and None is returned).
WindowHandle CreateWindowOf(const WindowCreateInfo& info);

// A visible child window of a class with a control id and extra style bits.
WindowHandle CreateChildWindow(std::string_view cls, WindowHandle parent, int id, unsigned style = 0);

// Destroy a window and its children (children first get MSG_DESTROY after
// their parent, as on Windows the parent's message comes first).
void DestroyWindowOf(WindowHandle hwnd);

bool IsWindowAlive(WindowHandle hwnd);

// Message delivery. Sending to a dead window returns 0.
std::intptr_t SendMessageTo(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
void PostMessageTo(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
std::intptr_t SendCommand(WindowHandle hwnd, unsigned id, std::intptr_t lParam = 0);
void PostCommand(WindowHandle hwnd, unsigned id, std::intptr_t lParam = 0);

// Deliver every posted message now (the backend calls this from its event
// loop; headless code and tests call it directly). Messages to windows that
// died in between are dropped. Returns the number delivered.
int PumpPostedMessages();

// Ask the running event loop to end with `code`.
void PostQuit(int code);
bool QuitRequested(int* code);
void ClearQuitRequest();

// The default handling: MSG_CLOSE destroys, MSG_QUERYENDSESSION agrees.
std::intptr_t DefaultWindowProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

// Attributes.
std::string_view WindowClassName(WindowHandle hwnd);
std::string WindowTitle(WindowHandle hwnd);
void SetWindowTitle(WindowHandle hwnd, std::string_view title);
WindowHandle WindowParent(WindowHandle hwnd);
int WindowControlId(WindowHandle hwnd);
unsigned WindowStyleOf(WindowHandle hwnd);
std::vector<WindowHandle> WindowChildren(WindowHandle hwnd);
WindowHandle FindChildById(WindowHandle parent, int id);
void* WindowUserData(WindowHandle hwnd);
void SetWindowUserData(WindowHandle hwnd, void* data);
WindowRect WindowRectOf(WindowHandle hwnd);
// Move and size a window; sends MSG_SIZE when the size changed.
void MoveWindowTo(WindowHandle hwnd, int x, int y, int cx, int cy);
void ShowWindowOf(WindowHandle hwnd, bool show);
bool WindowIsVisible(WindowHandle hwnd);
void FocusWindow(WindowHandle hwnd);
// Put a window above its siblings.
void RaiseWindow(WindowHandle hwnd);
// Show a maximised or minimised window in its normal size again.
void RestoreWindowOf(WindowHandle hwnd);

// The backend reports a move or resize the window system made (the user
// dragged a border, a frame was maximised): the rectangle is updated and
// MSG_SIZE is sent when the size changed.
void WindowGeometryChanged(WindowHandle hwnd, int x, int y, int cx, int cy);

// Ask for a repaint of the whole client area.
void InvalidateWindow(WindowHandle hwnd);

// The backend's widget attached to a window, or null (headless).
void* WindowPeer(WindowHandle hwnd);
void SetWindowPeer(WindowHandle hwnd, void* peer);

// MDI: the active document of an MDI client, and activation. Activating
// sends MSG_MDIACTIVATE(0) to the previous and MSG_MDIACTIVATE(1) to the new.
WindowHandle MdiActiveChild(WindowHandle hMdiClient);
void MdiActivate(WindowHandle hChild);
// Documents of an MDI client, most recently activated first.
std::vector<WindowHandle> MdiChildren(WindowHandle hMdiClient);

// Number of live windows (diagnostics and tests).
int LiveWindowCount();
