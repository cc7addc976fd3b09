// Note and marker texts: cut to 28 characters without splitting one, the
// 30 note slots, and marker texts outside the plot.
#include <gtest/gtest.h>

#include <string>

#include "plots/chart_dialogs.h"
#include "plots/chart_layout.h"
#include "plots/chart_notes.h"
#include "support/chart_fixture.h"

namespace {

TEST(ChartNotes, LongTextsAreCutToWholeCharacters) {
  const struct {
    std::string text;
    std::string kept;
  } cases[] = {
      {std::string(40, 'a'), std::string(28, 'a')},
      {"R12C3 = 123456789012345678901234", "R12C3 = 12345678901234567890"},
      // Chinese takes 3 bytes a character: 9 of them fit the 30-byte field.
      {"注释注释注释注释注释注释", "注释注释注释注释注"},
      {"ab注", "ab注"},
  };
  for (const auto& c : cases) {
    ChartText field{};
    StoreChartText(field, c.text, CHART_NOTE_CHARS);
    EXPECT_EQ(std::string(field.data()), c.kept) << c.text;
  }
  EXPECT_EQ(CutToCharacters("a\xE6\xB3", 5), "a");  // a cut-off sequence is left out
}

TEST(ChartNotes, ThirtySlotsThenNone) {
  ChartPtr c = NewChart();
  SetSeries(*c, 0, std::vector<double>(40, 1.0));
  for (int n = 0; n < CHART_NOTES; ++n) {
    const int slot = ChartNoteSlotFor(*c, 0, n);
    ASSERT_EQ(slot, n);
    ChartStoreNote(*c, slot, 0, n, ChartNoteDefault(*c, 0, n), true);
  }
  EXPECT_EQ(ChartNoteSlotFor(*c, 0, 35), -1);
  EXPECT_EQ(ChartNoteSlotFor(*c, 0, 7), 7);  // an existing note keeps its slot
  EXPECT_EQ(std::string(c->noteText[2].data()), "R1C3 = 1");
}

TEST(ChartNotes, MarkersOutsideThePlotSayNull) {
  ChartPtr c = NewChart();
  SetSeries(*c, 0, {1, 2, 3});
  ASSERT_EQ(ChartLayout(*c, 800, 600), 0);
  c->iLastRightX = 5;
  c->iLastRightY = 10;
  ASSERT_EQ(ChartSetMarker(*c), 0);
  EXPECT_EQ(std::string(c->markerXText[0].data()), "X = NULL");
  EXPECT_EQ(std::string(c->markerYText[0].data()), "Y = NULL");
  c->iLastRightX = c->iPlotLeft + 2 * c->stepPixels;
  c->iLastRightY = ValueToY(*c, 2);
  ASSERT_EQ(ChartSetMarker(*c), 0);
  EXPECT_EQ(std::string(c->markerXText[1].data()), "X (Col) = 3");
  EXPECT_EQ(std::string(c->markerYText[1].data()).rfind("Y = 2", 0), 0u);
}

}  // namespace
