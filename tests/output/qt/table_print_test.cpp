// Printing tables to a PDF file through the scripted print dialog: a plain
// table's used area, the page count when the last row starts a page, a
// database result from the SQLite sample, and the dialogs' Cancel and
// missing printer.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "output/print_job.h"
#include "output/table_print.h"
#include "output/qt/print_fixture.h"
#include "output/qt/print_surface_qt.h"
#include "resources/command_ids.h"
#include "shell/program_state.h"
#include "sources/odbc_builder.h"
#include "sources/odbc_commands.h"
#include "sources/odbc_login.h"
#include "sources/odbc_sandbox.h"
#include "support/qt_table.h"
#include "table/cell_store.h"
#include "table/table_window_ops.h"
#include "table/table_access.h"

namespace {

class TablePrintTest : public QtTableTest {
 protected:
  std::string Pdf(const std::string& name) const { return (dir_ / name).string(); }
  // Rows a page holds when printing this table to a PDF on `paper` (the
  // printer's own paper when 0 x 0).
  int RowsPerPage(PaperPoints paper = {}, bool landscape = false) {
    PrintSetupModel setup;
    setup.szOutputFile = Pdf("probe.pdf");
    setup.iPaperWidthPt = paper.iWidth;
    setup.iPaperHeightPt = paper.iHeight;
    setup.bLandscape = landscape;
    const std::unique_ptr<PrintSurface> surface = OpenQtPrinter(setup, "probe");
    TableLockGuard t(table_);
    const TablePrintLayout layout = TablePrintLayoutOf(*t.get());
    const int width = PrintPageWidth(layout, surface->ScreenWidth());
    return PrintRowsPerPage(PrintPageHeight(width, surface->PageWidth(), surface->PageHeight()));
  }
};

TEST_F(TablePrintTest, PlainTablePrintsItsUsedArea) {
  TableSetCellText(table_, 1, 1, "12.5");
  TableSetCellText(table_, 2, 2, "A text much longer than twenty-five characters");
  TableSetCellText(table_, 3, 1, "end");
  ScriptPrintToPdf(Pdf("plain.pdf"));
  SendCommand(table_, CMD_PRINT);
  script_->Check();
  EXPECT_EQ(PdfInfo(Pdf("plain.pdf"), "Pages"), "1");
  EXPECT_EQ(PdfInfo(Pdf("plain.pdf"), "Title"), "Information");
  const std::string text = PdfText(Pdf("plain.pdf"));
  for (const char* shown : {"C1", "C2", "R1", "R2", "R3", "12.5", "A text much longer than t...", "end"}) {
    EXPECT_NE(text.find(shown), std::string::npos) << shown << "\n" << text;
  }
  EXPECT_EQ(text.find("C3"), std::string::npos);
  EXPECT_EQ(text.find("R4"), std::string::npos);
}

// The last row alone on a page still prints: two full pages and one row.
TEST_F(TablePrintTest, LastRowOnItsOwnPage) {
  TableSetCellText(table_, 1, 1, "1");
  const int perPage = RowsPerPage();
  ASSERT_GT(perPage, 20);
  TableSetCellText(table_, 2 * perPage + 1, 1, "last row");
  ScriptPrintToPdf(Pdf("three.pdf"));
  SendCommand(table_, CMD_BUTTON_PRINT);
  script_->Check();
  EXPECT_EQ(PdfInfo(Pdf("three.pdf"), "Pages"), "3");
  const std::string text = PdfText(Pdf("three.pdf"));
  EXPECT_NE(text.find("last row"), std::string::npos);
  EXPECT_NE(text.find("R" + std::to_string(2 * perPage + 1)), std::string::npos);
}

// The paper chosen in the print dialog is the PDF's page size, in either
// orientation, and the rows are laid out for it: every row prints.
TEST_F(TablePrintTest, ChosenPaperIsThePageSize) {
  struct Case {
    const char* name;
    PaperPoints paper;
    bool landscape;
    const char* pageSize;  // as pdfinfo gives it
  };
  const Case cases[] = {
      {"a5", {420, 595}, false, "420 x 595 pts (A5)"},
      {"letter-landscape", {612, 792}, true, "792 x 612 pts (letter)"},
      {"a3", {842, 1191}, false, "842 x 1191 pts (A3)"},
  };
  TableSetCellText(table_, 1, 1, "1");
  TableSetCellText(table_, 100, 1, "last row");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string pdf = Pdf(std::string(c.name) + ".pdf");
    ScriptPrintToPdf(pdf, c.landscape, c.paper);
    SendCommand(table_, CMD_PRINT);
    script_->Check();
    EXPECT_EQ(PdfInfo(pdf, "Page size"), c.pageSize);
    const int perPage = RowsPerPage(c.paper, c.landscape);
    EXPECT_EQ(PdfInfo(pdf, "Pages"), std::to_string((100 + perPage - 1) / perPage));
    EXPECT_NE(PdfText(pdf).find("last row"), std::string::npos);
  }
}

