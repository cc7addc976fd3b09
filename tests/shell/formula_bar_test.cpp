// The formula bar without a display: targets, the state list, keeping
// edits when the target or the table changes, the formula menu's effects,
// both languages and the layout.
#include "shell/formula_bar.h"

#include <gtest/gtest.h>

#include <string>

#include "formula/formula_marker.h"
#include "formula/formula_registry.h"
#include "platform/edit_control.h"
#include "platform/list_control.h"
#include "platform/popup_menu.h"
#include "platform/timers.h"
#include "resources/language.h"
#include "resources/command_ids.h"
#include "shell/frame_window.h"
#include "shell/program_state.h"
#include "support/dialog_script_guard.h"
#include "support/headless_program.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_range.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

namespace {

class FormulaBarLogicTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartHeadlessProgram();
    PopupScriptBegin();
  }
  void TearDown() override {
    PopupScriptEnd();
    if (IsWindowAlive(frame_)) DestroyWindowOf(frame_);
    EXPECT_EQ(TableLocksHeld(), 0);
    EndHeadlessProgram();
  }
  void Start(bool chinese = false) {
    dir_.WriteFile("CVLib/SysName.TXT", chinese ? "[CVSYS][Cartovel][Tables][][][][][][][][][Chinese]" : "[CVSYS][Cartovel][Tables]");
    frame_ = CreateFrameWindow();
    ASSERT_FALSE(IsNone(frame_));
    MoveWindowTo(frame_, 0, 0, 1024, 700);
  }
  // A new table, active and past its activation timer.
  WindowHandle NewTable() {
    SendCommand(frame_, CMD_NEW);
    const WindowHandle table = MdiActiveChild(Program().hMdiClient);
    Activate(table);
    return table;
  }
  static void Activate(WindowHandle table) {
    MdiActivate(table);
    FireTimer(table, TIMER_TABLE_ACTIVE);
    PumpPostedMessages();
  }
  static FormulaBarState& Bar() { return *FormulaBarStateOf(Program().hFormulaBar); }
  static void Target(const char* target) {
    SendCommand(Program().hFormulaBar, CMD_FORMULA_BAR_TARGET, reinterpret_cast<std::intptr_t>(target));
  }
  static void Type(std::string_view text) {
    EditSetSelection(Bar().hFormula, 0, 100000);
    EditReplaceSelection(Bar().hFormula, text);
  }
  static std::string Formula() { return EditText(Bar().hFormula); }
  static int State() { return ListCurrent(Bar().hState); }
  static const FormulaSlot* SlotOf(WindowHandle table, int row, int col) {
    const TableRecord& t = *static_cast<TableRecord*>(WindowUserData(table));
    for (const FormulaSlot& s : t.formulaSlots) {
      if (s.iState != FORMULA_FREE && s.iTargetRow == row && s.iTargetCol == col) return &s;
    }
    return nullptr;
  }

  DialogScriptGuard dialogs_;
  TempDir dir_;
  ScopedCurrentDir cwd_{dir_.path()};
  WindowHandle frame_{};
};

TEST_F(FormulaBarLogicTest, DisabledUntilATableIsActive) {
  Start();
  EXPECT_FALSE(Bar().bEnabled);
  EXPECT_TRUE(EditIsReadOnly(Bar().hFormula));
  EXPECT_EQ(ListCount(Bar().hState), 0);
  EXPECT_EQ(EditPrompt(Bar().hTarget), "Target (Row,Col)");
  EXPECT_EQ(EditPrompt(Bar().hFormula), "User math formula edit box");
  const WindowHandle table = NewTable();
  EXPECT_TRUE(Bar().bEnabled);
  EXPECT_FALSE(EditIsReadOnly(Bar().hFormula));
  EXPECT_EQ(ListEntry(Bar().hState, 3), "Run");
  EXPECT_EQ(ListCount(Bar().hDecimals), 10);
  EXPECT_EQ(ListEntry(Bar().hDecimals, 0), "Full precision");
  EXPECT_EQ(ListEntry(Bar().hDecimals, 9), "8: 123.12312312");
  // Every upper button works with a table, Copy with one range only.
  for (int b = 0; b < BAR_UPPER_BUTTONS; ++b) EXPECT_EQ(FormulaBarButtonEnabled(Bar(), b), b != 6) << b;
  if (TableLockGuard t(table); t) t->iSelCurrent = 1;
  SendMessageTo(table, MSG_SETFOCUS);
  PumpPostedMessages();
  EXPECT_FALSE(FormulaBarButtonEnabled(Bar(), 8));
}

