#include "platform/edit_control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/keys.h"
#include "support/headless_program.h"

namespace {

// A parent window that records the notifications of its edit control,
// with the control's text at the moment it was told.
struct Notice {
  unsigned id;
  unsigned code;
  WindowHandle sender;
  std::string text;
};
std::vector<Notice>& Notices() {
  static std::vector<Notice> notices;
  return notices;
}
std::vector<unsigned>& KeysSeen() {
  static std::vector<unsigned> keys;
  return keys;
}
std::intptr_t ParentProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  if (msg == MSG_COMMAND) {
    const auto sender = static_cast<WindowHandle>(lParam);
    Notices().push_back({CommandId(wParam), CommandCode(wParam), sender, EditText(sender)});
  }
  if (msg == MSG_KEYDOWN) KeysSeen().push_back(static_cast<unsigned>(wParam));
  return DefaultWindowProc(hwnd, msg, wParam, lParam);
}

class EditControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartHeadlessProgram();
    static const bool registered = RegisterWindowClass({"EditTestParent", ParentProc}) == 0;
    ASSERT_TRUE(registered);
    Notices().clear();
    KeysSeen().clear();
    WindowCreateInfo parent;
    parent.szClass = "EditTestParent";
    parent_ = CreateWindowOf(parent);
    WindowCreateInfo info;
    info.szClass = EDIT_CLASS;
    info.hParent = parent_;
    info.iControlId = 77;
    info.iStyle = STYLE_CHILD | STYLE_MULTILINE;
    edit_ = CreateWindowOf(info);
    ASSERT_FALSE(IsNone(edit_));
  }
  void TearDown() override {
    DestroyWindowOf(parent_);
    EXPECT_FALSE(IsWindowAlive(edit_)) << "the control goes with its parent";
    EndHeadlessProgram();
  }
  void Type(std::u32string_view text) const {
    for (const char32_t c : text) SendMessageTo(edit_, MSG_CHAR, c);
  }
  WindowHandle parent_{};
  WindowHandle edit_{};
};

TEST_F(EditControlTest, TypingInsertsAtTheCaretAndTellsTheParentEachTime) {
  Type(U"ab");
  EditSetSelection(edit_, 1, 1);
  Type(U"X");
  EXPECT_EQ(EditText(edit_), "aXb");
  ASSERT_EQ(Notices().size(), 3u);
  for (const Notice& n : Notices()) {
    EXPECT_EQ(n.id, 77u);
    EXPECT_EQ(n.code, EDIT_UPDATE);
    EXPECT_EQ(n.sender, edit_);
  }
  EXPECT_EQ(Notices()[0].text, "a") << "the parent sees the text already changed";
  // Tab and Enter are typed as text; backspace takes whole characters.
  Type(U"\t\r");
  EXPECT_EQ(EditText(edit_), "aX\t\r\nb");
  EditSetText(edit_, "1é");
  Type(U"\b");
  EXPECT_EQ(EditText(edit_), "1");
  Type(U"\x4E2D");
  EXPECT_EQ(EditText(edit_), "1\xE4\xB8\xAD");
}

TEST_F(EditControlTest, SelectAllThenTypingReplacesEverything) {
  EditSetText(edit_, "old text");
  EditSelectAll(edit_);
  int start = -1;
  int end = -1;
  EditGetSelection(edit_, &start, &end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 8);
  Type(U"7");
  EXPECT_EQ(EditText(edit_), "7");
  EditGetSelection(edit_, &start, &end);
  EXPECT_EQ(start, 1);
  EXPECT_EQ(end, 1);
}

TEST_F(EditControlTest, TheLimitCutsTypingAndTextsWithoutSplittingCharacters) {
  EditSetLimit(edit_, 5);
  EXPECT_EQ(EditLimit(edit_), 5);
  Type(U"abcdef");
  EXPECT_EQ(EditText(edit_), "abcde");
  EXPECT_EQ(Notices().size(), 5u) << "a key that does not fit changes nothing and tells nothing";
  EditSetText(edit_, "abc\xE4\xB8\xAD");  // 6 bytes: the 3-byte character does not fit
  EXPECT_EQ(EditText(edit_), "abc");
  EXPECT_EQ(EditReplaceSelection(edit_, "\xE4\xB8\xAD"), 0) << "only 2 bytes of room";
  EXPECT_EQ(EditReplaceSelection(edit_, "xyz"), 2);
  EXPECT_EQ(EditText(edit_), "abcxy");
  char buffer[4];
  EXPECT_EQ(EditCopyText(edit_, buffer, sizeof buffer), 3u);
  EXPECT_STREQ(buffer, "abc");
}

TEST_F(EditControlTest, ReadOnlyRefusesTypingButNotTheProgram) {
  EditSetReadOnly(edit_, true);
  EXPECT_TRUE(EditIsReadOnly(edit_));
  Type(U"x\b");
  EXPECT_EQ(EditText(edit_), "");
  EXPECT_TRUE(Notices().empty());
  EXPECT_EQ(EditSetText(edit_, "set"), 0);
  EXPECT_EQ(EditText(edit_), "set");
  EXPECT_EQ(Notices().size(), 1u) << "a text the program sets is a change too";
}

TEST_F(EditControlTest, EscapeGoesToTheParentAndFocusIsTracked) {
  SendMessageTo(edit_, MSG_KEYDOWN, KEY_ESCAPE);
  SendMessageTo(edit_, MSG_KEYDOWN, KEY_LEFT);
  ASSERT_EQ(KeysSeen().size(), 1u);
  EXPECT_EQ(KeysSeen()[0], static_cast<unsigned>(KEY_ESCAPE));
  EXPECT_FALSE(EditHasFocus(edit_));
  EditFocus(edit_);
  EXPECT_TRUE(EditHasFocus(edit_));
  SendMessageTo(edit_, MSG_KILLFOCUS);
  EXPECT_FALSE(EditHasFocus(edit_));
}

TEST_F(EditControlTest, TheViewIsToldOfProgramChangesAndReportsTheUsersEdits) {
  static std::vector<WindowHandle> synced;
  synced.clear();
  SetEditViewSync([](WindowHandle hwnd) { synced.push_back(hwnd); });
  EditSetText(edit_, "abc");
  EditSetFont(edit_, {"Arial", 12, false});
  EXPECT_EQ(synced.size(), 2u);
  EXPECT_EQ(EditFontOf(edit_).szFamily, "Arial");
  EXPECT_EQ(EditFontOf(edit_).iPixelHeight, 12);
  Notices().clear();
  synced.clear();
  EditTextEdited(edit_, "abcd", 4, 4);
  EXPECT_EQ(EditText(edit_), "abcd");
  EXPECT_EQ(Notices().size(), 1u);
  EXPECT_TRUE(synced.empty()) << "the widget shows the user's edit already";
  EditTextEdited(edit_, "abcd", 2, 2);
  EXPECT_EQ(Notices().size(), 1u) << "moving the caret is no change";
  EditSetLimit(edit_, 3);
  EditTextEdited(edit_, "abcdef", 6, 6);
  EXPECT_EQ(EditText(edit_), "abc");
  EXPECT_EQ(synced.size(), 1u) << "the widget must drop what did not fit";
  SetEditViewSync(nullptr);
  // Not an edit control: nothing happens.
  EXPECT_EQ(EditSetText(parent_, "x"), -1);
  EXPECT_EQ(EditText(parent_), "");
}

}  // namespace