TEST_F(TablePrintTest, CancelPrintsNothingAndSaysNothing) {
  TableSetCellText(table_, 1, 1, "1");
  DialogScriptPush(AnswerCancel(DIALOG_CUSTOM, PRINT_DIALOG));
  SendCommand(table_, CMD_PRINT);
  // The preview cancelled: no file either.
  DialogScriptPush(AnswerDialog(PRINT_DIALOG, [this](DialogRequest& request) {
    dynamic_cast<PrintSetupModel*>(request.pModel)->szOutputFile = Pdf("never.pdf");
    return static_cast<int>(BUTTON_OK);
  }));
  DialogScriptPush(AnswerCancel(DIALOG_CUSTOM, PRINT_PREVIEW_DIALOG));
  SendCommand(table_, CMD_PRINT);
  script_->Check();
  EXPECT_EQ(DialogScriptShown().size(), 3u);
  EXPECT_FALSE(std::filesystem::exists(Pdf("never.pdf")));
}

// OK without a printer or file; an empty table says there is nothing.
TEST_F(TablePrintTest, NoPrinterAndEmptyTableAreReported) {
  DialogScriptPush(AnswerOk("Message"));
  SendCommand(table_, CMD_PRINT);
  EXPECT_EQ(DialogScriptShown().back().szText, "The table holds no data to print.");
  TableSetCellText(table_, 1, 1, "1");
  DialogScriptPush(AnswerDialog(PRINT_DIALOG, [](DialogRequest&) { return static_cast<int>(BUTTON_OK); }));
  DialogScriptPush(AnswerOk("Error message"));
  SendCommand(table_, CMD_PRINT);
  script_->Check();
  EXPECT_EQ(DialogScriptShown().back().szText, "Cannot find printer");
}

// A query result of the SQLite sample prints its field list over the rows
// it loaded, rows 0 and 1 (labels and names) like data rows.
TEST_F(TablePrintTest, DatabaseResultPrintsItsFields) {
  odbc_test::TheSandbox();
  const std::string chinook = odbc_test::TheSandbox().CopyData("sqlite/Chinook_Sqlite.sqlite");
  if (chinook.empty()) GTEST_SKIP() << "shared test data missing";
  DialogScriptPush(AnswerDialog("Database login", [](DialogRequest&) { return static_cast<int>(BUTTON_OK); }));
  DialogScriptPush(AnswerOpenFile(chinook));
  DialogScriptPush(AnswerDialog("Select table columns", [](DialogRequest& request) {
    auto* model = dynamic_cast<OdbcBuilderModel*>(request.pModel);
    for (std::size_t i = 0; i < model->tables.size(); ++i) {
      if (model->tables[i] == "Album") OdbcBuilderChooseTable(*model, static_cast<int>(i));
    }
    OdbcBuilderSelectAll(*model);
    model->iAction = ODBC_ACTION_FINISH;
    return static_cast<int>(BUTTON_OK);
  }));
  CmdOpenDatabaseFile(Program().hFrameWnd, CMD_OPEN_SQLITE, 0);
  ProcessEvents();
  const WindowHandle result = MdiActiveChild(Program().hMdiClient);
  ASSERT_NE(result, table_);
  int loaded = 0;
  {
    TableLockGuard t(result);
    ASSERT_TRUE(t);
    loaded = t->iLoadedRows;
  }
  ASSERT_EQ(loaded, 347 + 2);
  ScriptPrintToPdf(Pdf("album.pdf"));
  SendCommand(result, CMD_PRINT);
  script_->Check();
  EXPECT_EQ(PdfInfo(Pdf("album.pdf"), "Title"), "Information");
  const std::string pages = PdfInfo(Pdf("album.pdf"), "Pages");
  ASSERT_FALSE(pages.empty());
  EXPECT_GE(std::stoi(pages), 5);
  const std::string text = PdfText(Pdf("album.pdf"));
  for (const char* shown : {"AlbumId", "Title", "ArtistId", "For Those About To Rock W...", "Balls to the Wall"}) {
    EXPECT_NE(text.find(shown), std::string::npos) << shown;
  }
  DestroyWindowOf(result);
}

}  // namespace
