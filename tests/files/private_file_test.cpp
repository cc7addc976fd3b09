#include <gtest/gtest.h>

#include <string>

#include "files/base64.h"
#include "files/read_drops.h"
#include "files/private_file_dialog.h"
#include "files/table_file_fixture.h"
#include "files/table_file_read.h"
#include "files/table_file_save.h"
#include "formula/formula_registry.h"
#include "resources/language.h"
#include "resources/command_ids.h"
#include "table/table_access.h"

namespace {

// The "Private File control" dialog answered with `typed` (or cancelled),
// checking that it starts with `shown`.
ScriptedAnswer TypePassword(std::string typed, std::string shown = "", int button = BUTTON_OK) {
  return AnswerDialog(PRIVATE_FILE_DIALOG, [=](DialogRequest& request) {
    auto* model = dynamic_cast<PrivateFileModel*>(request.pModel);
    EXPECT_NE(model, nullptr);
    if (!model) return static_cast<int>(BUTTON_CANCEL);
    EXPECT_EQ(model->szPassword, shown);
    model->szPassword = typed;
    return button;
  });
}

class PrivateFileTest : public TableFileTest {
 protected:
  void SetUp() override {
    TableFileTest::SetUp();
    Put(table_, 1, 1, "12.5");
    Put(table_, 1, 2, "secret text");
    Put(table_, 2, 1, std::string(200, 'z'));
    ASSERT_EQ(FormulaRun(table_, "R2C2", FORMULA_MODE_RUN, "R1C1*2", -1), 0);
  }
  // Save Private File through the table's command with a password.
  void SavePrivate(const std::string& password, const std::string& name) {
    DialogScriptPush(TypePassword(password));
    DialogScriptPush(AnswerSaveFile(Path(name)));
    SendCommand(table_, CMD_SAVE_PRIVATE);
  }
};

TEST_F(PrivateFileTest, OpensOnlyWithTheExactPassword) {
  SavePrivate("A", "p.orl");
  const std::string bytes = ReadBytes(Path("p.orl"));
  EXPECT_EQ(bytes.find("secret"), std::string::npos) << "cell texts are encoded";
  EXPECT_NE(bytes.find("PASSWORD\tQQ==\n\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("User(+,-,x,/)\tR2C2\tRUN=\t-1\tR1C1*2\r\n"), std::string::npos)
      << "formulas stay readable";
  EXPECT_EQ(WindowTitle(table_), Path("p.orl"));

  // Wrong letter case, empty, cancelled: refused, and the table stays empty.
  const struct {
    std::string typed;
    int button;
  } refused[] = {{"a", BUTTON_OK}, {"", BUTTON_OK}, {"A", BUTTON_CANCEL}, {"AA", BUTTON_OK}};
  for (const auto& r : refused) {
    const WindowHandle copy = NewTable();
    DialogScriptPush(TypePassword(r.typed, "", r.button));
    DialogScriptPush(AnswerOk("Message"));
    EXPECT_EQ(TableFileRead(copy, Path("p.orl")), -1) << r.typed;
    EXPECT_EQ(DialogScriptShown().back().szText, "The File password\r\nyou typed is incorrect");
    EXPECT_EQ(Shown(copy, 1, 1), "") << r.typed;
    TableLockGuard t(copy);
    EXPECT_EQ(t->iFormulaCount, 0);
  }

  const WindowHandle copy = NewTable();
  DialogScriptPush(TypePassword("A"));
  ASSERT_EQ(TableFileRead(copy, Path("p.orl")), 0);
  for (int row = 1; row <= 3; ++row) {
    for (int col = 1; col <= 3; ++col) EXPECT_EQ(Shown(copy, row, col), Shown(table_, row, col)) << row << col;
  }
  // The table keeps the password, so a new private save offers it.
  DialogScriptPush(TypePassword("A", "A"));
  DialogScriptPush(AnswerSaveFile(Path("again.orl")));
  SendCommand(copy, CMD_SAVE_PRIVATE);
  EXPECT_EQ(ReadBytes(Path("again.orl")), ReadBytes(Path("p.orl")));
}

TEST_F(PrivateFileTest, ChineseMessageAndTexts) {
  LanguageSetChinese(true);
  SavePrivate("密码1", "中文.orl");
  const WindowHandle copy = NewTable();
  DialogScriptPush(TypePassword("密码"));
  DialogScriptPush(AnswerOk("消息"));
  EXPECT_EQ(TableFileRead(copy, Path("中文.orl")), -1);
  EXPECT_EQ(DialogScriptShown().back().szText, "开启文件密码\r\n你输入的不正确");
  DialogScriptPush(TypePassword("密码1", "密码"));  // it starts with the last typed
  ASSERT_EQ(TableFileRead(copy, Path("中文.orl")), 0);
  EXPECT_EQ(Shown(copy, 1, 2), "secret text");
}

// Only the first 19 bytes of a typed password are kept.
TEST_F(PrivateFileTest, PasswordIsCutTo19Bytes) {
  SavePrivate("0123456789abcdefghijKL", "long.orl");
  TableLockGuard t(table_);
  EXPECT_EQ(TextOf(t->szPassword), "0123456789abcdefghi");
}

// An empty password is refused before the name is asked: such a file could
// never be opened. Cancel does nothing.
TEST_F(PrivateFileTest, EmptyPasswordOrCancelWritesNothing) {
  DialogScriptPush(TypePassword(""));
  DialogScriptPush(AnswerOk("Message"));
  EXPECT_EQ(TableFileSavePrivate(table_), -1);
  EXPECT_EQ(DialogScriptShown().back().szText,
            "Please type a password: a private file without one could never be opened again.");
  DialogScriptPush(TypePassword("x", "", BUTTON_CANCEL));
  EXPECT_EQ(TableFileSavePrivate(table_), -1);
  EXPECT_EQ(WindowTitle(table_), "New Table");
}

// A private save always makes a native file, so the password comes along.
TEST_F(PrivateFileTest, PrivateSaveToAnotherNameStaysNative) {
  SavePrivate("pw", "notes.txt");
  EXPECT_EQ(WindowTitle(table_), Path("notes.txt.orl"));
  EXPECT_NE(ReadBytes(Path("notes.txt.orl")).find("PASSWORD\t"), std::string::npos);
}

// Texts of older private files are in the legacy code page once decoded;
// a field that is no Base64 is left empty and reported once.
TEST_F(PrivateFileTest, DecodedTextsAreConvertedAndBadFieldsReported) {
  LanguageSetChinese(true);
  const std::string file = Base64Encode("\xD6\xD0\xCE\xC4") + "\tnot base64!\t" + Base64Encode("ok") +
                           "\r\nPASSWORD\t" + Base64Encode("\xC3\xDC") + "\r\n";
  WriteBytes("old.orl", file);
  DialogScriptPush(TypePassword("密"));  // C3 DC is this character in GB18030
  DropsBegin();
  ASSERT_EQ(TableFileRead(table_, Path("old.orl")), 0);
  const ReadDrops drops = DropsTake();
  EXPECT_EQ(Shown(table_, 1, 1), "中文");
  EXPECT_EQ(Shown(table_, 1, 2), "");
  EXPECT_EQ(Shown(table_, 1, 3), "ok");
  EXPECT_EQ(drops.iCount[DROP_FIELDS_UNDECODABLE], 1);
  DialogScriptPush(AnswerOk("消息"));
  ReportReadDrops(drops);
  EXPECT_NE(DialogScriptShown().back().szText.find("1"), std::string::npos);
}

}  // namespace
