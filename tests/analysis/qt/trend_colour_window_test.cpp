// The trend colour command in the running program: the dialog's choices,
// the coloured table, its colour map (a copy drawn as coloured squares,
// linked both ways, scrolled with the table) and the dialog's own widgets.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QRadioButton>
#include <QSlider>

#include "analysis/qt/trend_colour_view.h"
#include "analysis/trend_colour.h"
#include "analysis/trend_colour_command.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/menu.h"
#include "platform/popup_menu.h"
#include "platform/scrollbar.h"
#include "resources/command_ids.h"
#include "shell/program_state.h"
#include "support/qt_program.h"
#include "support/qt_table.h"
#include "table/cell_store.h"
#include "table/colour.h"
#include "table/table_access.h"
#include "table/table_scroll.h"
#include "platform/window.h"
#include "table/table_window_ops.h"

namespace {

class TrendColourWindowTest : public QtProgramTest {};

// Answer the dialog with a comparison mode and relief, keeping the hues.
ScriptedAnswer ChooseMode(int mode, bool relief) {
  return AnswerDialog(TREND_DIALOG_NAME, [mode, relief](DialogRequest& request) {
    auto* model = dynamic_cast<TrendDialogModel*>(request.pModel);
    model->iCompareMode = mode;
    model->bRelief = relief;
    return static_cast<int>(BUTTON_OK);
  });
}

TEST_F(TrendColourWindowTest, ColoursTheTableAndOpensItsColourMap) {
  const WindowHandle table = NewTableWindow();
  const char* values[3][3] = {{"1", "2", "3"}, {"30", "20", "10"}, {"5", "abc", "7"}};
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) TableSetCellText(table, r + 1, c + 1, values[r][c]);
  }
  DialogScriptPush(ChooseMode(TREND_ROW, false));
  ASSERT_EQ(ChooseMenuItem(Program().hFrameWnd, CMD_TREND), 0);
  ProcessEvents();

  const WindowHandle map = RecordOf(table).hTrendWindow;
  ASSERT_TRUE(IsWindowAlive(map));
  EXPECT_EQ(WindowTitle(map), "Data trend color ->New Table");
  EXPECT_TRUE(TrendIsColourMap(map));
  EXPECT_FALSE(TrendIsColourMap(table));
  EXPECT_EQ(RecordOf(map).hTrendWindow, table);
  EXPECT_EQ(RecordOf(table).iColourState, COLOUR_STATE_TREND);
  // Row by row: the smallest of a row takes hue 200, the largest 0.
  EXPECT_EQ(CellTextHue(*TableCellAt(RecordOf(table), 1, 1)), 200);
  EXPECT_EQ(CellTextHue(*TableCellAt(RecordOf(table), 2, 1)), 0);
  // The map holds the same cells and colours, the text through its own pool.
  EXPECT_EQ(TableCellDisplayText(RecordOf(map), 3, 2), "abc");
  EXPECT_EQ(CellTextHue(*TableCellAt(RecordOf(map), 2, 1)), 0);
  EXPECT_EQ(RecordOf(map).bImageView, 1);
  EXPECT_EQ(RecordOf(map).colWidth[3], 9);
  EXPECT_EQ(RecordOf(map).rowHeight[2], 9);

  // Its squares show the cells' colours: R2C1 (hue 0) is red.
  const QImage image = Render(map);
  const RgbColour red = HlsToRgb(0, TREND_SATURATION, TREND_LIGHTNESS);
  const QPoint square = CellMiddle(map, 2, 1);
  EXPECT_EQ(image.pixelColor(square), QColor(red.iRed, red.iGreen, red.iBlue));

  // The two scroll together, both ways.
  ScrollToRow(table, 40);
  NotifyScroll(table, SCROLLBAR_VERT);
  ProcessEvents();
  EXPECT_EQ(RecordOf(map).iTopRow, 40);
  ScrollToCol(map, 7);
  NotifyScroll(map, SCROLLBAR_HORZ);
  ProcessEvents();
  EXPECT_EQ(RecordOf(table).iLeftCol, 7);

  // A second run refreshes the same map.
  DialogScriptPush(ChooseMode(TREND_ALL_DATA, true));
  ASSERT_EQ(ChooseMenuItem(Program().hFrameWnd, CMD_TREND), 0);
  ProcessEvents();
  EXPECT_EQ(RecordOf(table).hTrendWindow, map);
  EXPECT_EQ(TrendSettingsOf(RecordOf(map)).iRelief, TREND_RELIEF_ON);

  // Closing the map lets the table go of it.
  DestroyWindowOf(map);
  ProcessEvents();
  EXPECT_FALSE(IsWindowAlive(RecordOf(table).hTrendWindow));
}