TEST_F(FormulaBarLogicTest, ListsAndTipsInChinese) {
  Start(true);
  ASSERT_TRUE(LanguageIsChinese());
  NewTable();
  EXPECT_EQ(ListEntry(Bar().hState, 0), "编辑");
  EXPECT_EQ(ListEntry(Bar().hState, 2), "待用");
  EXPECT_EQ(ListEntry(Bar().hDecimals, 0), "全精度");
  EXPECT_EQ(ListEntry(Bar().hMath, 0), "数学函数列表");
  EXPECT_EQ(ListEntry(Bar().hMath, 1), "acos(弧度)");
  EXPECT_EQ(ListEntry(Bar().hStats, 0), "统计 & 矩阵函数列表");
  EXPECT_EQ(ListEntry(Bar().hStats, 1), "average(D1,D2,...) 平均值");
  EXPECT_EQ(EditPrompt(Bar().hTarget), "目标 (行,列)");
  // The tooltip box is wider for Chinese texts.
  const WindowRect fill = Bar().layout.buttons[BAR_FIRST_LOWER];
  SendMessageTo(Program().hFormulaBar, MSG_MOUSEMOVE, 0, MakePointParam(fill.x + 3, fill.y + 3));
  EXPECT_EQ(EditText(Program().hHintEdit), "设置已选定单元背景色");
  EXPECT_EQ(WindowRectOf(Program().hHintEdit).cx, 5 * 20 + 40);
  FireTimer(Program().hFormulaBar, TIMER_BAR_TIP);
  EXPECT_EQ(WindowRectOf(Program().hHintEdit).cx, 0);
}

// Switching to another target after editing a formula without running it
// stores the edited text as an inactive formula of the old target.
TEST_F(FormulaBarLogicTest, AnEditIsKeptWhenTheTargetChanges) {
  Start();
  const WindowHandle table = NewTable();
  TableSetCellText(table, 1, 1, "5");
  ASSERT_EQ(FormulaRun(table, "R2C1", FORMULA_MODE_RUN, "R1C1+1", -1), 0);
  Target("R2C1");
  EXPECT_EQ(Formula(), "R1C1+1");
  EXPECT_EQ(State(), BAR_STATE_RUN);
  Type("R1C1*10");
  EXPECT_EQ(State(), BAR_STATE_EDIT);
  Target("R4C4");
  EXPECT_EQ(Formula(), "");
  const FormulaSlot* slot = SlotOf(table, 2, 1);
  ASSERT_NE(slot, nullptr);
  EXPECT_STREQ(slot->szFormula.data(), "R1C1*10");
  EXPECT_EQ(slot->iState, FORMULA_INACTIVE);
  EXPECT_EQ(TableCellDisplayText(table, 2, 1), "6") << "stored, not run";

  // A new target's edit is stored the same way; an untouched one stays.
  Type("R1C1-1");
  Target("R2C1");
  ASSERT_NE(SlotOf(table, 4, 4), nullptr);
  EXPECT_EQ(SlotOf(table, 4, 4)->iState, FORMULA_INACTIVE);
  EXPECT_EQ(Formula(), "R1C1*10");
  EXPECT_EQ(State(), BAR_STATE_INACTIVE);
  // Running from the state list, then leaving: the formula stays running.
  ListChoose(Bar().hState, BAR_STATE_RUN);
  EXPECT_EQ(TableCellDisplayText(table, 2, 1), "50");
  Target("R5C5");
  EXPECT_EQ(SlotOf(table, 2, 1)->iState, FORMULA_RUN);
  EXPECT_EQ(SlotOf(table, 5, 5), nullptr);
}

