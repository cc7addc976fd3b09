#include "shell/menu_bar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/menu.h"
#include "resources/language.h"
#include "shell/frame_window.h"
#include "shell/program_state.h"
#include "support/dialog_script_guard.h"
#include "support/headless_program.h"

namespace {

// The menu bar as the user must see it: per item the command and its
// English and Chinese texts; {0, "", ""} is a separator.
struct ExpectedItem {
  unsigned iCommand;
  const char* szEnglish;
  const char* szChinese;
};
struct ExpectedMenu {
  const char* szEnglish;
  const char* szChinese;
  std::vector<ExpectedItem> items;
};

const std::vector<ExpectedMenu>& ExpectedBar() {
  static const std::vector<ExpectedMenu> bar = {
      {"File",
       "文件",
       {{40013, "Open ...", "打开..."},
        {40245, "Open sea Modas file", "打开海洋Modas文件 "},
        {40247, "Open NetCDF file", "打开NetCDF文件 "},
        {40180, "Open Stock History File", "打开股票历史文件"},
        {0, "", ""},
        {57600, "New ...", "新表格"},
        {40224, "New Custom Size Table", "新用户行列数表格"},
        {0, "", ""},
        {40168, "Save", "保存"},
        {57604, "Save As ...", "另存为 ..."},
        {40208, "Save Private File ", "保存个人文件"},
        {0, "", ""},
        {40048, "Print", "打印"},
        {0, "", ""},
        {40054, "Exit", "退出"}}},
      {"Database",
       "数据库",
       {{40182, "Open MS-Access", "打开 MS-Access"},
        {41201, "Open SQLite database ...", "打开 SQLite 数据库 ..."},
        {40183, "Open dBase", "打开 dBase"},
        {40184, "Open FoxPro", "打开 FoxPro"},
        {40185, "Open Paradox", "打开 Paradox"},
        {0, "", ""},
        {40166, "Connect Database", "连接数据库"},
        {40167, "Open Database Table", "打开数据库表格"}}},
      {"Edit",
       "编辑",
       {{57643, "Undo", "撤消"},
        {0, "", ""},
        {40164, "Find data", "查找数据"},
        {57642, "Select all", "选择全部"},
        {0, "", ""},
        {40154, "Copy", "复制"},
        {40156, "Cut", "剪切"},
        {40153, "Paste", "粘贴"},
        {0, "", ""},
        {40155, "Delete ...", "删除"},
        {40157, "Insert ...", "插入"},
        {0, "", ""},
        {40237, "Set data property", "设置数据属性"}}},
      {"View",
       "显示",
       {{40111, "Back to Home", "返回起点"},
        {40196, "Go to ...", "跳转 ..."},
        {0, "", ""},
        {40177, "Reset data view", "重置数据显示"},
        {40240, "Reset data color", "重置数据颜色"},
        {0, "", ""},
        {40194, "Display style", "显示风格"},
        {0, "", ""},
        {40195, "Border line", "绘制边界"},
        {40189, "Border color", "设置边界色"},
        {40191, "Clear border", "清除边界"},
        {0, "", ""},
        {40190, "Background color", "设置背景色"},
        {40192, "Clear background color", "清背景色"},
        {0, "", ""},
        {40230, "Plot window control", "图视窗控制"}}},
      {"Tools",
       "工具",
       {{40152, "Data trend color analysis", "数据趋势彩色分析"},
        {40175, "Data count ...", "数据统计 ..."},
        {40179, "Data process ...", "数据处理 ..."},
        {40222, "Transpose (R,C)", "转置 (行,列)"},
        {0, "", ""},
        {40150, "Open plug-in", "打开插入功能库 "},
        {40246, "Open NetCDF.DLL", "打开 NetCDF.DLL 插入功能库 "}}},
      {"Help",
       "帮助",
       {{40090, "About", "关于"},
        {0, "", ""},
        {40091, "Help", "帮助"},
        {0, "", ""},
        {40211, "Example for Entering Math Formula", "计算公式编辑方法提示"},
        {40242, "About Plug-in", "关于插入功能库"}}},
  };
  return bar;
}

// A started frame (its menu built in the language of the system name
// file) in a temporary folder.
class MenuBarTest : public ::testing::Test {
 protected:
  void SetUp() override { StartHeadlessProgram(); }
  void TearDown() override {
    if (IsWindowAlive(frame_)) DestroyWindowOf(frame_);
    EndHeadlessProgram();
  }
  void Start(std::string_view sysName) {
    dir_.WriteFile("CVLib/SysName.TXT", sysName);
    frame_ = CreateFrameWindow();
    ASSERT_FALSE(IsNone(frame_));
  }
  // The whole bar against the expected one in a language, texts and
  // commands in order, separators included.
  void ExpectBar(bool chinese) {
    const MenuBarSpec* bar = WindowMenu(frame_);
    ASSERT_NE(bar, nullptr);
    const auto& expected = ExpectedBar();
    ASSERT_EQ(bar->popups.size(), expected.size());
    for (std::size_t m = 0; m < expected.size(); ++m) {
      const MenuPopupSpec& popup = bar->popups[m];
      EXPECT_EQ(popup.szText, chinese ? expected[m].szChinese : expected[m].szEnglish);
      ASSERT_EQ(popup.items.size(), expected[m].items.size()) << expected[m].szEnglish;
      for (std::size_t i = 0; i < popup.items.size(); ++i) {
        const ExpectedItem& want = expected[m].items[i];
        EXPECT_EQ(popup.items[i].iCommand, want.iCommand) << expected[m].szEnglish << " item " << i;
        EXPECT_EQ(popup.items[i].szText, chinese ? want.szChinese : want.szEnglish)
            << expected[m].szEnglish << " item " << i;
      }
    }
  }

