// The numeric find: stored choices (ordered bounds), the highlight by each
// condition in one colour or on the hue scale, empty cells as 0, texts left
// alone, the colour map's picture view, and the command with its dialog.
#include "analysis/find_highlight.h"

#include <gtest/gtest.h>

#include <string>

#include "analysis/find_command.h"
#include "analysis/trend_colour.h"
#include "platform/colour_dialog.h"
#include "platform/dialogs.h"
#include "platform/text_buffer.h"
#include "resources/command_ids.h"
#include "support/dialog_script_guard.h"
#include "support/fresh_table.h"
#include "support/headless_program.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_window_ops.h"

namespace {

HlsColour ColourAt(const FreshTable& t, int row, int col) {
  const TableCell& cell = *TableCellAt(*t, row, col);
  return {CellTextHue(cell), CellTextLum(cell), CellTextSat(cell)};
}

bool Same(HlsColour a, HlsColour b) { return a.iHue == b.iHue && a.iLum == b.iLum && a.iSat == b.iSat; }

TEST(FindChoice, StoresOrderedBoundsAndCutTexts) {
  const struct {
    const char* low;
    const char* high;
    const char* storedLow;
    const char* storedHigh;
  } cases[] = {
      {"10", "2", "2", "10"},     // numerically, not as texts
      {"2", "10", "2", "10"},
      {"-5", "-50", "-50", "-5"},
      {"3", "3.0", "3.0", "3"},   // equal: the first typed goes high
      {"x", "1", "x", "1"},       // no number reads 0
  };
  for (const auto& c : cases) {
    FreshTable t;
    ASSERT_TRUE(t.ok());
    FindChoice choice;
    choice.iMode = FIND_BETWEEN;
    choice.szLow = c.low;
    choice.szHigh = c.high;
    FindStoreChoice(*t, choice);
    EXPECT_EQ(TextOf(t->szFindLow), c.storedLow) << c.low << ".." << c.high;
    EXPECT_EQ(TextOf(t->szFindHigh), c.storedHigh) << c.low << ".." << c.high;
  }
  FreshTable t;
  ASSERT_TRUE(t.ok());
  FindChoice choice;
  choice.szText = "123456789012345678901";
  choice.iStyle = HIGHLIGHT_SINGLE;
  FindStoreChoice(*t, choice);
  EXPECT_EQ(TextOf(t->szFindText), "123456789012345678");
  EXPECT_EQ(t->iHighlightStyle, HIGHLIGHT_SINGLE);
  EXPECT_EQ(t->iColourState, COLOUR_STATE_FIND);
  EXPECT_EQ(TrendSettingsOf(*t).iCompareMode, TREND_ALL_DATA);
  EXPECT_FALSE(FindIsTextSearch(*t));
  CopyText(t->szFindText, "");
  EXPECT_FALSE(FindIsTextSearch(*t));
  CopyText(t->szFindText, "abc");
  EXPECT_TRUE(FindIsTextSearch(*t));
}

// A 2 x 3 table: 1 7 x / (empty) 5 10 (the empty cell is inside the used area).
void Fill(FreshTable& t) {
  t.Store(1, 1, "1");
  t.Store(1, 2, "7");
  t.Store(1, 3, "x");
  t.Store(2, 2, "5");
  t.Store(2, 3, "10");
}

TEST(HighlightValues, SingleColourPerCondition) {
  const HlsColour red = RgbToHls(255, 0, 0);
  const HlsColour grey = FIND_NO_MATCH;
  const struct {
    const char* name;
    int mode;
    const char* text;
    const char* low;
    const char* high;
    bool match11, match12, match21, match22, match23;  // (1,1) (1,2) (2,1) empty (2,2) (2,3)
  } cases[] = {
      {"above 5", FIND_ABOVE, "5", "", "", false, true, false, false, true},
      {"below 5", FIND_BELOW, "5", "", "", true, false, true, false, false},
      {"not equal 5", FIND_NOT_EQUAL, "5", "", "", true, true, true, false, true},
      {"equal 5", FIND_EQUAL, "5", "", "", false, false, false, true, false},
      {"an empty text finds zeros and empty cells", FIND_EQUAL, "", "", "", false, false, true, false, false},
      {"between 2 and 7", FIND_BETWEEN, "", "2", "7", false, true, false, true, false},
      {"the trend's mode counts as equal", FIND_TREND, "7", "", "", false, true, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FreshTable t;
    ASSERT_TRUE(t.ok());
    Fill(t);
    t->iFindMode = c.mode;
    t->iHighlightStyle = HIGHLIGHT_SINGLE;
    CopyText(t->szFindText, c.text);
    CopyText(t->szFindLow, c.low);
    CopyText(t->szFindHigh, c.high);
    HighlightValues(*t);
    const bool matches[] = {c.match11, c.match12, c.match21, c.match22, c.match23};
    const std::pair<int, int> cells[] = {{1, 1}, {1, 2}, {2, 1}, {2, 2}, {2, 3}};
    for (int i = 0; i < 5; ++i) {
      EXPECT_TRUE(Same(ColourAt(t, cells[i].first, cells[i].second), matches[i] ? red : grey))
          << cells[i].first << "," << cells[i].second;
    }
    // The text keeps the default colour.
    EXPECT_TRUE(Same(ColourAt(t, 1, 3), {DEFAULT_TEXT_HUE, DEFAULT_TEXT_LUM, DEFAULT_TEXT_SAT}));
    EXPECT_EQ(t->bImageView, 0);
  }
}

TEST(HighlightValues, ColourScaleAgainstOneColour) {
  FreshTable t;
  ASSERT_TRUE(t.ok());
  Fill(t);
  t->highlightColour = {0, 128, 0};
  t->iFindMode = FIND_ABOVE;
  CopyText(t->szFindText, "5");
  // Multi-colour: 10 is the table's largest number, so it takes H1 (0);
  // 7 lies between 5 and 10 on the hues 0..200.
  t->iHighlightStyle = HIGHLIGHT_SCALE;
  HighlightValues(*t);
  EXPECT_EQ(ColourAt(t, 2, 3).iHue, 0);
  EXPECT_EQ(ColourAt(t, 1, 2).iHue, TrendHue(7, TrendScale{5, 10, 0, 200}));
  EXPECT_EQ(ColourAt(t, 1, 2).iSat, TREND_SATURATION);
  EXPECT_TRUE(Same(ColourAt(t, 1, 1), FIND_NO_MATCH));
  // Single colour: both matches take the highlight colour.
  t->iHighlightStyle = HIGHLIGHT_SINGLE;
  HighlightValues(*t);
  EXPECT_TRUE(Same(ColourAt(t, 2, 3), RgbToHls(0, 128, 0)));
  EXPECT_TRUE(Same(ColourAt(t, 1, 2), RgbToHls(0, 128, 0)));
  // Equal always highlights in the one colour.
  t->iHighlightStyle = HIGHLIGHT_SCALE;
  t->iFindMode = FIND_EQUAL;
  CopyText(t->szFindText, "7");
  HighlightValues(*t);
  EXPECT_TRUE(Same(ColourAt(t, 1, 2), RgbToHls(0, 128, 0)));
}

TEST(HighlightValues, ReversedBetweenScalesBetweenTheOrderedBounds) {
  FreshTable t;
  ASSERT_TRUE(t.ok());
  Fill(t);
  FindChoice choice;
  choice.iMode = FIND_BETWEEN;
  choice.szLow = "10";
  choice.szHigh = "5";
  FindStoreChoice(*t, choice);
  HighlightValues(*t);
  EXPECT_EQ(ColourAt(t, 2, 3).iHue, 0);    // 10: the top of the scale
  EXPECT_EQ(ColourAt(t, 2, 2).iHue, 200);  // 5: its bottom
  EXPECT_EQ(ColourAt(t, 1, 2).iHue, TrendHue(7, TrendScale{5, 10, 0, 200}));
  EXPECT_TRUE(Same(ColourAt(t, 1, 1), FIND_NO_MATCH));
}

TEST(HighlightValues, AColourMapShowsItsPicture) {
  FreshTable t;
  ASSERT_TRUE(t.ok());
  Fill(t);
  t->bLinked = 1;
  HighlightValues(*t);
  EXPECT_EQ(t->bImageView, 1);
  EXPECT_EQ(t->iDefaultColWidth, 9);
  EXPECT_EQ(t->colWidth[5], 9);
  EXPECT_EQ(t->rowHeight[5], 9);
}

class FindCommandTest : public HeadlessTableTest {};

ScriptedAnswer ChooseFind(const char* text, int mode, int style) {
  return AnswerDialog(FIND_DIALOG_NAME, [text, mode, style](DialogRequest& request) {
    auto* model = dynamic_cast<FindDialogModel*>(request.pModel);
    model->choice.szText = text;
    model->choice.iMode = mode;
    model->choice.iStyle = style;
    return static_cast<int>(BUTTON_OK);
  });
}

TEST_F(FindCommandTest, TextSearchOrHighlightWithItsColourMap) {
  DialogScriptGuard script;
  TableSetCellText(table_, 1, 1, "3");
  TableSetCellText(table_, 2, 1, "8");
  TableSetCellText(table_, 4, 2, "Total");
  {
    // The dialog opens on the right-clicked number.
    TableLockGuard t(table_);
    t->iBrowseRow = 2;
    t->iBrowseCol = 1;
  }
  DialogScriptPush(AnswerDialog(FIND_DIALOG_NAME, [](DialogRequest& request) {
    auto* model = dynamic_cast<FindDialogModel*>(request.pModel);
    EXPECT_EQ(model->choice.szText, "8");
    model->choice.szText = "total";
    return static_cast<int>(BUTTON_OK);
  }));
  SendCommand(table_, CMD_FIND);
  {
    TableLockGuard t(table_);
    EXPECT_EQ(t->selRowFrom[0], 4);
    EXPECT_EQ(t->selColFrom[0], 2);
    EXPECT_TRUE(IsNone(t->hTrendWindow));
  }

  DialogScriptPush(ChooseFind("5", FIND_ABOVE, HIGHLIGHT_SINGLE));
  SendCommand(table_, CMD_POPUP_FIND);
  WindowHandle map = WindowHandle::None;
  {
    TableLockGuard t(table_);
    EXPECT_EQ(t->iColourState, COLOUR_STATE_FIND);
    EXPECT_EQ(CellTextHue(*TableCellAt(*t.get(), 2, 1)), RgbToHls(255, 0, 0).iHue);
    EXPECT_EQ(CellTextLum(*TableCellAt(*t.get(), 1, 1)), FIND_NO_MATCH.iLum);
    map = t->hTrendWindow;
  }
  ASSERT_TRUE(IsWindowAlive(map));
  {
    TableLockGuard m(map);
    EXPECT_EQ(CellTextLum(*TableCellAt(*m.get(), 1, 1)), FIND_NO_MATCH.iLum);
    EXPECT_EQ(m->iFindMode, FIND_ABOVE);
  }
  DestroyWindowOf(map);
}

TEST_F(FindCommandTest, AChosenColourStaysWhenTheDialogIsCancelled) {
  DialogScriptGuard script;
  DialogScriptPush(AnswerDialog(FIND_DIALOG_NAME, [](DialogRequest& request) {
    auto* model = dynamic_cast<FindDialogModel*>(request.pModel);
    EXPECT_EQ(model->iRgb, PackRgb(255, 0, 0));
    EXPECT_TRUE(model->pfnChooseColour(&model->iRgb));
    return static_cast<int>(BUTTON_CANCEL);
  }));
  DialogScriptPush(AnswerDialog(COLOUR_DIALOG_NAME, [](DialogRequest& request) {
    dynamic_cast<ColourChoiceModel*>(request.pModel)->iRgb = PackRgb(0, 0, 255);
    return static_cast<int>(BUTTON_OK);
  }));
  SendCommand(table_, CMD_BUTTON_FIND);
  TableLockGuard t(table_);
  EXPECT_EQ(t->highlightColour[2], 255);
  EXPECT_EQ(t->highlightColour[0], 0);
  EXPECT_EQ(t->iHighlightStyle, HIGHLIGHT_SINGLE);
  EXPECT_EQ(t->iColourState, COLOUR_STATE_NORMAL);
}

}  // namespace