TEST_F(FormulaBarLogicTest, EmptyingTheBoxDeletesTheFormula) {
  Start();
  const WindowHandle table = NewTable();
  ASSERT_EQ(FormulaRun(table, "R2C2", FORMULA_MODE_RUN, "1+2", 1), 0);
  Target("R2C2");
  EXPECT_EQ(ListCurrent(Bar().hDecimals), 2);
  Type("");
  EXPECT_EQ(SlotOf(table, 2, 2), nullptr);
  EXPECT_EQ(TableCellDisplayText(table, 2, 2), "");
  EXPECT_EQ(State(), BAR_STATE_EDIT);
  // Choosing Delete does the same.
  ASSERT_EQ(FormulaRun(table, "R2C2", FORMULA_MODE_RUN, "1+2", -1), 0);
  Target("R2C2");
  ListChoose(Bar().hState, BAR_STATE_DELETE);
  EXPECT_EQ(SlotOf(table, 2, 2), nullptr);
  EXPECT_EQ(Formula(), "");
  EXPECT_EQ(State(), BAR_STATE_EDIT);
}

// An edit of a target in one table is kept there when another table
// becomes active, and the bar does not carry the target over.
TEST_F(FormulaBarLogicTest, AnotherTableTakesNoTargetOfTheFirst) {
  Start();
  const WindowHandle first = NewTable();
  Target("R3C3");
  Type("2*3");
  const WindowHandle second = NewTable();
  EXPECT_EQ(EditText(Bar().hTarget), "");
  EXPECT_EQ(Formula(), "");
  ASSERT_NE(SlotOf(first, 3, 3), nullptr);
  EXPECT_EQ(SlotOf(first, 3, 3)->iState, FORMULA_INACTIVE);
  // Run reaches no table without a target of its own.
  ListChoose(Bar().hState, BAR_STATE_RUN);
  EXPECT_EQ(SlotOf(second, 3, 3), nullptr);

  // Closing the first (not active) table leaves the second's target alone.
  Target("R1C1");
  Type("7");
  DestroyWindowOf(first);
  MdiActivate(second);
  PumpPostedMessages();
  EXPECT_TRUE(Bar().bEnabled);
  EXPECT_EQ(EditText(Bar().hTarget), "R1C1");
  EXPECT_EQ(Formula(), "7");
  // Closing the last one disables the bar.
  DestroyWindowOf(second);
  PumpPostedMessages();
  EXPECT_FALSE(Bar().bEnabled);
  EXPECT_EQ(EditText(Bar().hTarget), "");
  EXPECT_EQ(Program().toolStates[0], 1);
  EXPECT_EQ(Program().toolStates[2], 0);
}

// The formula menu of a target: View shows it in the bar, Run and Inactive
// show its new state, Delete empties the bar showing it.
TEST_F(FormulaBarLogicTest, TheFormulaMenuKeepsTheBarInStep) {
  Start();
  const WindowHandle table = NewTable();
  ASSERT_EQ(FormulaRun(table, "R2C2", FORMULA_MODE_RUN, "1+1", -1), 0);
  PopupScriptPush(CMD_FORMULA_VIEW);
  FormulaMarkerMenu(table, 10, 10, 2, 2);
  EXPECT_EQ(EditText(Bar().hTarget), "R2C2");
  EXPECT_EQ(Formula(), "1+1");
  EXPECT_EQ(static_cast<TableRecord*>(WindowUserData(table))->bShowRefs, 1);
  PopupScriptPush(CMD_FORMULA_INACTIVE);
  FormulaMarkerMenu(table, 10, 10, 2, 2);
  EXPECT_EQ(State(), BAR_STATE_INACTIVE);
  PopupScriptPush(CMD_FORMULA_DELETE);
  FormulaMarkerMenu(table, 10, 10, 2, 2);
  EXPECT_EQ(EditText(Bar().hTarget), "");
  EXPECT_EQ(Formula(), "");
  EXPECT_EQ(SlotOf(table, 2, 2), nullptr);
}