TEST_F(TrendColourWindowTest, CancelLeavesTheTableButKeepsReleasedHues) {
  const WindowHandle table = NewTableWindow();
  TableSetCellText(table, 1, 1, "1");
  DialogScriptPush(AnswerDialog(TREND_DIALOG_NAME, [](DialogRequest& request) {
    auto* model = dynamic_cast<TrendDialogModel*>(request.pModel);
    model->pfnStoreHues(30, 150);  // a thumb was released
    return static_cast<int>(BUTTON_CANCEL);
  }));
  ASSERT_EQ(ChooseMenuItem(Program().hFrameWnd, CMD_TREND), 0);
  EXPECT_EQ(RecordOf(table).iColourState, COLOUR_STATE_NORMAL);
  EXPECT_EQ(TrendSettingsOf(RecordOf(table)).iHueStart, 30);
  EXPECT_EQ(TrendSettingsOf(RecordOf(table)).iHueEnd, 150);
  EXPECT_FALSE(IsWindowAlive(RecordOf(table).hTrendWindow));
}

// The real dialog: the mode's radio and the relief box start from the
// settings; the sliders give H1 and H2, a released thumb stores them.
TEST_F(TrendColourWindowTest, TheDialogsWidgets) {
  TrendDialogModel model;
  model.iCompareMode = TREND_COLUMN;
  model.iHueStart = 0;
  model.iHueEnd = 200;
  int stored = 0;
  model.pfnStoreHues = [&](int start, int end) {
    ++stored;
    EXPECT_EQ(start, 20);
    EXPECT_EQ(end, 180);
  };
  const int button = RunDialogView(TrendColourView, TREND_DIALOG_NAME, &model, [](QDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Data trend color analysis");
    const auto radios = dialog->findChildren<QRadioButton*>();
    for (QRadioButton* radio : radios) {
      EXPECT_EQ(radio->isChecked(), radio->text() == "Column independent") << radio->text().toStdString();
    }
    for (QRadioButton* radio : radios) {
      if (radio->text() == "All data") radio->setChecked(true);
    }
    const auto sliders = dialog->findChildren<QSlider*>();
    ASSERT_EQ(sliders.size(), 2);
    sliders[0]->setValue(20);
    sliders[1]->setValue(80);
    emit sliders[1]->sliderReleased();
    dialog->findChild<QCheckBox*>()->setChecked(true);
    dialog->accept();
  });
  EXPECT_EQ(button, BUTTON_OK);
  EXPECT_EQ(stored, 1);
  EXPECT_EQ(model.iCompareMode, TREND_ALL_DATA);
  EXPECT_TRUE(model.bRelief);
  EXPECT_EQ(model.iHueStart, 20);
  EXPECT_EQ(model.iHueEnd, 180);
}

// A right-drag over the coloured table shows the browse panel in its
// bottom-right corner: the hint band, the cell's swatch and the scale; the
// release, the image-pixel button and a narrow client take it away.
TEST_F(TrendColourWindowTest, RightDragShowsTheBrowsePanel) {
  const WindowHandle table = NewTableWindow();
  for (int c = 1; c <= 3; ++c) TableSetCellText(table, 1, c, std::to_string(c * 10));
  DialogScriptPush(ChooseMode(TREND_ROW, false));
  ASSERT_EQ(ChooseMenuItem(Program().hFrameWnd, CMD_TREND), 0);
  ProcessEvents();
  MdiActivate(table);
  ProcessEvents();
  RecordOf(table).bActivating = 0;  // as after the click that activated it
  const QPoint cell = CellMiddle(table, 1, 3);
  const auto send = [&](unsigned msg, unsigned keys) {
    SendMessageTo(table, msg, keys, MakePointParam(cell.x(), cell.y()));
    ProcessEvents();
  };
  const int width = RecordOf(table).iClientWidth;
  const int height = RecordOf(table).iClientHeight;
  ASSERT_GE(width, 380);
  // The middle swatch of the 3 x 3 block shows the cell's colour (hue 0).
  const QPoint swatch(width - 380 + 45 + 14 + 6, height - 50 + 4 + 14 + 6);
  const QPoint hintBand(width - 5, height - 60);
  const RgbColour red = HlsToRgb(0, TREND_SATURATION, TREND_LIGHTNESS);

  send(MSG_RBUTTONDOWN, MK_RBUTTON);
  send(MSG_MOUSEMOVE, MK_RBUTTON);
  QImage image = Render(table);
  EXPECT_EQ(image.pixelColor(swatch), QColor(red.iRed, red.iGreen, red.iBlue));
  EXPECT_EQ(image.pixelColor(hintBand), QColor(192, 192, 192));
  EXPECT_EQ(RecordOf(table).iBrowseCol, 3);

  // The image-pixel button hides it; pressed again, it shows it again.
  SendCommand(table, CMD_BUTTON_IMAGE_PIXEL);
  image = Render(table);
  EXPECT_NE(image.pixelColor(hintBand), QColor(192, 192, 192));
  SendCommand(table, CMD_BUTTON_IMAGE_PIXEL);
  EXPECT_EQ(Render(table).pixelColor(hintBand), QColor(192, 192, 192));

  // Released, the panel goes (the cell menu that opens is dismissed).
  PopupScriptBegin();
  PopupScriptPush(0);
  send(MSG_RBUTTONUP, 0);
  PopupScriptEnd();
  EXPECT_NE(Render(table).pixelColor(hintBand), QColor(192, 192, 192));
}

}  // namespace
