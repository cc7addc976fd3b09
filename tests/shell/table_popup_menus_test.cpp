// The table's header bar and cell pop-up menus opened with the right
// button: their items in both languages, the enabled states the selection
// allows, the skip-next-pop-up flag and the chosen item reaching the table.
#include "shell/table_popup_menus.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "formula/formula_registry.h"
#include "platform/popup_menu.h"
#include "resources/language.h"
#include "resources/string_table.h"
#include "resources/command_ids.h"
#include "support/sampled_table.h"
#include "support/dialog_script_guard.h"
#include "support/table_input.h"
#include "table/cell_store.h"
#include "table/popup_skip.h"
#include "table/table_range.h"
#include "table/table_window_ops.h"

namespace {

struct ExpectedItem {
  unsigned iCommand;  // 0: a separator
  const char* szEnglish;
  const char* szChinese;
};

const std::vector<ExpectedItem> kColumnBarItems = {
    {CMD_POSITION_LOCK, "Column Positon Lock", "列 位置锁定"},
    {0, "", ""},
    {CMD_HIDE, "Hide", "消隐"},
    {0, "", ""},
    {CMD_BAR_DELETE, "Delete ...", "删除"},
    {CMD_BAR_INSERT, "Insert ...", "插入"},
    {0, "", ""},
    {CMD_BAR_COPY, "Copy", "复制"},
    {CMD_BAR_CUT, "Cut", "剪切"},
    {CMD_BAR_PASTE, "Paste", "粘贴"},
};

const std::vector<ExpectedItem> kCellItems = {
    {CMD_CALL_PLUGIN, "Call Plug-in functions", "调用插入功能库"},
    {0, "", ""},
    {CMD_GET_DETAILED_DATA, "Get detailed data", "提取详细数据"},
    {CMD_REMOVE_DETAILED_DATA, "Remove detailed data", "清除详细数据"},
    {0, "", ""},
    {CMD_POPUP_FIND, "Find data", "查找数据"},
    {CMD_SORT_DATA, "Sort data", "排序数据"},
    {0, "", ""},
    {CMD_POPUP_COPY, "Copy", "复制"},
    {CMD_POPUP_CUT, "Cut", "剪切"},
    {CMD_POPUP_PASTE, "Paste", "粘贴"},
    {0, "", ""},
    {CMD_POPUP_DATA_PROPERTY, "Set data property", "设置数据属性"},
    {0, "", ""},
    {CMD_VIEW_2D_PLOT, "View 2D plot", "数据二维图"},
    {CMD_VIEW_3D_PLOT, "View 3D plot", "数据三维图"},
    {CMD_POPUP_TREND, "Data trend color analysis", "数据趋势彩色分析"},
    {0, "", ""},
    {CMD_DECLARE_X, "Declare as X coordinate", "约定 X 坐标"},
    {CMD_DECLARE_Y, "Declare as Y coordinate", "约定 Y 坐标"},
    {CMD_DECLARE_Z, "Declare as Z coordinate", "约定 Z 坐标"},
    {CMD_REMOVE_COORDINATE, "Remove Coordinate", "清除坐标约定"},
};

using Ids = std::set<unsigned>;

// The commands of the items that can be chosen.
Ids EnabledIds(const PopupMenuList& menu) {
  Ids ids;
  for (const PopupMenuItem& item : menu.items) {
    if (item.iCommand != 0 && !item.bGrayed) ids.insert(static_cast<unsigned>(item.iCommand));
  }
  return ids;
}

std::string Describe(const Ids& ids) {
  std::string text;
  for (unsigned id : ids) text += std::to_string(id) + " ";
  return text;
}

class TablePopupMenusTest : public TableInputTest {
 protected:
  void SetUp() override {
    TableInputTest::SetUp();
    PopupScriptBegin();
  }
  void TearDown() override {
    PopupScriptEnd();
    TableInputTest::TearDown();
  }

