// The Database menu's commands end to end without a display: login, the
// file, the data source, the three builder dialogs (answered by script as
// a user would click) and the result window, whose closing removes the
// data source made for it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/notices.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "shell/frame_window.h"
#include "shell/program_state.h"
#include "sources/odbc_builder.h"
#include "sources/odbc_commands.h"
#include "sources/odbc_drivers.h"
#include "sources/odbc_login.h"
#include "sources/odbc_sandbox.h"
#include "support/dialog_script_guard.h"
#include "support/headless_program.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_events.h"
#include "table/table_window_ops.h"

namespace {

using odbc_test::TheSandbox;

bool HasSource(const std::string& name) {
  for (const OdbcDataSource& s : OdbcListDataSources()) {
    if (s.szName == name) return true;
  }
  return false;
}

// An answer to a builder dialog: run `change` on the model, then press
// the button of `action`.
ScriptedAnswer Step(const char* name, int action, std::function<void(OdbcBuilderModel&)> change = {}) {
  return AnswerDialog(name, [action, change](DialogRequest& request) {
    auto* model = dynamic_cast<OdbcBuilderModel*>(request.pModel);
    if (!model) return static_cast<int>(BUTTON_CANCEL);
    if (change) change(*model);
    model->iAction = action;
    return action == ODBC_ACTION_CANCEL ? static_cast<int>(BUTTON_CANCEL) : static_cast<int>(BUTTON_OK);
  });
}

// The login dialog answered with a user ID and password, or cancelled.
ScriptedAnswer Login(const char* user, const char* password, bool ok = true) {
  return AnswerDialog("Database login", [=](DialogRequest& request) {
    auto* model = dynamic_cast<OdbcLoginModel*>(request.pModel);
    if (!model || !ok) return static_cast<int>(BUTTON_CANCEL);
    model->szUser = user;
    model->szPassword = password;
    return static_cast<int>(BUTTON_OK);
  });
}

int IndexOf(const std::vector<std::string>& list, const std::string& name) {
  const auto it = std::find(list.begin(), list.end(), name);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

// The tables the commands open, recorded on their way through the
// creation hook.
std::vector<WindowHandle>& Created() {
  static std::vector<WindowHandle> created;
  return created;
}
WindowHandle (*gCreateTable)(const TableOpenRequest&) = nullptr;
WindowHandle RecordCreated(const TableOpenRequest& request) {
  const WindowHandle table = gCreateTable(request);
  Created().push_back(table);
  return table;
}

class OdbcCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    TheSandbox();
    StartHeadlessProgram();
    if (TableEvents().pfnCreateTable != RecordCreated) {
      gCreateTable = TableEvents().pfnCreateTable;
      TableEvents().pfnCreateTable = RecordCreated;
    }
    Created().clear();
    nwind_ = TheSandbox().CopyData("access/nwind.mdb");
    chinook_ = TheSandbox().CopyData("sqlite/Chinook_Sqlite.sqlite");
    if (nwind_.empty() || chinook_.empty()) GTEST_SKIP() << "shared test data missing";
    OdbcQuery() = OdbcQueryState{};
  }
  void TearDown() override {
    for (WindowHandle w : Tables()) DestroyWindowOf(w);
    EndHeadlessProgram();
  }

  // The table windows the commands opened and that are still open.
  static std::vector<WindowHandle> Tables() {
    std::vector<WindowHandle> open;
    for (WindowHandle w : Created()) {
      if (IsWindowAlive(w)) open.push_back(w);
    }
    return open;
  }

  std::string nwind_;
  std::string chinook_;
};

// Two Access files in one run: Access1 and Access2 (or the next free
// names); closing the first result window removes only its own.
TEST_F(OdbcCommands, OpenAccessTwiceAndCloseTheFirst) {
  DialogScriptGuard guard;
  auto chooseOrders = [](OdbcBuilderModel& m) {
    OdbcBuilderChooseTable(m, IndexOf(m.tables, "Orders"));
    OdbcBuilderSelect(m, {0, 1});
  };
  // A data source of the user's own may hold a name already (another test
  // of this process writes one): the names are read back.
  std::vector<std::string> names;
  for (int i = 0; i < 2; ++i) {
    DialogScriptPush(Login("admin", "secret"));
    DialogScriptPush(AnswerOpenFile(nwind_));
    DialogScriptPush(Step("Select table columns", ODBC_ACTION_FINISH, chooseOrders));
    CmdOpenDatabaseFile(WindowHandle::None, CMD_OPEN_ACCESS, 0);
    names.push_back(OdbcQuery().szSource);
  }
  guard.Check();
  const std::vector<WindowHandle> tables = Tables();
  ASSERT_EQ(tables.size(), 2u);
  EXPECT_EQ(names[0].substr(0, 6), "Access");
  EXPECT_EQ(std::stoi(names[1].substr(6)), std::stoi(names[0].substr(6)) + 1);
  EXPECT_TRUE(HasSource(names[0]));
  EXPECT_TRUE(HasSource(names[1]));
  EXPECT_EQ(WindowTitle(tables[0]), "MDBTools -> " + names[0] + " -> Orders...");
  EXPECT_EQ(TableCellDisplayText(tables[0], 1, 2), "CustomerID");
  EXPECT_EQ(TableCellDisplayText(tables[0], 2, 2), "LILAS");
  EXPECT_EQ(OdbcQuery().szUser, "admin");
  DestroyWindowOf(tables[0]);
  PumpPostedMessages();
  EXPECT_FALSE(HasSource(names[0]));
  EXPECT_TRUE(HasSource(names[1]));
  DestroyWindowOf(tables[1]);
  PumpPostedMessages();
  EXPECT_FALSE(HasSource(names[1]));
}

