#include "platform/dialogs.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// These tests drive the script itself, so they read its failures instead of
// letting a guard turn them into test failures.
class DialogScriptTest : public ::testing::Test {
 protected:
  void SetUp() override { DialogScriptBegin(); }
  void TearDown() override { DialogScriptEnd(); }

  static int Message(DialogKind kind, const char* caption, const char* text = "") {
    DialogRequest request;
    request.kind = kind;
    request.szCaption = caption;
    request.szText = text;
    return RunDialog(request);
  }
};

TEST_F(DialogScriptTest, AnswersInOrderAndRecordsWhatWasShown) {
  DialogScriptPush(AnswerYes("Message"));
  DialogScriptPush(AnswerNo("changes"));  // matches the text as well as the caption
  DialogScriptPush(AnswerOk());
  EXPECT_EQ(DialogScriptPending(), 3);
  EXPECT_EQ(Message(DIALOG_YES_NO, "Message", "Save table changes ?"), BUTTON_YES);
  EXPECT_EQ(Message(DIALOG_YES_NO, "Message", "Save table changes ?"), BUTTON_NO);
  EXPECT_EQ(Message(DIALOG_MESSAGE, "About"), BUTTON_OK);
  EXPECT_EQ(DialogScriptPending(), 0);
  EXPECT_TRUE(DialogScriptTakeFailures().empty());
  ASSERT_EQ(DialogScriptShown().size(), 3u);
  EXPECT_EQ(DialogScriptShown()[2].szCaption, "About");
}

TEST_F(DialogScriptTest, UnexpectedDialogIsAFailureAndGetsItsCancelAnswer) {
  EXPECT_EQ(Message(DIALOG_YES_NO, "Question"), BUTTON_NO);
  EXPECT_EQ(Message(DIALOG_MESSAGE, "Note"), BUTTON_OK);
  DialogRequest open;
  open.kind = DIALOG_OPEN_FILE;
  EXPECT_EQ(RunDialog(open), BUTTON_CANCEL);
  const auto failures = DialogScriptTakeFailures();
  ASSERT_EQ(failures.size(), 3u);
  EXPECT_NE(failures[0].find("unexpected"), std::string::npos);
  EXPECT_NE(failures[0].find("Question"), std::string::npos);
  EXPECT_TRUE(DialogScriptTakeFailures().empty()) << "taking clears the list";
}

TEST_F(DialogScriptTest, MismatchedAnswerIsAFailureAndIsUsedUp) {
  DialogScriptPush(AnswerYes("Delete"));
  EXPECT_EQ(Message(DIALOG_YES_NO, "Save"), BUTTON_NO);
  DialogScriptPush(AnswerOk());
  EXPECT_EQ(Message(DIALOG_YES_NO, "Save"), BUTTON_NO);  // wrong kind
  const auto failures = DialogScriptTakeFailures();
  ASSERT_EQ(failures.size(), 2u);
  EXPECT_NE(failures[0].find("expected"), std::string::npos);
  EXPECT_NE(failures[0].find("Delete"), std::string::npos);
  EXPECT_EQ(DialogScriptPending(), 0);
}

TEST_F(DialogScriptTest, CustomDialogsMatchByNameAndChangeTheirModel) {
  struct CountModel final : DialogModel {
    int iCount = 0;
  };
  CountModel model;
  DialogScriptPush(AnswerDialog("Counter", [](DialogRequest& request) {
    static_cast<CountModel*>(request.pModel)->iCount = 5;
    return static_cast<int>(BUTTON_OK);
  }));
  DialogScriptPush(AnswerDialog("Counter", nullptr));
  DialogRequest request;
  request.kind = DIALOG_CUSTOM;
  request.szName = "Counter";
  request.pModel = &model;
  EXPECT_EQ(RunDialog(request), BUTTON_OK);
  EXPECT_EQ(model.iCount, 5);
  request.szName = "Counter and more";  // names must be equal, not contained
  EXPECT_EQ(RunDialog(request), BUTTON_CANCEL);
  EXPECT_EQ(DialogScriptTakeFailures().size(), 1u);
}

TEST_F(DialogScriptTest, FileDialogsGetThePathAndRaiseTheOpenFlag) {
  bool openWhileShown = false;
  DialogScriptPush(AnswerOpenFile("/tmp/data.orl"));
  DialogScriptPush({DIALOG_SAVE_FILE, {}, BUTTON_OK, {}, [&](DialogRequest& request) {
                      openWhileShown = FileDialogIsOpen();
                      request.szPath = "/tmp/out.txt";
                      return static_cast<int>(BUTTON_OK);
                    }});
  DialogRequest open;
  open.kind = DIALOG_OPEN_FILE;
  EXPECT_EQ(RunDialog(open), BUTTON_OK);
  EXPECT_EQ(open.szPath, "/tmp/data.orl");
  DialogRequest save;
  save.kind = DIALOG_SAVE_FILE;
  EXPECT_EQ(RunDialog(save), BUTTON_OK);
  EXPECT_EQ(save.szPath, "/tmp/out.txt");
  EXPECT_TRUE(openWhileShown);
  EXPECT_FALSE(FileDialogIsOpen());
}

TEST(DialogScriptMode, EndLeavesScriptMode) {
  DialogScriptBegin();
  EXPECT_TRUE(DialogScriptActive());
  DialogScriptPush(AnswerOk());
  DialogScriptEnd();
  EXPECT_FALSE(DialogScriptActive());
  EXPECT_EQ(DialogScriptPending(), 0);
  // Without a script the headless backend answers with the cancel button.
  DialogRequest request;
  request.kind = DIALOG_OPEN_FILE;
  EXPECT_EQ(RunDialog(request), BUTTON_CANCEL);
}

}  // namespace
