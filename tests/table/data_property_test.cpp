// "Set data property" over a table of cases, and the refused parameters.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/dialogs.h"
#include "platform/text_buffer.h"
#include "support/comma_locale.h"
#include "support/dialog_script_guard.h"
#include "support/headless_program.h"
#include "table/cell_store.h"
#include "table/data_property.h"
#include "table/data_property_command.h"
#include "table/table_access.h"
#include "table/table_window_ops.h"

namespace {

struct PropertyCase {
  const char* szWhat;
  DataProperty property;
  const char* szText;
  std::optional<std::string> result;
};

TEST(DataPropertyTest, CellTextsOverATableOfCases) {
  const PropertyCase cases[] = {
      {"percent as postfix with ignore scales by 100", {"%", UNIT_POSTFIX, ADJUST_IGNORE, ""}, "0.25", "25%"},
      {"removing the percent with ignore divides by 100", {"%", UNIT_REMOVE, ADJUST_IGNORE, ""}, "25%", "0.25"},
      {"prefix times two", {"$", UNIT_PREFIX, ADJUST_MULTIPLY, "2"}, "3", "$6"},
      {"postfix plus a parameter", {" kg", UNIT_POSTFIX, ADJUST_ADD, "1.5"}, "2", "3.5 kg"},
      {"a text takes no label", {"kg", UNIT_POSTFIX, ADJUST_IGNORE, ""}, "apple", std::nullopt},
      {"an empty cell stays empty", {"kg", UNIT_PREFIX, ADJUST_IGNORE, ""}, "", std::nullopt},
      {"removing a label at the start", {"$", UNIT_REMOVE, ADJUST_DIVIDE, "2"}, "$6", "3"},
      {"removing a label at the end", {"kg", UNIT_REMOVE, ADJUST_SUBTRACT, "1"}, "5kg", "4"},
      {"a label in the middle leaves the text", {"kg", UNIT_REMOVE, ADJUST_IGNORE, ""}, "5kg5", std::nullopt},
      {"a rest that is no number leaves the text", {"kg", UNIT_REMOVE, ADJUST_IGNORE, ""}, "kg apple", std::nullopt},
      {"a missing label leaves the text", {"kg", UNIT_REMOVE, ADJUST_IGNORE, ""}, "12", std::nullopt},
      {"an empty label adjusts numbers", {"", UNIT_REMOVE, ADJUST_MULTIPLY, "10"}, "1.5", "15"},
      {"an empty label leaves texts", {"", UNIT_REMOVE, ADJUST_MULTIPLY, "10"}, "abc", std::nullopt},
  };
  for (const PropertyCase& c : cases) {
    EXPECT_EQ(DataPropertyCellText(c.property, c.szText), c.result) << c.szWhat;
  }
}

TEST(DataPropertyTest, ParametersAreRefusedWhenTheyCannotServe) {
  EXPECT_EQ(DataPropertyRefusal({"", UNIT_POSTFIX, ADJUST_DIVIDE, "0"}), TXT_DATA_PROPERTY_PARAMETER_ZERO);
  EXPECT_EQ(DataPropertyRefusal({"", UNIT_POSTFIX, ADJUST_DIVIDE, "0.0"}), TXT_DATA_PROPERTY_PARAMETER_ZERO);
  EXPECT_EQ(DataPropertyRefusal({"", UNIT_POSTFIX, ADJUST_ADD, "two"}), TXT_DATA_PROPERTY_BAD_PARAMETER);
  EXPECT_EQ(DataPropertyRefusal({"", UNIT_POSTFIX, ADJUST_ADD, ""}), TXT_DATA_PROPERTY_BAD_PARAMETER);
  EXPECT_EQ(DataPropertyRefusal({"", UNIT_POSTFIX, ADJUST_IGNORE, "two"}), std::nullopt);
  EXPECT_EQ(DataPropertyRefusal({"", UNIT_POSTFIX, ADJUST_DIVIDE, "4"}), std::nullopt);
}

TEST(DataPropertyTest, NumbersDoNotDependOnTheLocale) {
  REQUIRE_COMMA_DECIMAL_LOCALE(comma);
  EXPECT_EQ(DataPropertyCellText({"", UNIT_POSTFIX, ADJUST_MULTIPLY, "0.5"}, "3"), "1.5");
}

}  // namespace

namespace {

class DataPropertyCommandTest : public HeadlessTableTest {};

// Answer the dialog with settings.
ScriptedAnswer Choose(DataProperty property) {
  return AnswerDialog(DATA_PROPERTY_DIALOG_NAME, [property](DialogRequest& request) {
    dynamic_cast<DataPropertyModel*>(request.pModel)->property = property;
    return static_cast<int>(BUTTON_OK);
  });
}

// A whole column gets its label, texts stay, a formula reading a changed
// cell runs again; a refused parameter asks again; several ranges are
// refused with the message.
TEST_F(DataPropertyCommandTest, AppliesToTheSelectedRange) {
  DialogScriptGuard script;
  TableSetCellText(table_, 1, 1, "0.25");
  TableSetCellText(table_, 2, 1, "kg");
  TableSetCellText(table_, 3, 1, "0.5");
  {
    TableLockGuard t(table_);
    t->iSelCurrent = 0;
    t->selRowFrom[0] = t->selRowTo[0] = 1;
    t->selColFrom[0] = t->selColTo[0] = 1;
    t->selKind[0] = SELECT_COLUMNS;
    t->bModified = 0;
  }
  DialogScriptPush(Choose({"%", UNIT_POSTFIX, ADJUST_DIVIDE, "0"}));
  DialogScriptPush(AnswerOk("Error"));
  DialogScriptPush(Choose({"%", UNIT_POSTFIX, ADJUST_IGNORE, ""}));
  EXPECT_EQ(SetDataProperty(table_), 0);
  EXPECT_EQ(TableCellDisplayText(table_, 1, 1), "25%");
  EXPECT_EQ(TableCellDisplayText(table_, 2, 1), "kg");
  EXPECT_EQ(TableCellDisplayText(table_, 3, 1), "50%");
  {
    TableLockGuard t(table_);
    EXPECT_EQ(t->bModified, 1);
    EXPECT_EQ(TextOf(t->szUnitLabel), "%");
    t->bModified = 0;
    t->iSelCurrent = 1;
  }
  DialogScriptPush(AnswerOk("Message"));
  EXPECT_EQ(SetDataProperty(table_), -1);
  script.Check();
  ASSERT_FALSE(DialogScriptShown().empty());
  EXPECT_EQ(DialogScriptShown().back().szText.rfind("The command you chose cannot be performed\r\n", 0), 0u);
}

}  // namespace