  DialogScriptGuard dialogs_;
  TempDir dir_;
  ScopedCurrentDir cwd_{dir_.path()};
  WindowHandle frame_{};
};

TEST_F(MenuBarTest, EnglishFrameShowsTheEnglishBar) {
  Start("[S][T][U][3][4][5][6][7][8][9][10][E]");
  ExpectBar(false);
}

TEST_F(MenuBarTest, ChineseFrameShowsTheSameCommandsInChinese) {
  Start("[S][T][U][3][4][5][6][7][8][9][10][C]");
  ASSERT_TRUE(LanguageIsChinese());
  ExpectBar(true);
}

TEST_F(MenuBarTest, RebuildingReplacesTheBarInTheOtherLanguage) {
  Start("[S][T][U][3][4][5][6][7][8][9][10][E]");
  ASSERT_EQ(SetMenuItemGrayed(frame_, 40168, true), 0);
  ASSERT_EQ(BuildMenuBar(frame_, 1), 0);
  ExpectBar(true);
  EXPECT_FALSE(WindowMenu(frame_)->popups[0].items[8].bGrayed) << "a new bar starts enabled";
  ASSERT_EQ(BuildMenuBar(frame_, 0), 0);
  ExpectBar(false);
  EXPECT_EQ(BuildMenuBar(WindowHandle::None, 0), -1);
}

// Keys: New, Open, Save and Undo are bound; Copy, Cut and Paste only show
// the key the table takes itself; nothing else carries a key (F1 above
// all stays free for the table's zoom).
TEST_F(MenuBarTest, KeysOfTheItems) {
  Start("[S][T][U][3][4][5][6][7][8][9][10][E]");
  struct Keys {
    unsigned iCommand;
    const char* szShortcut;
    const char* szKeyHint;
  };
  const Keys keys[] = {{57600, "Ctrl+N", ""}, {40013, "Ctrl+O", ""}, {40168, "Ctrl+S", ""}, {57643, "Ctrl+Z", ""},
                       {40154, "", "Ctrl+C"}, {40153, "", "Ctrl+V"}, {40156, "", "Ctrl+X"}};
  int withKeys = 0;
  for (const MenuPopupSpec& popup : WindowMenu(frame_)->popups) {
    for (const MenuItemSpec& item : popup.items) {
      std::string shortcut;
      std::string hint;
      for (const Keys& k : keys) {
        if (k.iCommand == item.iCommand) {
          shortcut = k.szShortcut;
          hint = k.szKeyHint;
          ++withKeys;
        }
      }
      EXPECT_EQ(item.szShortcut, shortcut) << item.iCommand;
      EXPECT_EQ(item.szKeyHint, hint) << item.iCommand;
    }
  }
  EXPECT_EQ(withKeys, 7);
}

// Items are addressed by command: each command may stand on the bar once.
TEST(MenuBarData, EveryCommandAppearsOnce) {
  std::vector<unsigned> seen;
  for (const MenuBarMenu& menu : MenuBarMenus()) {
    for (const MenuBarItem& item : menu.items) {
      if (item.iCommand == 0) continue;
      EXPECT_EQ(std::count(seen.begin(), seen.end(), item.iCommand), 0) << item.iCommand;
      seen.push_back(item.iCommand);
    }
  }
}

}  // namespace
