// Notices reported by plain logic reach the user in the order reported:
// at once outside an operation, at the operation's end inside one, and
// before any dialog the operation shows meanwhile.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/message_box.h"
#include "platform/notices.h"
#include "support/dialog_script_guard.h"

namespace {

// The captions of the dialogs shown so far, in order.
std::vector<std::string> ShownCaptions() {
  std::vector<std::string> out;
  for (const ShownDialog& shown : DialogScriptShown()) out.push_back(shown.szCaption);
  return out;
}

TEST(NoticesTest, OutsideAnOperationANoticeIsShownAtOnce) {
  DialogScriptGuard guard;
  DialogScriptPush({DIALOG_MESSAGE, "first"});
  ReportNotice("first", "text");
  EXPECT_EQ(ShownCaptions(), (std::vector<std::string>{"first"}));
}

TEST(NoticesTest, AnOperationShowsItsNoticesWhenItEndsAndBeforeAnyQuestion) {
  DialogScriptGuard guard;
  DialogScriptPush({DIALOG_MESSAGE, "one"});
  DialogScriptPush({DIALOG_MESSAGE, "two"});
  DialogScriptPush({DIALOG_YES_NO, "question", BUTTON_YES});
  DialogScriptPush({DIALOG_MESSAGE, "three"});
  {
    NoticeScope operation;
    ReportNotice("one", "a");
    {
      NoticeScope inner;  // a nested message joins the outer operation
      ReportNotice("two", "b");
    }
    EXPECT_TRUE(ShownCaptions().empty());
    EXPECT_EQ(AskYesNo("question", "?"), 1);
    ReportNotice("three", "c");
    EXPECT_EQ(ShownCaptions(), (std::vector<std::string>{"one", "two", "question"}));
  }
  EXPECT_EQ(ShownCaptions(), (std::vector<std::string>{"one", "two", "question", "three"}));
}

TEST(NoticesTest, AScopeToStandardErrorPrintsInsteadOfShowing) {
  DialogScriptGuard guard;
  testing::internal::CaptureStderr();
  {
    NoticeScope conversion(NOTICES_TO_STANDARD_ERROR);
    ReportNotice("C:/data.csv", "Read file data failed");
    ReportNotice("Message", "second");
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "C:/data.csv: Read file data failed\nMessage: second\n");
  EXPECT_TRUE(ShownCaptions().empty());
}

TEST(NoticesTest, TakenNoticesAreLeftToTheCaller) {
  DialogScriptGuard guard;
  std::vector<Notice> taken;
  {
    NoticeScope operation;
    ReportNotice("kept", "x");
    taken = operation.Take();
  }
  ASSERT_EQ(taken.size(), 1u);
  EXPECT_EQ(taken[0].szCaption, "kept");
  EXPECT_TRUE(ShownCaptions().empty());
}

}  // namespace
