// "Open plug-in", "About Plug-in" and "Call Plug-in functions" reached
// through the frame's menu bar and the cell menu, as a user reaches them.
#include <gtest/gtest.h>

#include "platform/menu.h"
#include "platform/timers.h"
#include "resources/command_ids.h"
#include "shell/frame_window.h"
#include "shell/program_state.h"
#include "shell/table_popup_menus.h"
#include "sources/plugin_dialog.h"
#include "sources/plugin_fixture.h"
#include "support/dialog_script_guard.h"
#include "support/headless_program.h"
#include "table/table_access.h"
#include "table/table_range.h"

namespace {

// The grayed state of a menu bar item, or -1 when it has none.
int Grayed(WindowHandle frame, unsigned command) {
  const MenuBarSpec* menu = WindowMenu(frame);
  if (!menu) return -1;
  for (const MenuPopupSpec& popup : menu->popups) {
    for (const MenuItemSpec& item : popup.items) {
      if (item.iCommand == command) return item.bGrayed ? 1 : 0;
    }
  }
  return -1;
}

// Whether the cell menu offers "Call Plug-in functions".
bool CallOffered(WindowHandle table) {
  for (const PopupMenuItem& item : TableMouseLBMenu(table).items) {
    if (item.iCommand == CMD_CALL_PLUGIN) return !item.bGrayed;
  }
  return false;
}

class PluginMenusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartHeadlessProgram();
    PluginUnload();
    frame_ = CreateFrameWindow();
    ASSERT_FALSE(IsNone(frame_));
    SendCommand(frame_, CMD_NEW);
    table_ = MdiActiveChild(Program().hMdiClient);
    ASSERT_EQ(FireTimer(table_, 1598), 0);
  }
  void TearDown() override {
    PluginUnload();
    if (IsWindowAlive(frame_)) DestroyWindowOf(frame_);
    script_.Check();
    EXPECT_EQ(TableLocksHeld(), 0);
    EndHeadlessProgram();
  }
  DialogScriptGuard script_;
  WindowHandle frame_{};
  WindowHandle table_{};
};

// Before a plug-in is loaded "About Plug-in" and "Call Plug-in functions"
// are grayed; after "Open plug-in" both are offered, and the about box
// shows the plug-in's description.
TEST_F(PluginMenusTest, LoadingEnablesAboutAndTheCellMenuItem) {
  {
    TableLockGuard t(table_);
    ResetSelection(*t.get());
    t->selRowFrom[0] = t->selColFrom[0] = 1;
    t->selRowTo[0] = 3;
    t->selColTo[0] = 1;
    t->selKind[0] = SELECT_BLOCK;
    t->iEditRow = 1;
    t->iEditCol = 2;
  }
  PumpPostedMessages();
  EXPECT_EQ(Grayed(frame_, CMD_ABOUT_PLUGIN), 1);
  EXPECT_FALSE(CallOffered(table_));

  DialogScriptPush(AnswerOpenFile(FixturePlugin("complete")));
  SendCommand(frame_, CMD_OPEN_PLUGIN);
  PumpPostedMessages();
  EXPECT_EQ(Grayed(frame_, CMD_ABOUT_PLUGIN), 0);
  EXPECT_TRUE(CallOffered(table_));

  std::string shown;
  DialogScriptPush(AnswerDialog(PLUGIN_ABOUT_DIALOG_NAME, [&shown](DialogRequest& request) {
    shown = dynamic_cast<PluginAboutModel&>(*request.pModel).szText;
    return BUTTON_OK;
  }));
  SendCommand(frame_, CMD_ABOUT_PLUGIN);
  EXPECT_EQ(shown, "Fixture plug-in for tests");

  // A failed load leaves none loaded: both are grayed again.
  DialogScriptPush(AnswerOpenFile(FixturePlugin("no_capability")));
  DialogScriptPush(AnswerOk("Error Message"));
  SendCommand(frame_, CMD_OPEN_PLUGIN);
  PumpPostedMessages();
  EXPECT_EQ(Grayed(frame_, CMD_ABOUT_PLUGIN), 1);
  EXPECT_FALSE(CallOffered(table_));
}

}  // namespace
