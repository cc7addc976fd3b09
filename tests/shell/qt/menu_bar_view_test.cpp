// The frame's real menu bar: its keys work on the frame with a table
// active, its items follow the enabled states, and the bar keeps its
// actions while only states change.
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/dialogs.h"
#include "platform/menu.h"
#include "platform/qt/qt_backend.h"
#include "resources/command_ids.h"
#include "shell/menu_bar.h"
#include "shell/program_state.h"
#include "support/qt_table.h"
#include "table/cell_store.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

namespace {

class MenuBarViewTest : public QtTableTest {
 protected:
  QMenuBar* Bar() const { return qobject_cast<QMainWindow*>(OuterWidgetOf(frame()))->menuBar(); }
  QWidget* Frame() const { return WidgetOf(frame())->window(); }
  // The action of a command on the real bar, or null.
  QAction* ActionOf(unsigned id) const {
    for (QAction* top : Bar()->actions()) {
      for (QAction* action : top->menu()->actions()) {
        if (!action->isSeparator() && action->data().toUInt() == id) return action;
      }
    }
    return nullptr;
  }
  static std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
};

TEST_F(MenuBarViewTest, CtrlNMakesANewTableAndCtrlSSavesTheActiveOne) {
  const int tables = Program().nOpenTables;
  QTest::keyClick(Frame(), Qt::Key_N, Qt::ControlModifier);
  ASSERT_EQ(Program().nOpenTables, tables + 1);
  const WindowHandle table = MdiActiveChild(Program().hMdiClient);
  ASSERT_NE(table, table_);
  SettleActivation(table);
  TableSetCellText(table, 1, 1, "42");

  const std::filesystem::path path = dir_ / "keys";
  DialogScriptPush(AnswerSaveFile(path.string()));
  QTest::keyClick(Frame(), Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(DialogScriptShown().size(), 1u);
  EXPECT_EQ(DialogScriptShown()[0].kind, DIALOG_SAVE_FILE);
  EXPECT_EQ(ReadBytes(dir_ / "keys.txt"), "42\r\n");

  // Ctrl+O opens the file dialog.
  DialogScriptPush(AnswerCancel(DIALOG_OPEN_FILE));
  QTest::keyClick(Frame(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(DialogScriptShown().size(), 2u);
}

// The bar shows the states the rules set, with the shown keys after the
// texts, and keeps its actions (and an open menu) across state changes.
TEST_F(MenuBarViewTest, TheBarFollowsTheStatesInPlace) {
  QAction* copy = ActionOf(CMD_COPY);
  QAction* cut = ActionOf(CMD_CUT);
  QAction* save = ActionOf(CMD_SAVE);
  ASSERT_TRUE(copy && cut && save);
  EXPECT_EQ(copy->text(), "Copy\tCtrl+C");
  EXPECT_TRUE(copy->shortcut().isEmpty()) << "the table takes Ctrl+C itself";
  EXPECT_EQ(save->shortcut(), QKeySequence("Ctrl+S"));
  EXPECT_TRUE(copy->isEnabled());
  EXPECT_FALSE(cut->isEnabled());
  EXPECT_TRUE(save->isEnabled());

  SetMenuItemGrayed(frame(), CMD_SAVE, true);
  SetMenuItemText(frame(), CMD_SAVE, "Save now");
  EXPECT_EQ(ActionOf(CMD_SAVE), save) << "the same action, updated";
  EXPECT_FALSE(save->isEnabled());
  EXPECT_EQ(save->text(), "Save now");
  // A grayed item's key does nothing.
  QTest::keyClick(Frame(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(DialogScriptShown().empty());

  // A bar of another shape is built anew.
  MenuBarSpec other;
  other.popups.push_back({"Only", {{CMD_ABOUT, "About"}}});
  SetWindowMenu(frame(), other);
  ASSERT_EQ(Bar()->actions().size(), 1);
  EXPECT_EQ(ActionOf(CMD_SAVE), nullptr);
  ASSERT_EQ(BuildMenuBar(frame(), 0), 0);
  EXPECT_EQ(Bar()->actions().size(), 6);
  ASSERT_NE(ActionOf(CMD_SAVE), nullptr);
  EXPECT_TRUE(ActionOf(CMD_SAVE)->isEnabled());
}

// Choosing an item whose command replaces the whole bar (the bar is
// rebuilt while its own action is still being triggered).
TEST_F(MenuBarViewTest, AnItemMayRebuildTheBarItIsOn) {
  static WindowHandle frameOfTest;
  frameOfTest = frame();
  TableRegisterCommand(CMD_TRANSPOSE, [](WindowHandle, unsigned, std::intptr_t) {
    MenuBarSpec other;
    other.popups.push_back({"Only", {{CMD_ABOUT, "About"}}});
    SetWindowMenu(frameOfTest, other);
    return 0;
  });
  QAction* transpose = ActionOf(CMD_TRANSPOSE);
  ASSERT_NE(transpose, nullptr);
  ASSERT_TRUE(transpose->isEnabled());
  transpose->trigger();
  TableRegisterCommand(CMD_TRANSPOSE, nullptr);
  ProcessEvents();
  EXPECT_EQ(Bar()->actions().size(), 1);
}

}  // namespace
