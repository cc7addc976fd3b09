#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/dialogs.h"
#include "platform/notices.h"
#include "resources/command_ids.h"
#include "sources/plugin_dialog.h"
#include "sources/plugin_fixture.h"
#include "sources/plugin_run.h"
#include "support/comma_locale.h"

namespace {

// The example plug-in of the repository, driven as a user would: load it,
// select a column, call the plug-in from the cell menu and answer its
// dialog.
class ExamplePluginTest : public RangeTableTest {
 protected:
  void SetUp() override {
    RangeTableTest::SetUp();
    ASSERT_EQ(PluginLoadFile(CARTOVEL_EXAMPLE_PLUGIN), 0);
    for (int r = 1; r <= 10; ++r) Put(r, 1, std::to_string(r));
    Select(1, 1, 10, 1);
    T().iEditRow = 1;
    T().iEditCol = 3;
  }
  void TearDown() override {
    PluginUnload();
    PluginSetDecimalsChoice(0);
    RangeTableTest::TearDown();
  }
  // Call the plug-in with `choose` answering its dialog (and OK for an
  // error box after it when `refused`).
  void Call(std::function<void(PluginFunctionModel&)> choose, bool refused = false) {
    DialogScriptPush(AnswerDialog(PLUGIN_FUNCTION_DIALOG_NAME, [choose](DialogRequest& request) {
      choose(dynamic_cast<PluginFunctionModel&>(*request.pModel));
      return BUTTON_OK;
    }));
    if (refused) DialogScriptPush(AnswerOk("Error"));
    NoticeScope scope;
    ASSERT_EQ(PluginCanRun(T()), 1);
    EXPECT_EQ(CmdCallPlugin(table_, CMD_CALL_PLUGIN, 0), 0);
  }
};

// Column statistics with its defaults: labels beside the values, sample
// standard deviation, full precision; also under a comma-decimal locale.
TEST_F(ExamplePluginTest, ColumnStatistics) {
  const auto check = [this] {
    Call([](PluginFunctionModel& model) {
      EXPECT_EQ(model.functionNames, (std::vector<std::string>{"Column statistics", "Moving average"}));
      EXPECT_EQ(model.iFunction, 0);
      EXPECT_EQ(model.form.radios[0].szCaption, "Sample (n - 1)");
      EXPECT_TRUE(model.form.radios[0].bOn);
      EXPECT_EQ(model.form.parameters[0].iState, CONTROL_HIDDEN);
    });
    const char* labels[] = {"Count", "Sum", "Mean", "Std dev", "Min", "Max"};
    const char* values[] = {"10", "55", "5.5", "3.027650354097", "1", "10"};
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(Shown(1 + i, 3), labels[i]);
      EXPECT_EQ(Shown(1 + i, 4), values[i]);
      Put(1 + i, 4, "");
    }
  };
  check();
  CommaDecimalLocale comma;
  if (comma.active()) check();
}

// Moving average picked in the dialog, a centred window of 3 with two
// decimals: the ends stay empty; a window length the plug-in refuses
// gives its message and writes nothing.
TEST_F(ExamplePluginTest, MovingAverage) {
  Call([](PluginFunctionModel& model) {
    ASSERT_EQ(model.SelectFunction(1), 0);
    EXPECT_EQ(model.form.lists[0].choices.size(), 2u);
    EXPECT_EQ(model.form.parameters[0].iMaxBytes, 6);
    model.form.lists[0].iChoice = 1;
    model.form.parameters[0].szText = "3";
    model.iDecimals = 3;
  });
  EXPECT_EQ(Shown(1, 3), "");
  EXPECT_EQ(Shown(2, 3), "2.00");
  EXPECT_EQ(Shown(9, 3), "9.00");
  EXPECT_EQ(Shown(10, 3), "");

  Put(1, 3, "kept");
  Call(
      [](PluginFunctionModel& model) {
        model.SelectFunction(1);
        model.form.parameters[0].szText = "0";
      },
      true);
  EXPECT_EQ(DialogScriptShown().back().szText, "Window length: a whole number from 1 to 10000, please.");
  EXPECT_EQ(Shown(1, 3), "kept");
}

}  // namespace