// SQLite through the three steps: a condition and an order; the login
// cancelled keeps the last values; Back and Next keep the selections.
TEST_F(OdbcCommands, SqliteThroughTheThreeSteps) {
  OdbcQuery().szUser = "kept";
  DialogScriptGuard guard;
  DialogScriptPush(Login("", "", false));
  DialogScriptPush(AnswerOpenFile(chinook_));
  DialogScriptPush(Step("Select table columns", ODBC_ACTION_NEXT, [](OdbcBuilderModel& m) {
    OdbcBuilderChooseTable(m, IndexOf(m.tables, "Artist"));
    OdbcBuilderSelectAll(m);
  }));
  DialogScriptPush(Step("Setup search conditions", ODBC_ACTION_BACK));
  DialogScriptPush(Step("Select table columns", ODBC_ACTION_NEXT, [](OdbcBuilderModel& m) {
    EXPECT_EQ(m.selected.size(), 2u);  // kept across Back
  }));
  DialogScriptPush(Step("Setup search conditions", ODBC_ACTION_NEXT, [](OdbcBuilderModel& m) {
    OdbcBuilderAddCondition(m, "WHERE", 1, "LIKE", "The %");
  }));
  DialogScriptPush(Step("Specify data display order", ODBC_ACTION_FINISH, [](OdbcBuilderModel& m) {
    OdbcBuilderOrder(m, 1, true);
  }));
  CmdOpenDatabaseFile(WindowHandle::None, CMD_OPEN_SQLITE, 0);
  guard.Check();
  EXPECT_EQ(OdbcQuery().szUser, "kept");
  const std::vector<WindowHandle> tables = Tables();
  ASSERT_EQ(tables.size(), 1u);
  EXPECT_EQ(TableCellDisplayText(tables[0], 1, 2), "Name");
  EXPECT_EQ(TableCellDisplayText(tables[0], 2, 2), "The Who");
  TableLockGuard t(tables[0]);
  ASSERT_TRUE(t);
  EXPECT_GT(t->iLoadedRows, 5);
  EXPECT_EQ(t->iOpenMode, OPEN_DATABASE);
}

// Cancel asks first; No goes back to the dialog, Yes ends the builder and
// the data source made for the file goes at once.
TEST_F(OdbcCommands, CancelAsksAndCleansUp) {
  DialogScriptGuard guard;
  DialogScriptPush(Login("", ""));
  DialogScriptPush(AnswerOpenFile(chinook_));
  DialogScriptPush(Step("Select table columns", ODBC_ACTION_CANCEL));
  DialogScriptPush(AnswerNo(Text(TXT_ODBC_CONFIRM_CAPTION)));
  DialogScriptPush(Step("Select table columns", ODBC_ACTION_NEXT));  // nothing selected
  DialogScriptPush(AnswerOk(Text(TXT_CAPTION_MESSAGE)));             // "Cannot find selected fields"
  DialogScriptPush(Step("Select table columns", ODBC_ACTION_CANCEL));
  DialogScriptPush(AnswerYes(Text(TXT_ODBC_CONFIRM_CAPTION)));
  {
    NoticeScope scope;
    CmdOpenDatabaseFile(WindowHandle::None, CMD_OPEN_SQLITE, 0);
  }
  guard.Check();
  EXPECT_TRUE(Tables().empty());
  EXPECT_FALSE(HasSource("SQLite1"));
}

// A cancelled file dialog and a missing driver end with their messages.
TEST_F(OdbcCommands, NoFileAndNoDriver) {
  DialogScriptGuard guard;
  DialogScriptPush(Login("", ""));
  DialogScriptPush(AnswerCancel(DIALOG_OPEN_FILE));
  DialogScriptPush(AnswerOk(Text(TXT_CAPTION_ERROR)));
  DialogScriptPush(Login("", ""));
  DialogScriptPush(AnswerOk(Text(TXT_CAPTION_ERROR)));
  {
    NoticeScope scope;
    CmdOpenDatabaseFile(WindowHandle::None, CMD_OPEN_ACCESS, 0);
  }
  {
    NoticeScope scope;
    CmdOpenDatabaseFile(WindowHandle::None, CMD_OPEN_PARADOX, 0);
  }
  guard.Check();
  const auto& shown = DialogScriptShown();
  std::vector<std::string> texts;
  for (const ShownDialog& d : shown) {
    if (d.kind == DIALOG_MESSAGE) texts.push_back(d.szText);
  }
  EXPECT_EQ(texts, (std::vector<std::string>{Text(TXT_ODBC_NO_FILE), Text(TXT_ODBC_NO_DRIVER)}));
  // The Access filter takes either letter case on Linux.
  const auto file = std::find_if(shown.begin(), shown.end(), [](const ShownDialog& d) { return d.kind == DIALOG_OPEN_FILE; });
  ASSERT_NE(file, shown.end());
  ASSERT_EQ(file->filters.size(), 1u);
  EXPECT_EQ(file->filters[0].szPattern, "*.mdb;*.MDB;*.accdb;*.ACCDB");
  EXPECT_TRUE(Tables().empty());
}

TEST_F(OdbcCommands, MenuStatesFollowTheDrivers) {
  std::vector<unsigned> enabled;
  for (const OdbcMenuState& state : OdbcDatabaseMenuStates()) {
    if (state.bEnabled) enabled.push_back(state.iCommand);
  }
  EXPECT_EQ(enabled, (std::vector<unsigned>{CMD_OPEN_ACCESS, CMD_OPEN_SQLITE}));
}

}  // namespace
