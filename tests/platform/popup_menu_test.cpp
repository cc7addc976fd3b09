// Pop-up menus in script mode: what was shown, and which answers count as
// a choice.
#include "platform/popup_menu.h"

#include <gtest/gtest.h>

namespace {

TEST(PopupMenu, OnlyAnEnabledItemCanBeChosen) {
  PopupMenuList menu;
  menu.items = {{10, "Open", false}, {}, {20, "Cut", true}, {30, "Paste", false}};
  const struct {
    int answer;
    int chosen;
  } cases[] = {{10, 10}, {30, 30}, {20, 0}, {0, 0}, {99, 0}, {-1, 0}};
  PopupScriptBegin();
  for (const auto& c : cases) {
    PopupScriptPush(c.answer);
    EXPECT_EQ(ShowPopupMenu(WindowHandle::None, 0, 0, menu), c.chosen) << c.answer;
  }
  // No answer left: dismissed.
  EXPECT_EQ(ShowPopupMenu(WindowHandle::None, 0, 0, menu), 0);
  ASSERT_EQ(PopupScriptShown().size(), 7u);
  const PopupMenuList& shown = PopupScriptShown()[0];
  ASSERT_EQ(shown.items.size(), 4u);
  EXPECT_EQ(shown.items[1].iCommand, 0);
  EXPECT_TRUE(shown.items[2].bGrayed);
  EXPECT_FALSE(shown.items[3].bGrayed);
  PopupScriptEnd();
}

}  // namespace
