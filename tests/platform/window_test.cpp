#include "platform/window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/menu.h"
#include "platform/timers.h"

namespace {

// Every test window logs the messages it gets as "<title> <message>
// [wParam]" so a test can check the order in which they arrive.
std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

const char* MessageName(unsigned msg) {
  switch (msg) {
    case MSG_CREATE: return "create";
    case MSG_DESTROY: return "destroy";
    case MSG_SIZE: return "size";
    case MSG_COMMAND: return "command";
    case MSG_TIMER: return "timer";
    case MSG_MDIACTIVATE: return "activate";
    case MSG_USER: return "user";
    default: return nullptr;
  }
}

std::intptr_t RecorderProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  if (const char* name = MessageName(msg)) {
    std::string entry = WindowTitle(hwnd) + " " + name;
    if (msg == MSG_MDIACTIVATE || msg == MSG_TIMER || msg == MSG_USER || msg == MSG_SIZE) {
      entry += " " + std::to_string(wParam);
    }
    if (msg == MSG_COMMAND) entry += " " + std::to_string(CommandId(wParam));
    Log().push_back(entry);
  }
  if (msg == MSG_CREATE) {
    const auto* info = reinterpret_cast<const WindowCreateInfo*>(lParam);
    if (info->lParam == -1) return -1;  // asked to refuse
  }
  return DefaultWindowProc(hwnd, msg, wParam, lParam);
}

// A window that posts a message to itself each time it gets one.
std::intptr_t RepostProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  if (msg == MSG_USER) PostMessageTo(hwnd, MSG_USER);
  return DefaultWindowProc(hwnd, msg, wParam, lParam);
}

class WindowCoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static const bool registered = RegisterWindowClass({"TestRecorder", RecorderProc}) == 0 &&
                                   RegisterWindowClass({"TestReposter", RepostProc}) == 0;
    ASSERT_TRUE(registered);
    Log().clear();
    PumpPostedMessages();
    windowsBefore_ = LiveWindowCount();
  }
  void TearDown() override {
    for (WindowHandle h : created_) DestroyWindowOf(h);
    PumpPostedMessages();
    ClearQuitRequest();
    EXPECT_EQ(LiveWindowCount(), windowsBefore_) << "a test left windows behind";
  }

  WindowHandle Make(const char* title, WindowHandle parent = WindowHandle::None, unsigned style = 0,
                    int id = 0, std::intptr_t param = 0) {
    WindowCreateInfo info;
    info.szClass = "TestRecorder";
    info.szTitle = title;
    info.hParent = parent;
    info.iStyle = style;
    info.iControlId = id;
    info.lParam = param;
    const WindowHandle h = CreateWindowOf(info);
    if (!IsNone(h) && IsNone(parent)) created_.push_back(h);
    return h;
  }

  std::vector<WindowHandle> created_;
  int windowsBefore_ = 0;
};

TEST_F(WindowCoreTest, RegisterRejectsBadAndDuplicateClasses) {
  EXPECT_EQ(RegisterWindowClass({"", RecorderProc}), -1);
  EXPECT_EQ(RegisterWindowClass({"TestNoProc", nullptr}), -1);
  EXPECT_EQ(RegisterWindowClass({"TestRecorder", RecorderProc}), -1);
  EXPECT_EQ(FindWindowClass("TestNoProc"), nullptr);
  ASSERT_NE(FindWindowClass("TestRecorder"), nullptr);
}