  void RightClick(int x, int y, unsigned keys = 0) const {
    Send(MSG_RBUTTONDOWN, MK_RBUTTON | keys, x, y);
    Send(MSG_RBUTTONUP, keys, x, y);
  }
  void RightClickCell(int row, int col) const { RightClick(CellX(col), CellY(row)); }
  void RightClickColumnHeader(int col) const { RightClick(CellX(col), 9); }
  void RightClickRowHeader(int row) const { RightClick(20, CellY(row)); }
  void ClickColumnHeader(int col, unsigned keys = 0) const { Click(CellX(col), 9, keys); }
  void SelectBlock(int r0, int c0, int r1, int c1) const {
    Press(CellX(c0), CellY(r0));
    Drag(CellX(c1), CellY(r1));
    Release(CellX(c1), CellY(r1));
  }
  void MakeSampled() const { MakeRowSampled(T()); }
  // Each case on a fresh table: its action shows one menu with exactly the
  // enabled items given.
  template <typename Cases>
  void ExpectEnabledStates(const Cases& cases) {
    for (const auto& c : cases) {
      SCOPED_TRACE(c.name);
      TearDown();
      SetUp();
      c.act();
      ASSERT_EQ(MenusShown(), 1u);
      EXPECT_EQ(Describe(EnabledIds(LastMenu())), Describe(c.enabled));
    }
  }

  size_t MenusShown() const { return PopupScriptShown().size(); }
  const PopupMenuList& LastMenu() const { return PopupScriptShown().back(); }