TEST_F(FormulaBarLogicTest, ATooLongListIsRefusedWithAMessage) {
  Start();
  const WindowHandle table = NewTable();
  Target("R1C1");
  if (TableLockGuard t(table); t) {
    ResetSelection(*t.get());
    t->selRowFrom[0] = 2, t->selRowTo[0] = 400, t->selColFrom[0] = t->selColTo[0] = 2;
    t->selKind[0] = SELECT_BLOCK;
  }
  DialogScriptPush(AnswerOk("Message"));
  const WindowRect add = Bar().layout.buttons[BAR_FIRST_LOWER + LOWER_ADD];
  SendMessageTo(Program().hFormulaBar, MSG_LBUTTONDOWN, 0, MakePointParam(add.x + 2, add.y + 2));
  SendMessageTo(Program().hFormulaBar, MSG_LBUTTONUP, 0, MakePointParam(add.x + 2, add.y + 2));
  ASSERT_EQ(DialogScriptShown().size(), 1u);
  EXPECT_EQ(DialogScriptShown()[0].szText, "Math Formula too long");
  EXPECT_EQ(Formula(), "");
  // A release away from the pressed button does nothing.
  SendMessageTo(Program().hFormulaBar, MSG_LBUTTONDOWN, 0, MakePointParam(add.x + 2, add.y + 2));
  SendMessageTo(Program().hFormulaBar, MSG_LBUTTONUP, 0, MakePointParam(add.x - 30, add.y + 2));
  EXPECT_EQ(DialogScriptShown().size(), 1u);
}

TEST(FormulaBarLayout, WideAndNarrow) {
  const FormulaBarLayout wide = FormulaBarLayoutFor(1024);
  EXPECT_EQ(wide.stats.x, 864);
  EXPECT_EQ(wide.stats.cx, 160);
  EXPECT_EQ(wide.math.x, 762);
  EXPECT_EQ(wide.decimals.x, 650);
  EXPECT_EQ(wide.formula.cx, 1024 - 203);
  const WindowRect& view = wide.buttons[BAR_FIRST_LOWER + LOWER_VIEW_CELLS];
  EXPECT_EQ(view.x + view.cx, 650 - 8);
  EXPECT_EQ(view.cx, 70);
  const WindowRect& get = wide.buttons[BAR_FIRST_LOWER + LOWER_GET_CELLS];
  EXPECT_EQ(get.x + get.cx, view.x - 2);
  EXPECT_EQ(wide.buttons[BAR_FIRST_LOWER + LOWER_BRACKETS].cx, 32);
  EXPECT_EQ(wide.buttons[3].x, 241);
  EXPECT_EQ(FormulaBarButtonAt(wide, 245, 20), 3);
  EXPECT_EQ(FormulaBarButtonAt(wide, 245, 50), -1);

  const FormulaBarLayout narrow = FormulaBarLayoutFor(716);
  EXPECT_EQ(narrow.stats.cx, 70);
  EXPECT_EQ(narrow.math.cx, 50);
  EXPECT_EQ(narrow.decimals.cx, 30);
  EXPECT_EQ(narrow.decimals.x, 716 - 70 - 2 - 50 - 2 - 30);
  EXPECT_EQ(FormulaBarLayoutFor(717).stats.cx, 160);
}

}  // namespace