TEST_F(WindowCoreTest, CreateKeepsAttributesAndRefusesUnknownClassOrDeadParent) {
  const WindowHandle top = Make("top", WindowHandle::None, STYLE_VISIBLE);
  ASSERT_FALSE(IsNone(top));
  const WindowHandle child = Make("child", top, STYLE_CHILD, 42);
  ASSERT_FALSE(IsNone(child));
  EXPECT_EQ(WindowClassName(top), "TestRecorder");
  EXPECT_TRUE(WindowIsVisible(top));
  EXPECT_FALSE(WindowIsVisible(child));
  EXPECT_EQ(WindowParent(child), top);
  EXPECT_EQ(WindowControlId(child), 42);
  EXPECT_EQ(FindChildById(top, 42), child);
  EXPECT_TRUE(IsNone(FindChildById(top, 43)));
  EXPECT_EQ(WindowChildren(top), std::vector<WindowHandle>{child});
  EXPECT_EQ(Log(), (std::vector<std::string>{"top create", "child create"}));

  WindowCreateInfo unknown;
  unknown.szClass = "NoSuchClass";
  EXPECT_TRUE(IsNone(CreateWindowOf(unknown)));

  const WindowHandle gone = Make("gone");
  DestroyWindowOf(gone);
  EXPECT_TRUE(IsNone(Make("orphan", gone)));
  EXPECT_FALSE(IsWindowAlive(gone));
  EXPECT_EQ(WindowTitle(gone), "");
  EXPECT_EQ(WindowClassName(gone), "");
}

TEST_F(WindowCoreTest, CreateReturningMinusOneRefusesTheWindow) {
  const int before = LiveWindowCount();
  EXPECT_TRUE(IsNone(Make("refused", WindowHandle::None, 0, 0, -1)));
  EXPECT_EQ(LiveWindowCount(), before);
  // The refused window still gets its destroy message, so it can clean up.
  EXPECT_EQ(Log(), (std::vector<std::string>{"refused create", "refused destroy"}));
}

TEST_F(WindowCoreTest, DestroyGoesParentFirstThenChildrenYoungestFirst) {
  const WindowHandle parent = Make("P");
  const WindowHandle a = Make("A", parent);
  const WindowHandle b = Make("B", parent);
  const WindowHandle b1 = Make("B1", b);
  Log().clear();
  DestroyWindowOf(parent);
  EXPECT_EQ(Log(), (std::vector<std::string>{"P destroy", "B destroy", "B1 destroy", "A destroy"}));
  for (WindowHandle h : {parent, a, b, b1}) EXPECT_FALSE(IsWindowAlive(h));
  DestroyWindowOf(parent);  // a second destroy is harmless
  EXPECT_EQ(Log().size(), 4u);
}

TEST_F(WindowCoreTest, DestroyingAChildRemovesItFromItsParent) {
  const WindowHandle parent = Make("P");
  const WindowHandle a = Make("A", parent);
  const WindowHandle b = Make("B", parent);
  DestroyWindowOf(a);
  EXPECT_EQ(WindowChildren(parent), std::vector<WindowHandle>{b});
}

TEST_F(WindowCoreTest, SendAndPostDeliverToLiveWindowsOnly) {
  const WindowHandle w = Make("w");
  const WindowHandle doomed = Make("doomed");
  Log().clear();
  EXPECT_EQ(SendMessageTo(WindowHandle::None, MSG_USER, 1), 0);
  PostMessageTo(w, MSG_USER, 1);
  PostMessageTo(doomed, MSG_USER, 2);
  PostCommand(w, 57600);
  PostMessageTo(w, MSG_USER, 3);
  EXPECT_TRUE(Log().empty()) << "posting must not deliver at once";
  DestroyWindowOf(doomed);
  EXPECT_EQ(PumpPostedMessages(), 3);
  EXPECT_EQ(Log(), (std::vector<std::string>{"doomed destroy", "w user 1", "w command 57600", "w user 3"}));
  EXPECT_EQ(PumpPostedMessages(), 0);
}

TEST_F(WindowCoreTest, PostedQuitSetsTheQuitRequest) {
  ClearQuitRequest();
  int code = -1;
  EXPECT_FALSE(QuitRequested(&code));
  PostMessageTo(WindowHandle::None, MSG_QUIT, 3);
  EXPECT_FALSE(QuitRequested(nullptr));
  PumpPostedMessages();
  EXPECT_TRUE(QuitRequested(&code));
  EXPECT_EQ(code, 3);
  ClearQuitRequest();
  EXPECT_FALSE(QuitRequested(&code));
  EXPECT_EQ(code, 0);
}