  static void ExpectItems(const PopupMenuList& menu, const std::vector<ExpectedItem>& expected, bool chinese) {
    ASSERT_EQ(menu.items.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(menu.items[i].iCommand, static_cast<int>(expected[i].iCommand)) << "item " << i;
      EXPECT_EQ(menu.items[i].szText, chinese ? expected[i].szChinese : expected[i].szEnglish) << "item " << i;
    }
  }
};

TEST_F(TablePopupMenusTest, ItemsOrderAndTextsInBothLanguages) {
  for (const bool chinese : {false, true}) {
    SCOPED_TRACE(chinese ? "Chinese" : "English");
    LanguageSetChinese(chinese);
    RightClickColumnHeader(3);
    ASSERT_EQ(MenusShown(), chinese ? 4u : 1u);
    ExpectItems(LastMenu(), kColumnBarItems, chinese);

    std::vector<ExpectedItem> rowItems = kColumnBarItems;
    rowItems[0] = {CMD_POSITION_LOCK, "Row Positon Lock", "行 位置锁定"};
    RightClickRowHeader(4);
    ExpectItems(LastMenu(), rowItems, chinese);

    ClickCell(2, 2);
    RightClickCell(2, 2);
    ExpectItems(LastMenu(), kCellItems, chinese);
    // The header clicks opened only the header menu.
    ASSERT_EQ(MenusShown(), chinese ? 6u : 3u);
  }
}

TEST_F(TablePopupMenusTest, HeaderMenuStatesFollowTheSelection) {
  const Ids all = {CMD_POSITION_LOCK, CMD_HIDE, CMD_BAR_DELETE, CMD_BAR_INSERT, CMD_BAR_COPY, CMD_BAR_CUT, CMD_BAR_PASTE};
  const Ids noLock = {CMD_HIDE, CMD_BAR_DELETE, CMD_BAR_INSERT, CMD_BAR_COPY, CMD_BAR_CUT, CMD_BAR_PASTE};
  const struct {
    const char* name;
    std::function<void()> act;  // ends with the right click
    Ids enabled;
  } cases[] = {
      {"one whole column", [this] { RightClickColumnHeader(3); }, all},
      {"one whole row", [this] { RightClickRowHeader(4); }, all},
      {"two whole columns",
       [this] {
         ClickColumnHeader(2);
         ClickColumnHeader(3, MK_SHIFT);
         RightClickColumnHeader(3);
       },
       noLock},
      {"a row while a column is selected: the click selects the row",
       [this] {
         ClickColumnHeader(2);
         RightClickRowHeader(5);
       },
       all},
      {"two separate columns",
       [this] {
         ClickColumnHeader(2);
         ClickColumnHeader(4, MK_CONTROL);
         RightClickColumnHeader(4);
       },
       {}},
      {"colour-image view: only the lock",
       [this] {
         T().bImageView = 1;
         RightClickColumnHeader(3);
       },
       {CMD_POSITION_LOCK}},
      {"a column through a sampled block",
       [this] {
         MakeSampled();
         RightClickColumnHeader(3);
       },
       {CMD_POSITION_LOCK, CMD_HIDE, CMD_BAR_COPY}},
      {"a column beside a sampled block",
       [this] {
         MakeSampled();
         RightClickColumnHeader(6);
       },
       all},
  };
  ExpectEnabledStates(cases);
}

TEST_F(TablePopupMenusTest, CellMenuStatesFollowTheSelection) {
  const Ids always = {CMD_VIEW_2D_PLOT, CMD_VIEW_3D_PLOT, CMD_POPUP_TREND};
  const auto with = [&always](Ids more) {
    more.insert(always.begin(), always.end());
    return more;
  };
  const Ids clipboard = {CMD_POPUP_FIND, CMD_POPUP_COPY, CMD_POPUP_CUT, CMD_POPUP_PASTE, CMD_POPUP_DATA_PROPERTY};
  const auto plus = [&with](Ids base, Ids more) {
    base.insert(more.begin(), more.end());
    return with(base);
  };
  const struct {
    const char* name;
    std::function<void()> act;  // ends with the right click
    Ids enabled;
  } cases[] = {
      {"a block, clicked inside: sort by it",
       [this] {
         SelectBlock(2, 2, 4, 3);
         RightClickCell(3, 3);
       },
       plus(clipboard, {CMD_SORT_DATA})},
      {"a block, clicked outside: no sort",
       [this] {
         SelectBlock(2, 2, 4, 3);
         RightClickCell(6, 6);
       },
       plus(clipboard, {})},
      {"one cell",
       [this] {
         ClickCell(2, 2);
         RightClickCell(2, 2);
       },
       plus(clipboard, {})},
      {"one cell showing a formula: no cut or paste",
       [this] {
         TableSetCellText(table_, 1, 1, "2");
         ASSERT_EQ(FormulaRun(table_, "R2C2", FORMULA_MODE_RUN, "R1C1*2", -1), 0);
         ClickCell(2, 2);
         RightClickCell(2, 2);
       },
       with({CMD_POPUP_FIND, CMD_POPUP_COPY, CMD_POPUP_DATA_PROPERTY})},
      {"one cell of a locked row: no cut or paste",
       [this] {
         T().lockRowUsed[0] = 1;
         T().lockRowIndex[0] = 2;
         ClickCell(2, 2);
         RightClickCell(2, 2);
       },
       with({CMD_POPUP_FIND, CMD_POPUP_COPY, CMD_POPUP_DATA_PROPERTY})},
      {"a block over a locked row keeps cut and paste",
       [this] {
         T().lockRowUsed[0] = 1;
         T().lockRowIndex[0] = 2;
         SelectBlock(2, 2, 3, 3);
         RightClickCell(5, 5);
       },
       plus(clipboard, {})},
      {"three cells down a column qualify for a coordinate",
       [this] {
         SelectBlock(2, 2, 4, 2);
         RightClickCell(3, 2);
       },
       plus(clipboard, {CMD_SORT_DATA, CMD_DECLARE_X, CMD_DECLARE_Y, CMD_DECLARE_Z})},
      {"two cells along a row do not",
       [this] {
         SelectBlock(2, 2, 2, 3);
         RightClickCell(2, 2);
       },
       plus(clipboard, {CMD_SORT_DATA})},
      {"two ranges",
       [this] {
         ClickCell(2, 2);
         ClickCell(4, 4, MK_CONTROL);
         RightClickCell(4, 4);
       },
       with({CMD_POPUP_FIND})},
      {"a cleared selection",
       [this] {
         ResetSelection(T());
         RightClickCell(4, 4);
       },
       with({CMD_POPUP_FIND})},
      {"colour-image view",
       [this] {
         SelectBlock(2, 2, 4, 3);
         T().bImageView = 1;
         RightClickCell(3, 3);
       },
       always},
      {"a row of a sampled block: detail, no cut or paste",
       [this] {
         MakeSampled();
         SelectBlock(10, 1, 10, 3);
         RightClickCell(10, 2);
       },
       with({CMD_GET_DETAILED_DATA, CMD_REMOVE_DETAILED_DATA, CMD_POPUP_FIND, CMD_SORT_DATA, CMD_POPUP_COPY,
             CMD_POPUP_DATA_PROPERTY, CMD_DECLARE_X, CMD_DECLARE_Y, CMD_DECLARE_Z})},
      {"cells beside a sampled block",
       [this] {
         MakeSampled();
         SelectBlock(10, 6, 11, 7);
         RightClickCell(10, 6);
       },
       plus(clipboard, {CMD_SORT_DATA})},
  };
  ExpectEnabledStates(cases);
}

TEST_F(TablePopupMenusTest, TheSkipFlagSwallowsOneRequestOfEachMenu) {
  TableSetCellText(table_, 1, 1, "2");
  ASSERT_EQ(FormulaRun(table_, "R2C2", FORMULA_MODE_RUN, "R1C1*2", -1), 0);
  const struct {
    const char* name;
    std::function<void()> rightClick;
  } requests[] = {
      {"header", [this] { RightClickColumnHeader(3); }},
      {"cell", [this] { RightClickCell(5, 5); }},
      // The formula marker: the 4 x 4 pixels at the cell's bottom-right corner.
      {"formula", [this] { RightClick(40 + 80 * 2 - 2, 18 * 3 - 2); }},
  };
  for (const auto& r : requests) {
    SCOPED_TRACE(r.name);
    const size_t before = MenusShown();
    SkipNextPopup(table_);
    r.rightClick();
    EXPECT_EQ(MenusShown(), before);
    EXPECT_EQ(T().bSkipNextPopup, 0);
    r.rightClick();
    EXPECT_EQ(MenusShown(), before + 1);
  }
  EXPECT_EQ(TakePopupSkip(table_), 0);
}

TEST_F(TablePopupMenusTest, TheChosenItemGoesToTheTable) {
  DialogScriptGuard dialogs;
  MakeSampled();
  SelectBlock(10, 1, 10, 3);
  // Remove detailed data asks first: the question shows the command arrived.
  PopupScriptPush(CMD_REMOVE_DETAILED_DATA);
  DialogScriptPush(AnswerNo(TextIn(TXT_DETAIL_CAPTION_CONFIRM, false)));
  RightClickCell(10, 2);
  ASSERT_EQ(DialogScriptShown().size(), 1u);
  EXPECT_EQ(T().blocks[0].bInUse, 1);

  // A grayed item cannot be chosen: the menu counts as dismissed.
  PopupScriptPush(CMD_REMOVE_COORDINATE);
  RightClickCell(10, 2);
  EXPECT_EQ(DialogScriptShown().size(), 1u);
  dialogs.Check();
}

TEST_F(TablePopupMenusTest, NotATable) {
  EXPECT_EQ(ShowCellMenu(WindowHandle::None, 0, 0), -1);
  EXPECT_EQ(ShowRowColMenu(WindowHandle::None, 0, 0, 'C'), -1);
  EXPECT_TRUE(TableMouseLBMenu(WindowHandle::None).items.empty());
  EXPECT_EQ(MenusShown(), 0u);
}

}  // namespace
