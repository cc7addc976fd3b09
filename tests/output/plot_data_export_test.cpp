// The text a 3D plot's data export puts on the clipboard: the three
// separations, the header lines in both languages, fixed-width columns as
// wide as the longest value, and the options dialog's choices kept or
// dropped.
#include <gtest/gtest.h>

#include <string>

#include "output/plot_data_export.h"
#include "platform/clipboard.h"
#include "resources/language.h"
#include "support/dialog_script_guard.h"

namespace {

PlotExportData Grid(int rows, int cols, std::vector<double> values) {
  PlotExportData data;
  data.szName = "Data ";
  data.domain = {"Focus (Row,Col)=(2,3); Data=7", "Upper-left corner: ( 1, 1 )", "Lower-right corner: ( 3, 4 )"};
  data.iRows = rows;
  data.iCols = cols;
  data.values = std::move(values);
  return data;
}

const std::string kHeader23 =
    "Data Domain:\r\n"
    "Focus (Row,Col)=(2,3); Data=7\r\n"
    "Upper-left corner: ( 1, 1 )\r\n"
    "Lower-right corner: ( 3, 4 )\r\n"
    "\r\n"
    "Current data range: Maximum=600; Minimum=-5;\r\n"
    "\r\n"
    "Total Data  data points (Rows X Columns)=2X3:\r\n"
    "\r\n";

TEST(PlotDataText, SeparationsWithAndWithoutHeader) {
  const PlotExportData data = Grid(2, 3, {1, 22, -5, 600, 0.5, 7});
  struct Case {
    int separation;
    int header;
    std::string expected;
  };
  const Case cases[] = {
      {EXPORT_COMMA, EXPORT_NO_HEADER, "1,22,-5,\r\n600,0.5,7,\r\n"},
      {EXPORT_TAB, EXPORT_NO_HEADER, "1\t22\t-5\t\r\n600\t0.5\t7\t\r\n"},
      // The longest value (0.5, three characters) sets the width: w + 1 = 4.
      {EXPORT_FIXED, EXPORT_NO_HEADER, "   1  22  -5\r\n 600 0.5   7\r\n"},
      {EXPORT_COMMA, EXPORT_WITH_HEADER, kHeader23 + "1,22,-5,\r\n600,0.5,7,\r\n"},
      {EXPORT_TAB, EXPORT_WITH_HEADER, kHeader23 + "1\t22\t-5\t\r\n600\t0.5\t7\t\r\n"},
      {EXPORT_FIXED, EXPORT_WITH_HEADER, kHeader23 + "   1  22  -5\r\n 600 0.5   7\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlotDataText(data, c.separation, c.header), c.expected) << c.separation << " " << c.header;
  }
}

// An interior value longer than both extremes still gets a whole column.
TEST(PlotDataText, FixedWidthFitsTheLongestValue) {
  const PlotExportData data = Grid(1, 3, {0, 3.333333, 10});
  EXPECT_EQ(PlotDataText(data, EXPORT_FIXED, EXPORT_NO_HEADER), "      0.0 3.333333       10\r\n");
}

TEST(PlotDataText, OneNodeKeepsTheWholeHeaderAndSmoothing) {
  PlotExportData data = Grid(1, 1, {42});
  data.bSmoothed = true;
  data.iSmoothLevel = 5;
  EXPECT_EQ(PlotDataText(data, EXPORT_TAB, EXPORT_WITH_HEADER),
            "Data Domain:\r\n"
            "Focus (Row,Col)=(2,3); Data=7\r\n"
            "Upper-left corner: ( 1, 1 )\r\n"
            "Lower-right corner: ( 3, 4 )\r\n"
            "\r\n"
            "Current data range: Maximum=42; Minimum=42;\r\n"
            "Original data have been smoothed; Smoothing coefficient=5;\r\n"
            "\r\n"
            "Total Data  data points (Rows X Columns)=1X1:\r\n"
            "\r\n"
            "42\t\r\n");
}

TEST(PlotDataText, ChineseHeader) {
  LanguageSetChinese(true);
  PlotExportData data = Grid(1, 2, {1, 2});
  data.szName = "数据 ";
  data.bSmoothed = true;
  data.iSmoothLevel = 3;
  const std::string text = PlotDataText(data, EXPORT_COMMA, EXPORT_WITH_HEADER);
  const std::string title = ExportOptionsTitle("数据 ");
  LanguageSetChinese(false);
  EXPECT_EQ(text.substr(0, text.find("\r\n") + 2), "数据覆盖区域:\r\n");
  EXPECT_NE(text.find("当前值域范围: Maximum=2; Minimum=1;\r\n"), std::string::npos);
  EXPECT_NE(text.find("原始数据经过平滑处理; 平滑处理等级=3;\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n数据 总量: (行X列)=1X2:\r\n\r\n1,2,\r\n"), std::string::npos);
  EXPECT_EQ(title, "输出 数据   数据格式选择");
}

// OK stores the choices and puts the text on the clipboard with its
// message; Cancel leaves both the choices and the clipboard alone.
TEST(CopyPlotData, DialogChoicesReachTheClipboard) {
  DialogScriptGuard guard;
  const PlotExportData data = Grid(2, 3, {1, 22, -5, 600, 0.5, 7});
  int separation = EXPORT_TAB;
  int header = EXPORT_WITH_HEADER;
  DialogScriptPush(AnswerDialog(EXPORT_OPTIONS_DIALOG, [](DialogRequest& request) {
    auto* model = dynamic_cast<ExportOptionsModel*>(request.pModel);
    EXPECT_EQ(model->szTitle, "Export Data  Data Options");
    EXPECT_EQ(model->iSeparation, EXPORT_TAB);
    EXPECT_EQ(model->iHeader, EXPORT_WITH_HEADER);
    model->iSeparation = EXPORT_COMMA;
    model->iHeader = EXPORT_NO_HEADER;
    return static_cast<int>(BUTTON_OK);
  }));
  DialogScriptPush(AnswerOk("Message"));
  EXPECT_EQ(CopyPlotData(WindowHandle::None, data, &separation, &header), 0);
  EXPECT_EQ(separation, EXPORT_COMMA);
  EXPECT_EQ(header, EXPORT_NO_HEADER);
  EXPECT_EQ(ClipboardGetText(), "1,22,-5,\r\n600,0.5,7,\r\n");
  EXPECT_EQ(DialogScriptShown().back().szText, "You can now \"Paste\" data to Notepad or Excel");

  ClipboardSetText("kept");
  DialogScriptPush(AnswerCancel(DIALOG_CUSTOM, EXPORT_OPTIONS_DIALOG));
  EXPECT_EQ(CopyPlotData(WindowHandle::None, data, &separation, &header), 1);
  EXPECT_EQ(separation, EXPORT_COMMA);
  EXPECT_EQ(ClipboardGetText(), "kept");
  guard.Check();
}

}  // namespace