TEST_F(WindowCoreTest, PumpIsBoundedForAWindowThatRepostsToItself) {
  WindowCreateInfo info;
  info.szClass = "TestReposter";
  const WindowHandle w = CreateWindowOf(info);
  ASSERT_FALSE(IsNone(w));
  PostMessageTo(w, MSG_USER);
  EXPECT_EQ(PumpPostedMessages(), 100000);
  DestroyWindowOf(w);
  EXPECT_EQ(PumpPostedMessages(), 0);  // the one left is dropped
}

TEST_F(WindowCoreTest, MoveSendsSizeOnlyWhenTheSizeChanges) {
  const WindowHandle w = Make("w");
  Log().clear();
  MoveWindowTo(w, 1, 2, 300, 200);
  MoveWindowTo(w, 5, 6, 300, 200);  // moved, same size
  MoveWindowTo(w, 5, 6, -4, 10);
  EXPECT_EQ(Log(), (std::vector<std::string>{"w size 300", "w size 0"}));
  const WindowRect r = WindowRectOf(w);
  EXPECT_EQ(r.x, 5);
  EXPECT_EQ(r.cx, -4);
  EXPECT_EQ(r.cy, 10);
}

class MdiTest : public WindowCoreTest {
 protected:
  void SetUp() override {
    WindowCoreTest::SetUp();
    frame_ = Make("frame");
    client_ = Make("client", frame_, STYLE_CHILD | STYLE_MDICLIENT);
  }
  WindowHandle Doc(const char* title) { return Make(title, client_, STYLE_MDICHILD); }

  WindowHandle frame_{};
  WindowHandle client_{};
};

TEST_F(MdiTest, CreatingADocumentActivatesIt) {
  const WindowHandle a = Doc("A");
  const WindowHandle b = Doc("B");
  EXPECT_EQ(MdiActiveChild(client_), b);
  EXPECT_EQ(MdiChildren(client_), (std::vector<WindowHandle>{b, a}));
  EXPECT_EQ(Log(), (std::vector<std::string>{"frame create", "client create", "A create", "A activate 1",
                                             "B create", "A activate 0", "B activate 1"}));
}

TEST_F(MdiTest, ActivatingMovesTheDocumentToTheFront) {
  const WindowHandle a = Doc("A");
  const WindowHandle b = Doc("B");
  const WindowHandle c = Doc("C");
  Log().clear();
  MdiActivate(a);
  EXPECT_EQ(MdiChildren(client_), (std::vector<WindowHandle>{a, c, b}));
  EXPECT_EQ(Log(), (std::vector<std::string>{"C activate 0", "A activate 1"}));
  Log().clear();
  MdiActivate(a);  // already active: nothing happens
  MdiActivate(client_);  // not a document
  EXPECT_TRUE(Log().empty());
}

TEST_F(MdiTest, DestroyingTheActiveDocumentActivatesTheNextOne) {
  const WindowHandle a = Doc("A");
  const WindowHandle b = Doc("B");
  const WindowHandle c = Doc("C");
  MdiActivate(a);  // order A, C, B
  Log().clear();
  DestroyWindowOf(a);
  EXPECT_EQ(MdiActiveChild(client_), c);
  EXPECT_EQ(Log(), (std::vector<std::string>{"A activate 0", "C activate 1", "A destroy"}));
  Log().clear();
  DestroyWindowOf(b);  // not active: nobody is activated
  EXPECT_EQ(Log(), (std::vector<std::string>{"B destroy"}));
  EXPECT_EQ(MdiChildren(client_), std::vector<WindowHandle>{c});
  Log().clear();
  DestroyWindowOf(c);
  EXPECT_EQ(Log(), (std::vector<std::string>{"C activate 0", "C destroy"}));
  EXPECT_TRUE(IsNone(MdiActiveChild(client_)));
}

