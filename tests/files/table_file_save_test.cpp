#include "files/table_file_save.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>

#include "files/table_file_fixture.h"
#include "files/table_file_read.h"
#include "files/table_file_write.h"
#include "platform/edit_control.h"
#include "resources/language.h"
#include "resources/command_ids.h"
#include "table/table_access.h"
#include "table/table_editor.h"

namespace {

class TableFileSaveTest : public TableFileTest {
 protected:
  void SetUp() override {
    TableFileTest::SetUp();
    Put(table_, 1, 1, "1");
    Put(table_, 2, 2, "two");
    TableLockGuard t(table_);
    t->bModified = 1;
  }
  int Modified() const {
    TableLockGuard t(table_);
    return t->bModified;
  }
  std::string FileName() const {
    TableLockGuard t(table_);
    return std::string(TextOf(t->szFileName));
  }
  static std::vector<std::string> Files(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
};

const char kCells[] = "1\t \r\n \ttwo\r\n";

// Save As asks for a name, offers both kinds of file, writes, and takes
// the name as the table's title and file.
TEST_F(TableFileSaveTest, SaveAsNamesTheTableAndClearsModified) {
  DialogScriptPush(AnswerSaveFile(Path("first.orl")));
  ASSERT_EQ(TableFileSave(table_, SAVE_AS), 0);
  ASSERT_EQ(DialogScriptShown().size(), 1u);
  const std::vector<FileFilter>& filters = DialogScriptShown()[0].filters;
  ASSERT_EQ(filters.size(), 2u);
  EXPECT_EQ(filters[0].szName, "Ostrel File (*.orl)");
  EXPECT_EQ(filters[1].szName, "Table file (*.txt)");
  EXPECT_EQ(WindowTitle(table_), Path("first.orl"));
  EXPECT_EQ(FileName(), Path("first.orl"));
  EXPECT_EQ(Modified(), 0);
  EXPECT_EQ(ReadBytes(Path("first.orl")).substr(0, sizeof kCells - 1), kCells);
  // Save now writes to that file without asking.
  Put(table_, 1, 1, "9");
  ASSERT_EQ(TableFileSave(table_, SAVE_PLAIN), 0);
  EXPECT_EQ(ReadBytes(Path("first.orl")).substr(0, 2), "9\t");
  EXPECT_EQ(DialogScriptShown().size(), 1u);
}

// Save on an untitled table asks; Cancel writes nothing.
TEST_F(TableFileSaveTest, SaveAsksForANameOnlyWhileTheTableHasNone) {
  DialogScriptPush(AnswerCancel(DIALOG_SAVE_FILE));
  EXPECT_EQ(TableFileSave(table_, SAVE_PLAIN), -1);
  EXPECT_EQ(Modified(), 1);
  EXPECT_EQ(FileName(), "New Table");
  EXPECT_TRUE(Files(dir_.path()).empty());
  DialogScriptPush(AnswerSaveFile(Path("named.txt")));
  EXPECT_EQ(TableFileSave(table_, SAVE_PLAIN), 0);
  EXPECT_EQ(ReadBytes(Path("named.txt")), kCells);
}

// A name with neither ".orl" nor ".txt" gets ".txt" and only the cells;
// the test is case-sensitive, so ".ORL" is written as a plain file too.
TEST_F(TableFileSaveTest, NamesWithoutATableExtensionBecomePlainTextFiles) {
  const struct {
    const char* chosen;
    const char* written;
    bool native;
  } cases[] = {
      {"plain", "plain.txt", false},
      {"upper.ORL", "upper.ORL.txt", false},
      {"kept.txt", "kept.txt", false},
      {"native.orl", "native.orl", true},
      {"odd.orl.bak", "odd.orl.bak", true},
  };
  for (const auto& c : cases) {
    DialogScriptPush(AnswerSaveFile(Path(c.chosen)));
    ASSERT_EQ(TableFileSave(table_, SAVE_AS), 0) << c.chosen;
    const std::string bytes = ReadBytes(Path(c.written));
    EXPECT_EQ(bytes.substr(0, sizeof kCells - 1), kCells) << c.written;
    EXPECT_EQ(bytes.size() > sizeof kCells, c.native) << c.written;
    EXPECT_EQ(WindowTitle(table_), Path(c.written));
  }
}

// A read-only (resized or sampled) table refuses Save and offers only
// text files in Save As; a successful Save As clears the flag.
TEST_F(TableFileSaveTest, ReadOnlyTableIsSavedAsTextOnly) {
  {
    TableLockGuard t(table_);
    t->bReadOnly = 1;
  }
  DialogScriptPush(AnswerOk("Message"));
  EXPECT_EQ(TableFileSave(table_, SAVE_PLAIN), -1);
  EXPECT_EQ(DialogScriptShown().back().szText, "Current file is read only.");
  DialogScriptPush(AnswerSaveFile(Path("copy.txt")));
  ASSERT_EQ(TableFileSave(table_, SAVE_AS), 0);
  ASSERT_EQ(DialogScriptShown().back().filters.size(), 1u);
  EXPECT_EQ(DialogScriptShown().back().filters[0].szName, "Table file (*.txt)");
  TableLockGuard t(table_);
  EXPECT_EQ(t->bReadOnly, 0);
}

TEST_F(TableFileSaveTest, ChineseReadOnlyMessage) {
  LanguageSetChinese(true);
  {
    TableLockGuard t(table_);
    t->bReadOnly = 1;
  }
  DialogScriptPush(AnswerOk("消息"));
  EXPECT_EQ(TableFileSave(table_, SAVE_PLAIN), -1);
  EXPECT_EQ(DialogScriptShown().back().szText, "当前 文件 为只读数据, ");
}

// A failed write keeps the old file, leaves no temporary file behind, says
// "Create file failed", and leaves the table modified under its old name.
TEST_F(TableFileSaveTest, FailedWriteKeepsTheOldFileAndTheTableModified) {
  DialogScriptPush(AnswerSaveFile(Path("kept.orl")));
  ASSERT_EQ(TableFileSave(table_, SAVE_AS), 0);
  const std::string before = ReadBytes(Path("kept.orl"));
  for (int row = 1; row <= 200; ++row) Put(table_, row, 3, "a longer text to make the file grow");
  {
    TableLockGuard t(table_);
    t->bModified = 1;
  }
  // The file may not grow beyond 1000 bytes: the write fails part way, as
  // on a full disk.
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  DialogScriptPush(AnswerOk("Error message"));
  const int status = TableFileSave(table_, SAVE_PLAIN);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(status, -1);
  EXPECT_EQ(DialogScriptShown().back().szText, "Create file failed");
  EXPECT_EQ(ReadBytes(Path("kept.orl")), before);
  EXPECT_EQ(Files(dir_.path()), std::vector<std::string>{"kept.orl"});
  EXPECT_EQ(Modified(), 1);
}

TEST_F(TableFileSaveTest, UnwritablePlacesFailWithoutHarm) {
  std::filesystem::create_directory(Path("folder"));
  WriteBytes("folder/inside.txt", "keep");
  // A folder that does not exist, and a folder in the way of the file.
  std::filesystem::create_directory(Path("dir.orl"));
  for (const std::string& chosen : {Path("no such folder/t.orl"), Path("dir.orl")}) {
    DialogScriptPush(AnswerSaveFile(chosen));
    DialogScriptPush(AnswerOk("Error message"));
    EXPECT_EQ(TableFileSave(table_, SAVE_AS), -1) << chosen;
    EXPECT_EQ(FileName(), "New Table");
    EXPECT_EQ(Modified(), 1);
  }
  EXPECT_TRUE(std::filesystem::is_directory(Path("dir.orl")));
  EXPECT_EQ(ReadBytes(Path("folder/inside.txt")), "keep");
  EXPECT_EQ(Files(dir_.path()), (std::vector<std::string>{"dir.orl", "folder"}));
}

// A chosen path longer than the table's file name can hold is refused.
TEST_F(TableFileSaveTest, OverlongPathIsRefused) {
  const std::string longName = Path(std::string(200, 'n') + "/" + std::string(200, 'm') + ".orl");
  DialogScriptPush(AnswerSaveFile(longName));
  DialogScriptPush(AnswerOk("Error message"));
  EXPECT_EQ(TableFileSave(table_, SAVE_AS), -1);
  EXPECT_EQ(DialogScriptShown().back().szText, "The file name is too long (at most 399 bytes).");
  EXPECT_EQ(FileName(), "New Table");
}

// The close question sends Save As synchronously; a save that took lets
// the table close.
TEST_F(TableFileSaveTest, CloseQuestionSavesThroughTheSaveAsCommand) {
  DialogScriptPush(AnswerYes("Message"));
  DialogScriptPush(AnswerSaveFile(Path("closing.orl")));
  EXPECT_EQ(TableQueryClose(table_), 1);
  EXPECT_EQ(ReadBytes(Path("closing.orl")).substr(0, sizeof kCells - 1), kCells);
  // A cancelled save keeps the table open.
  Put(table_, 1, 1, "2");
  {
    TableLockGuard t(table_);
    t->bModified = 1;
  }
  DialogScriptPush(AnswerYes("Message"));
  DialogScriptPush(AnswerCancel(DIALOG_SAVE_FILE));
  EXPECT_EQ(TableQueryClose(table_), 0);
}

// An open cell edit is committed before the table is written.
TEST_F(TableFileSaveTest, SaveCommitsTheOpenEdit) {
  EditorCommand(table_, EDITOR_OPEN);
  ASSERT_EQ(TableIsEditing(table_), 1);
  WindowHandle editor{};
  {
    TableLockGuard t(table_);
    editor = t->hCellEdit;
  }
  EditSetText(editor, "typed");
  DialogScriptPush(AnswerSaveFile(Path("edit.txt")));
  ASSERT_EQ(TableFileSave(table_, SAVE_AS), 0);
  EXPECT_EQ(ReadBytes(Path("edit.txt")).substr(0, 6), "typed\t");
}

}  // namespace
