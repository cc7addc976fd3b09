// The colour and style commands from the menu in the running program: a
// block bordered left and bottom and filled, probed on the rendered table,
// and the display style dialog asking again without a weight.
#include <QCheckBox>
#include <QDialog>

#include "platform/colour_dialog.h"
#include "platform/dialogs.h"
#include "platform/menu.h"
#include "resources/command_ids.h"
#include "shell/program_state.h"
#include "support/qt_program.h"
#include "support/qt_table.h"
#include "table/cell_colours.h"
#include "table/cell_store.h"
#include "table/qt/cell_style_views.h"
#include "table/table_geometry.h"
#include "table/table_window_ops.h"

namespace {

class CellColoursWindowTest : public QtProgramTest {
 protected:
  void TearDown() override {
    CellColours() = CellColourSettings{};
    QtProgramTest::TearDown();
  }
};

// Answer the colour chooser with a colour.
ScriptedAnswer PickColour(int rgb) {
  return AnswerDialog(COLOUR_DIALOG_NAME, [rgb](DialogRequest& request) {
    dynamic_cast<ColourChoiceModel*>(request.pModel)->iRgb = rgb;
    return static_cast<int>(BUTTON_OK);
  });
}

// Select block (r0, c0)-(r1, c1) as the only range.
void SelectBlock(WindowHandle table, int r0, int c0, int r1, int c1) {
  TableRecord& t = RecordOf(table);
  t.iSelCurrent = 0;
  t.selRowFrom[0] = r0;
  t.selColFrom[0] = c0;
  t.selRowTo[0] = r1;
  t.selColTo[0] = c1;
  t.selKind[0] = SELECT_BLOCK;
}

TEST_F(CellColoursWindowTest, BorderLineBorderColourAndBackground) {
  const WindowHandle table = NewTableWindow();
  SelectBlock(table, 2, 2, 3, 3);
  DialogScriptPush(PickColour(PackRgb(0, 0, 255)));
  ASSERT_EQ(ChooseMenuItem(Program().hFrameWnd, CMD_BORDER_COLOUR), 0);
  EXPECT_EQ(CellColours().borderRgb, (std::array<int, 3>{0, 0, 255}));
  SelectBlock(table, 2, 2, 3, 3);
  DialogScriptPush(AnswerDialog(BORDER_LINE_DIALOG_NAME, [](DialogRequest& request) {
    auto* model = dynamic_cast<BorderLineModel*>(request.pModel);
    model->bLeft = model->bBottom = true;
    return static_cast<int>(BUTTON_OK);
  }));
  ASSERT_EQ(ChooseMenuItem(Program().hFrameWnd, CMD_BORDER_LINE), 0);
  EXPECT_EQ(CellColours().iBorderCode, 9);
  EXPECT_EQ(TableCellAt(RecordOf(table), 3, 3)->iBorderStyle, 9);
  SelectBlock(table, 2, 2, 3, 3);
  DialogScriptPush(PickColour(PackRgb(255, 255, 0)));
  ASSERT_EQ(ChooseMenuItem(Program().hFrameWnd, CMD_BACKGROUND_COLOUR), 0);
  EXPECT_EQ(RecordOf(table).bModified, 1);
  RecordOf(table).bModified = 0;
  ProcessEvents();

  const QImage image = Render(table);
  CellRect r{};
  ASSERT_TRUE(TableCellRectOf(RecordOf(table), 3, 3, &r));
  const QRgb blue = qRgb(0, 0, 255);
  const int midX = (r.left + r.right) / 2;
  const int midY = (r.top + r.bottom) / 2;
  EXPECT_EQ(image.pixel(r.left, midY), blue) << "left edge";
  EXPECT_EQ(image.pixel(r.left + 1, midY), blue);
  EXPECT_EQ(image.pixel(midX, r.bottom - 1), blue) << "bottom edge";
  EXPECT_NE(image.pixel(r.right - 1, midY), blue) << "no right edge";
  EXPECT_EQ(image.pixel(midX, midY), qRgb(255, 255, 0)) << "the fill inside";
}

TEST_F(CellColoursWindowTest, DisplayStyleAsksForAWeightThenSetsTheStyle) {
  const WindowHandle table = NewTableWindow();
  TableSetCellText(table, 2, 2, "5");
  SelectBlock(table, 2, 2, 2, 2);
  DialogScriptPush(AnswerDialog(DISPLAY_STYLE_DIALOG_NAME, [](DialogRequest& request) {
    auto* model = dynamic_cast<DisplayStyleModel*>(request.pModel);
    model->bDefault = false;
    model->iWeight = 0;
    model->iAlignment = 1;
    return static_cast<int>(BUTTON_OK);
  }));
  DialogScriptPush(AnswerOk("Message"));
  DialogScriptPush(AnswerDialog(DISPLAY_STYLE_DIALOG_NAME, [](DialogRequest& request) {
    dynamic_cast<DisplayStyleModel*>(request.pModel)->iWeight = 2;
    return static_cast<int>(BUTTON_OK);
  }));
  ASSERT_EQ(ChooseMenuItem(Program().hFrameWnd, CMD_DISPLAY_STYLE), 0);
  EXPECT_EQ(DialogScriptShown()[1].szText, "Display style = Regular / Bold ?");
  EXPECT_EQ(CellStyle(*TableCellAt(RecordOf(table), 2, 2)), 21);
  RecordOf(table).bModified = 0;
}

// The dialog's own boxes: "By default setting" clears the other choices.
TEST_F(CellColoursWindowTest, DisplayStyleDefaultClearsTheOtherChoices) {
  DisplayStyleModel model;
  model.iWeight = 2;
  model.iAlignment = 0;
  const int button = RunDialogView(DisplayStyleView, DISPLAY_STYLE_DIALOG_NAME, &model, [](QDialog* dialog) {
    for (QCheckBox* box : dialog->findChildren<QCheckBox*>()) {
      if (box->text() == "By default setting") box->click();
    }
    dialog->accept();
  });
  EXPECT_EQ(button, BUTTON_OK);
  EXPECT_TRUE(model.bDefault);
  EXPECT_EQ(model.iWeight, 0);
  EXPECT_EQ(model.iAlignment, -1);
}

}  // namespace