TEST_F(MdiTest, ClosingTheFrameTakesEveryDocument) {
  const WindowHandle a = Doc("A");
  const WindowHandle b = Doc("B");
  SendMessageTo(frame_, MSG_CLOSE);
  created_.clear();
  for (WindowHandle h : {frame_, client_, a, b}) EXPECT_FALSE(IsWindowAlive(h));
}

class TimerTest : public WindowCoreTest {};

TEST_F(TimerTest, StartFireStop) {
  const WindowHandle w = Make("w");
  EXPECT_EQ(StartTimer(w, 7, 0), -1);
  EXPECT_EQ(StartTimer(WindowHandle::None, 7, 10), -1);
  EXPECT_EQ(FireTimer(w, 7), -1);
  EXPECT_FALSE(TimerIsActive(w, 7));
  EXPECT_EQ(TimerInterval(w, 7), 0u);

  ASSERT_EQ(StartTimer(w, 7, 60), 0);
  EXPECT_TRUE(TimerIsActive(w, 7));
  EXPECT_EQ(TimerInterval(w, 7), 60u);
  ASSERT_EQ(StartTimer(w, 7, 100), 0);  // restart with a new interval
  EXPECT_EQ(TimerInterval(w, 7), 100u);
  Log().clear();
  EXPECT_EQ(FireTimer(w, 7), 0);
  EXPECT_EQ(FireTimer(w, 7), 0);  // keeps running after it fired
  EXPECT_EQ(Log(), (std::vector<std::string>{"w timer 7", "w timer 7"}));
  EXPECT_EQ(StopTimer(w, 7), 0);
  EXPECT_EQ(StopTimer(w, 7), -1);
  EXPECT_EQ(FireTimer(w, 7), -1);
  EXPECT_EQ(Log().size(), 2u);
}

TEST_F(TimerTest, DestroyStopsOnlyTheWindowsOwnTimers) {
  const WindowHandle w = Make("w");
  const WindowHandle other = Make("other");
  StartTimer(w, 1, 10);
  StartTimer(w, 2, 20);
  StartTimer(other, 1, 30);
  DestroyWindowOf(w);
  EXPECT_FALSE(TimerIsActive(w, 1));
  EXPECT_FALSE(TimerIsActive(w, 2));
  EXPECT_TRUE(TimerIsActive(other, 1));
  StopWindowTimers(other);
  EXPECT_FALSE(TimerIsActive(other, 1));
}

class MenuTest : public WindowCoreTest {};

TEST_F(MenuTest, ChoosingAnItemSendsItsCommandUnlessGrayed) {
  const WindowHandle w = Make("w");
  EXPECT_EQ(WindowMenu(w), nullptr);
  MenuBarSpec menu;
  menu.popups.push_back({"File", {{100, "Open"}, {0, ""}, {101, "Close", true}}});
  SetWindowMenu(w, menu);
  ASSERT_NE(WindowMenu(w), nullptr);
  Log().clear();
  EXPECT_EQ(ChooseMenuItem(w, 100), 0);
  EXPECT_EQ(ChooseMenuItem(w, 101), -1);  // grayed
  EXPECT_EQ(ChooseMenuItem(w, 0), -1);    // a separator is no item
  EXPECT_EQ(ChooseMenuItem(w, 999), -1);
  EXPECT_EQ(SetMenuItemGrayed(w, 101, false), 0);
  EXPECT_EQ(ChooseMenuItem(w, 101), 0);
  EXPECT_EQ(Log(), (std::vector<std::string>{"w command 100", "w command 101"}));
  EXPECT_EQ(SetMenuItemText(w, 100, "Open ..."), 0);
  EXPECT_EQ(WindowMenu(w)->popups[0].items[0].szText, "Open ...");
  EXPECT_EQ(SetMenuItemText(w, 555, "x"), -1);
  EXPECT_EQ(SetMenuItemGrayed(WindowHandle::None, 100, true), -1);
}

}  // namespace
