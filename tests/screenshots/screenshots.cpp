// Renders the program's windows headless into PNG files for the
// documentation: run from the folder holding CVLib/ with the output folder
// as argument (scripts/screenshots does both).
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QImage>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>
#include <string>

#include "analysis/trend_colour.h"
#include "analysis/trend_colour_command.h"
#include "platform/backend.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/popup_menu.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_language.h"
#include "resources/language.h"
#include "shell/frame_window.h"
#include "platform/timers.h"
#include "shell/program_entry.h"
#include "shell/program_state.h"
#include "shell/qt/view_classes.h"
#include "resources/command_ids.h"
#include "shell/welcome_layout.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_window.h"
#include "files/table_load.h"
#include "formula/formula_registry.h"
#include "analysis/analysis_options.h"
#include "analysis/data_count.h"
#include "platform/text_buffer.h"
#include "plots/plot3d_dialogs.h"
#include "plots/plot3d_window.h"
#include "plots/plot_coordinates.h"
#include "table/report_table.h"
#include "table/table_range.h"
#include "sources/odbc_builder.h"
#include "sources/odbc_commands.h"
#include "sources/odbc_data_source.h"
#include "plots/chart_window.h"
#include "plots/plot_coordinates.h"
#include "table/table_window_ops.h"
#include "output/print_job.h"
#include "output/window_picture.h"

namespace {

void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

bool SaveWindow(WindowHandle hwnd, const std::string& path) {
  QWidget* widget = OuterWidgetOf(hwnd);
  if (!widget) return false;
  QImage image(widget->size(), QImage::Format_RGB32);
  widget->render(&image);
  const bool ok = image.save(QString::fromStdString(path));
  std::printf("%s %s (%dx%d)\n", ok ? "wrote" : "could not write", path.c_str(), image.width(), image.height());
  return ok;
}

// A table a person would recognise: a header row of texts, monthly figures,
// a total column, colours, borders, a multiple selection and a locked row.
void FillSampleTable(WindowHandle table) {
  TableLockGuard t(table);
  if (!t) return;
  const char* heads[] = {"Station", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Total"};
  for (int c = 0; c < 8; ++c) TableStoreCellText(*t.get(), 1, c + 1, heads[c]);
  const char* names[] = {"North pier", "Harbour", "East ridge", "Lighthouse", "Airfield", "Valley",
                         "Old mill", "Reservoir", "South gate", "Summit"};
  for (int r = 0; r < 10; ++r) {
    TableStoreCellText(*t.get(), r + 2, 1, names[r]);
    double total = 0;
    for (int c = 0; c < 6; ++c) {
      const double v = 12.5 + 3.25 * r + 7.75 * c - (r * c % 5) * 1.5;
      total += v;
      TableStoreCellText(*t.get(), r + 2, c + 2, std::to_string(static_cast<int>(v * 100) / 100.0).substr(0, 5));
    }
    TableStoreCellText(*t.get(), r + 2, 8, std::to_string(static_cast<int>(total * 10) / 10.0).substr(0, 5));
  }
  TableStoreCellText(*t.get(), 13, 2, "12345678901234567");  // too wide: a grey bar
  for (int c = 1; c <= 8; ++c) {
    TableCell& cell = t->cells[static_cast<std::size_t>(1) * t->iCols + c];
    SetCellStyle(cell, 21);
    cell.iFillOn = 1;
    cell.iFillRed = 255;
    cell.iFillGreen = 242;
    cell.iFillBlue = 204;
    cell.iBorderStyle = 8;
    cell.iBorderBlue = 128;
  }
  for (int r = 2; r <= 11; ++r) {
    TableCell& total = t->cells[static_cast<std::size_t>(r) * t->iCols + 8];
    SetCellTextColour(total, 0, 90, 240);
    total.iBorderStyle = 5;
    total.iBorderRed = 0;
    total.iBorderGreen = 120;
    total.iBorderBlue = 0;
  }
  t->cells[static_cast<std::size_t>(5) * t->iCols + 4].iBorderStyle = 15;
  // Two ranges selected at once, and row 1 locked at the top.
  t->iSelCurrent = 1;
  t->selRowFrom[0] = 3, t->selRowTo[0] = 6, t->selColFrom[0] = 3, t->selColTo[0] = 4, t->selKind[0] = SELECT_BLOCK;
  t->selRowFrom[1] = 8, t->selRowTo[1] = 9, t->selColFrom[1] = 6, t->selColTo[1] = 7, t->selKind[1] = SELECT_BLOCK;
  t->bRowsLocked = 1;
  t->lockRowUsed[0] = 1;
  t->lockRowIndex[0] = 1;
  t->lockRowSlot[0] = 0;
  t->iTopRow = 1;
}

// Rainfall of five days and its total by a formula.
void FillFormulaTable(WindowHandle table) {
  const char* rows[][2] = {{"Day", "Rain (mm)"}, {"Mon", "12.5"}, {"Tue", "3.25"}, {"Wed", "0"},
                           {"Thu", "18.75"},     {"Fri", "7.5"},  {"Sat", "1.25"}};
  for (int r = 0; r < 7; ++r) {
    TableSetCellText(table, r + 1, 1, rows[r][0]);
    TableSetCellText(table, r + 1, 2, rows[r][1]);
  }
  TableSetCellText(table, 8, 1, "Total");
  FormulaRun(table, "R8C2", FORMULA_MODE_RUN, "sum(R2C2:R7C2)", 2);
  if (TableLockGuard t(table); t) {
    t->iSelCurrent = 0;
    t->selRowFrom[0] = 2, t->selRowTo[0] = 7, t->selColFrom[0] = 2, t->selColTo[0] = 2, t->selKind[0] = SELECT_BLOCK;
  }
}

// The frame with its File menu open: the frame and the menu drawn into
// one picture, the menu where it drops down.
bool SaveWithFileMenu(WindowHandle frame, const std::string& path) {
  auto* main = qobject_cast<QMainWindow*>(OuterWidgetOf(frame));
  if (!main || main->menuBar()->actions().isEmpty()) return false;
  QAction* fileAction = main->menuBar()->actions().first();
  QMenu* file = fileAction->menu();
  if (!file) return false;
  const QPoint at = main->menuBar()->mapTo(main, main->menuBar()->actionGeometry(fileAction).bottomLeft());
  main->menuBar()->setActiveAction(fileAction);
  file->popup(main->mapToGlobal(at));
  Settle();
  QImage image(main->size(), QImage::Format_RGB32);
  main->render(&image);
  QPainter painter(&image);
  file->render(&painter, at);
  painter.end();
  file->hide();
  main->menuBar()->setActiveAction(nullptr);
  const bool ok = image.save(QString::fromStdString(path));
  std::printf("%s %s (%dx%d)\n", ok ? "wrote" : "could not write", path.c_str(), image.width(), image.height());
  return ok;
}

// A second frame started from a folder whose system name file is the
// Chinese one, with Qt's texts in Chinese too.
WindowHandle StartChineseFrame(const std::string& root, std::string* dir) {
  char pattern[] = "/tmp/cartovel-shots-XXXXXX";
  if (!mkdtemp(pattern)) return WindowHandle::None;
  *dir = pattern;
  std::filesystem::create_directories(*dir + "/CVLib");
  std::error_code ec;
  std::filesystem::copy_file(root + "/CVLib/SysNameCN.TXT", *dir + "/CVLib/SysName.TXT", ec);
  std::filesystem::copy_file(root + "/CVLib/Root.bmp", *dir + "/CVLib/Root.bmp", ec);
  std::filesystem::current_path(*dir);
  ResetProgramState();
  const WindowHandle frame = CreateFrameWindow();
  InstallQtLanguage(LanguageIsChinese());
  return frame;
}

// The first rows of a real CSV file (the shared test data), stored as they
// read; false when the file is not there.
bool FillFromCsv(WindowHandle table, const std::string& path, int rows) {
  std::ifstream in(path);
  if (!in) return false;
  TableLockGuard t(table);
  std::string line;
  for (int row = 1; row <= rows && std::getline(in, line); ++row) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::stringstream fields(line);
    std::string field;
    for (int col = 1; std::getline(fields, field, ','); ++col) TableStoreCellText(*t.get(), row, col, field);
  }
  return true;
}

// Seattle's daily weather coloured row by row with shaded relief over its
// four measured columns, with the colour map below it; then the browse
// panel of a right-drag.
bool SaveColouredTable(WindowHandle frame, const std::string& out) {
  const char* kWeather = CARTOVEL_SHARED_DATA_DIR "/csv/vega-datasets/seattle-weather.csv";
  // Only this table in a taller frame.
  for (const WindowHandle w : MdiChildren(Program().hMdiClient)) DestroyWindowOf(w);
  OuterWidgetOf(frame)->resize(1024, 800);
  Settle();
  SendCommand(frame, CMD_NEW);
  const WindowHandle table = MdiActiveChild(Program().hMdiClient);
  if (!FillFromCsv(table, kWeather, 120)) {
    std::printf("skipped the coloured table: %s is not there\n", kWeather);
    return true;
  }
  if (TableLockGuard t(table); t) {
    t->selRowFrom[0] = 2;
    t->selRowTo[0] = 120;
    t->selColFrom[0] = 2;
    t->selColTo[0] = 5;
    t->selKind[0] = SELECT_BLOCK;
  }
  DialogScriptBegin();
  DialogScriptPush(AnswerDialog(TREND_DIALOG_NAME, [](DialogRequest& request) {
    auto* model = dynamic_cast<TrendDialogModel*>(request.pModel);
    model->iCompareMode = TREND_ROW;
    model->bRelief = true;
    return static_cast<int>(BUTTON_OK);
  }));
  SendCommand(table, CMD_TREND);
  DialogScriptEnd();
  Settle();
  bool ok = SaveWindow(frame, out + "/trend-colour.png");
  // A right-drag over the colour map shows the browse panel.
  WindowHandle map = WindowHandle::None;
  if (TableLockGuard t(table); t) map = t->hTrendWindow;
  if (IsNone(map)) return false;
  if (TableLockGuard m(map); m) m->bActivating = 0;
  const std::intptr_t at = MakePointParam(9 * 3 + 4, 9 * 20 + 4);  // R20C3, a temperature
  SendMessageTo(map, MSG_RBUTTONDOWN, MK_RBUTTON, at);
  SendMessageTo(map, MSG_MOUSEMOVE, MK_RBUTTON, at);
  Settle();
  ok = SaveWindow(frame, out + "/trend-browse.png") && ok;
  PopupScriptBegin();
  PopupScriptPush(0);
  SendMessageTo(map, MSG_RBUTTONUP, 0, at);
  PopupScriptEnd();
  OuterWidgetOf(frame)->resize(1024, 640);
  return ok;
}

// Count the month columns Feb..Jun of the sample table (values above 30,
// steps of 10) into a report table and show it beside the source.
bool SaveCountReport(WindowHandle frame, WindowHandle table, const std::string& path) {
  {
    TableLockGuard t(table);
    if (!t) return false;
    t->iAnaCount = 0;
    t->anaRowFrom[0] = t->anaRowTo[0] = 1;
    t->anaColFrom[0] = 3;
    t->anaColTo[0] = 7;
    t->anaKind[0] = SELECT_COLUMNS;
    CountOptions& o = AnalysisOptionsOf(*t.get()).count;
    o.iCondition = COND_ABOVE;
    CopyText(o.szValue, "30");
    CopyText(o.szStep, "10");
  }
  const WindowHandle report = OpenReportTableFor(table);
  if (IsNone(report)) return false;
  FitReportTable(table, report);
  {
    TableLockGuard s(table);
    TableLockGuard r(report);
    if (!s || !r) return false;
    DataCountRun(*s.get(), *r.get());
  }
  FinishReportTable(report);
  const WindowRect area = WindowRectOf(Program().hMdiClient);
  if (TableLockGuard t(table); t) t->iTopRow = 1;
  OuterWidgetOf(table)->showNormal();
  OuterWidgetOf(report)->showNormal();
  MoveWindowTo(table, 0, 0, area.cx * 2 / 5, area.cy);
  MoveWindowTo(report, area.cx * 2 / 5, 0, area.cx - area.cx * 2 / 5, area.cy);
  Settle();
  const bool saved = SaveWindow(frame, path);
  DestroyWindowOf(report);
  OuterWidgetOf(table)->showMaximized();
  Settle();
  return saved;
}

// Select one range of a table.
void SelectRange(WindowHandle table, int r0, int c0, int r1, int c1, int kind) {
  TableLockGuard t(table);
  if (!t) return;
  ResetSelection(*t.get());
  t->selRowFrom[0] = r0;
  t->selRowTo[0] = r1;
  t->selColFrom[0] = c0;
  t->selColTo[0] = c1;
  t->selKind[0] = kind;
}

// Open (or reload) the table's chart on its selection and let it load.
WindowHandle ShowChart(WindowHandle table) {
  SendCommand(table, CMD_VIEW_2D_PLOT);
  WindowHandle chart = WindowHandle::None;
  if (TableLockGuard t(table); t) chart = t->hChartWindow;
  if (IsNone(chart)) return chart;
  if (TimerIsActive(chart, TIMER_CHART_START)) FireTimer(chart, TIMER_CHART_START);
  Settle();
  return chart;
}

// The print preview of a chart's page on a landscape PDF page, as "Print"
// shows it before printing (closed with Cancel: nothing is printed).
bool SavePrintPreview(WindowHandle chart, const std::string& path) {
  int width = 0;
  int height = 0;
  if (!OutputHooks().pfnPictureSize || OutputHooks().pfnPictureSize(chart, &width, &height) != 0) return false;
  PrintSetupModel setup;
  setup.szOutputFile = (std::filesystem::temp_directory_path() / "cartovel-preview.pdf").string();
  setup.bLandscape = true;
  PrintPreviewModel preview;
  preview.pSetup = &setup;
  preview.szDocument = "PrintAccess";
  preview.produce = WindowPictureProducer(chart, width, height);
  bool ok = false;
  QTimer::singleShot(300, [&ok, &path] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    dialog->resize(760, 620);
    Settle();
    QImage image(dialog->size(), QImage::Format_RGB32);
    dialog->render(&image);
    ok = image.save(QString::fromStdString(path));
    std::printf("%s %s (%dx%d)\n", ok ? "wrote" : "could not write", path.c_str(), image.width(), image.height());
    dialog->reject();
  });
  RunCustomDialog(chart, PRINT_PREVIEW_DIALOG, &preview);
  return ok;
}

// Charts of Seattle's daily weather: the highest and lowest temperatures
// as lines and as bars, the wind of eight days as a pie, and the wind as
// bubbles over the two temperatures declared as X and Y coordinates.
bool SaveCharts(WindowHandle frame, const std::string& out) {
  const char* kWeather = CARTOVEL_SHARED_DATA_DIR "/csv/vega-datasets/seattle-weather.csv";
  for (const WindowHandle w : MdiChildren(Program().hMdiClient)) DestroyWindowOf(w);
  OuterWidgetOf(frame)->resize(1024, 700);
  Settle();
  SendCommand(frame, CMD_NEW);
  const WindowHandle table = MdiActiveChild(Program().hMdiClient);
  if (!FillFromCsv(table, kWeather, 200)) {
    std::printf("skipped the charts: %s is not there\n", kWeather);
    return true;
  }
  SelectRange(table, 1, 3, 2000, 4, SELECT_COLUMNS);
  const WindowHandle chart = ShowChart(table);
  if (IsNone(chart)) return false;
  bool ok = SaveWindow(frame, out + "/chart-line.png");
  ok = SavePrintPreview(chart, out + "/print-preview-chart.png") && ok;
  SendCommand(chart, CMD_CHART_VIEW_BAR);
  Settle();
  ok = SaveWindow(frame, out + "/chart-bar.png") && ok;
  SelectRange(table, 2, 5, 9, 5, SELECT_BLOCK);
  ShowChart(table);
  SendCommand(chart, CMD_CHART_VIEW_PIE);
  Settle();
  ok = SaveWindow(frame, out + "/chart-pie.png") && ok;
  // Temperatures as X and Y of the wind.
  {
    TableLockGuard t(table);
    if (!t) return false;
    const int kinds[] = {COORD_X, COORD_Y};
    const int cols[] = {3, 4};
    for (int k = 0; k < 2; ++k) {
      ResetSelection(*t.get());
      t->selRowFrom[0] = 2;
      t->selRowTo[0] = 80;
      t->selColFrom[0] = t->selColTo[0] = cols[k];
      t->selKind[0] = SELECT_BLOCK;
      CoordinatePendingSet(*t.get(), kinds[k]);
      t->selColFrom[0] = t->selColTo[0] = 5;
      CoordinateStoreData(*t.get());
    }
  }
  SelectRange(table, 2, 5, 80, 5, SELECT_BLOCK);
  ShowChart(table);
  ok = SaveWindow(frame, out + "/chart-bubble.png") && ok;
  OuterWidgetOf(frame)->resize(1024, 640);
  return ok;
}

}  // namespace

// The "NetCDF file option" dialog on a real file with pressure chosen down
// to D4 and temperature in D1, then the table it reads.
bool SaveNetcdfRead(WindowHandle frame, const std::string& out) {
  const std::string path = "/work/shared/data/netcdf/netcdf-c-cdl-generated/pres_temp_4D_classic.nc";
  if (!std::filesystem::exists(path)) return true;  // no sample file here
  bool ok = false;
  QTimer::singleShot(200, [&ok, &out] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    // D1 = time, the outer dimension of pressure.
    if (const QList<QComboBox*> combos = dialog->findChildren<QComboBox*>(); combos.size() > 1) {
      combos[1]->setCurrentIndex(combos[1]->findText("time"));
      emit combos[1]->activated(combos[1]->currentIndex());
    }
    const QList<QListWidget*> lists = dialog->findChildren<QListWidget*>();
    for (int l = 0; l < lists.size(); ++l) {
      for (int i = 0; i < lists[l]->count(); ++i) {
        const bool pressure = lists[l]->item(i)->text().startsWith("pressure");
        const bool temperature = lists[l]->item(i)->text().startsWith("temperature");
        if (pressure || (temperature && l == 0)) lists[l]->item(i)->setSelected(true);
      }
    }
    if (!lists.isEmpty() && lists[0]->count() > 0) lists[0]->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    QImage image(dialog->size(), QImage::Format_RGB32);
    dialog->render(&image);
    ok = image.save(QString::fromStdString(out + "/netcdf-option.png"));
    std::printf("%s %s (%dx%d)\n", ok ? "wrote" : "could not write", (out + "/netcdf-option.png").c_str(),
                image.width(), image.height());
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  const WindowHandle table = CreateTableWindow(TableOpenRequest{OPEN_NETCDF, path});
  StopTimer(table, TIMER_TABLE_LOAD);
  TableLoadChosenFile(table);
  OuterWidgetOf(table)->showMaximized();
  Settle();
  return SaveWindow(frame, out + "/netcdf-table.png") && ok;
}

// The first step of the query builder on Chinook with a few columns of
// Track chosen, then the result of a query with a condition and an order.
// The data source lives in a private odbc.ini, never the user's.
bool SaveDatabaseBuilder(WindowHandle frame, const std::string& out) {
  const std::string chinook = std::string(CARTOVEL_SHARED_DATA_DIR) + "/sqlite/Chinook_Sqlite.sqlite";
  if (!std::filesystem::exists(chinook)) return true;  // no sample file here
  const std::string ini = (std::filesystem::temp_directory_path() / "cartovel-screenshots-odbc.ini").string();
  std::ofstream(ini).close();
  setenv("ODBCINI", ini.c_str(), 1);
  std::string driver;
  const std::string source = OdbcCreateDataSource(ODBC_SQLITE, 1, chinook, &driver);
  if (source.empty()) return false;
  OdbcQueryState& query = OdbcQuery();
  query.szSource = source;
  query.szDriver = driver;
  query.iOrigin = ODBC_ORIGIN_EXISTING;
  OdbcBuilderModel model;
  bool ok = OdbcBuilderStart(model) == 0;
  QTimer::singleShot(200, [&ok, &out] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    const QList<QListWidget*> lists = dialog->findChildren<QListWidget*>();
    if (lists.size() >= 2) {
      for (int i = 0; i < lists[0]->count(); ++i) {
        if (lists[0]->item(i)->text() == "Track") lists[0]->setCurrentRow(i);
      }
      for (int i = 0; i < lists[1]->count() && i < 3; ++i) lists[1]->item(i)->setSelected(true);
      for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == "Select") button->click();
      }
    }
    QImage image(dialog->size(), QImage::Format_RGB32);
    dialog->render(&image);
    ok = image.save(QString::fromStdString(out + "/odbc-builder.png")) && ok;
    std::printf("%s %s (%dx%d)\n", ok ? "wrote" : "could not write", (out + "/odbc-builder.png").c_str(),
                image.width(), image.height());
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
      if (button->text() == "Finish") button->click();
    }
  });
  RunCustomDialog(frame, "Select table columns", &model);
  const WindowHandle table = OdbcOpenResultTable(
      "SELECT Track.Name, Track.Composer, Track.Milliseconds, Album.Title\nFROM Track, Album\n"
      "WHERE Track.AlbumId = Album.AlbumId\nAND Album.Title LIKE 'Let There%'\nORDER BY Track.Milliseconds DESC",
      model.selected, model.dialect);
  OuterWidgetOf(table)->showMaximized();
  Settle();
  ok = SaveWindow(frame, out + "/odbc-result.png") && ok;
  DestroyWindowOf(table);
  OdbcRemoveDataSource(source);
  std::filesystem::remove(ini);
  return ok;
}

// The wind speeds of the grid file as a table of 60 latitudes by 80
// longitudes (row 1 the southernmost), for the 3D plot.
bool FillWindGrid(WindowHandle table, const char* path) {
  std::ifstream in(path);
  if (!in) return false;
  std::string line;
  std::getline(in, line);  // the header
  TableLockGuard t(table);
  for (int i = 0; i < 4800 && std::getline(in, line); ++i) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::stringstream fields(line);
    std::string field;
    for (int k = 0; k < 5 && std::getline(fields, field, ','); ++k) {
      if (k == 4) TableStoreCellText(*t.get(), i / 80 + 1, i % 80 + 1, field);
    }
  }
  return true;
}

// Select a block and open its 3D plot, the performance dialog answered
// with the block's size; the plot once it has its data.
WindowHandle Open3DPlot(WindowHandle table, int r0, int c0, int r1, int c1, int rows, int cols) {
  if (TableLockGuard t(table); t) {
    t->iSelCurrent = 0;
    t->selRowFrom[0] = r0, t->selRowTo[0] = r1;
    t->selColFrom[0] = c0, t->selColTo[0] = c1;
    t->selKind[0] = SELECT_BLOCK;
  }
  DialogScriptBegin();
  DialogScriptPush(AnswerDialog(PLOT3D_PERFORMANCE_DIALOG, [rows, cols](DialogRequest& request) {
    auto* model = dynamic_cast<Plot3DPerformanceModel*>(request.pModel);
    model->iRows = rows;
    model->iCols = cols;
    return static_cast<int>(BUTTON_OK);
  }));
  SendCommand(table, CMD_VIEW_3D_PLOT);
  DialogScriptEnd();
  WindowHandle plot = WindowHandle::None;
  if (TableLockGuard t(table); t) plot = t->hPlot3DWindow;
  if (IsNone(plot)) return plot;
  FireTimer(plot, TIMER_PLOT3D_PLACE);
  Settle();
  Settle();
  return plot;
}

// Change a plot's options as the dialog would.
void SetPlotOptions(WindowHandle plot, const std::function<void(Plot3DOptionsModel&)>& change) {
  DialogScriptBegin();
  DialogScriptPush(AnswerDialog(PLOT3D_OPTIONS_DIALOG, [change](DialogRequest& request) {
    change(*dynamic_cast<Plot3DOptionsModel*>(request.pModel));
    return static_cast<int>(BUTTON_OK);
  }));
  SendCommand(plot, CMD_PLOT3D_OPTIONS);
  DialogScriptEnd();
  Settle();
}

// 3D plots of real wind data: the speed grid as a false-colour surface and
// as a histogram, and the grid points in coordinate mode (X longitude, Y
// latitude, Z direction, bubble size the speed) with the trendline.
bool SavePlots3D(WindowHandle frame, const std::string& out) {
  const char* kWind = CARTOVEL_SHARED_DATA_DIR "/csv/vega-datasets/windvectors.csv";
  for (const WindowHandle w : MdiChildren(Program().hMdiClient)) DestroyWindowOf(w);
  OuterWidgetOf(frame)->resize(1280, 800);
  Settle();
  SendCommand(frame, CMD_NEW);
  const WindowHandle grid = MdiActiveChild(Program().hMdiClient);
  if (!FillWindGrid(grid, kWind)) {
    std::printf("skipped the 3D plots: %s is not there\n", kWind);
    return true;
  }
  const WindowHandle surface = Open3DPlot(grid, 1, 1, 60, 80, 60, 80);
  if (IsNone(surface)) return false;
  SendMessageTo(surface, MSG_LBUTTONDOWN, MK_LBUTTON, MakePointParam(200, 150));
  SendMessageTo(surface, MSG_MOUSEMOVE, MK_LBUTTON, MakePointParam(240, 110));
  SendMessageTo(surface, MSG_LBUTTONUP, 0, MakePointParam(240, 110));
  Settle();
  bool ok = SaveWindow(frame, out + "/plot3d-surface.png");
  SetPlotOptions(surface, [](Plot3DOptionsModel& m) {
    m.iStyle = PLOT3D_HISTOGRAM;
    m.bGrid = true;
  });
  // Grid lines raise the step to 18: zoom back out to see the whole block.
  for (int i = 0; i < 12; ++i) SendCommand(surface, CMD_ZOOM_OUT_BUTTON);
  SendMessageTo(surface, MSG_LBUTTONDOWN, MK_LBUTTON, MakePointParam(260, 150));
  SendMessageTo(surface, MSG_MOUSEMOVE, MK_LBUTTON, MakePointParam(300, 180));
  SendMessageTo(surface, MSG_LBUTTONUP, 0, MakePointParam(300, 180));
  Settle();
  ok = SaveWindow(surface, out + "/plot3d-histogram.png") && ok;
  if (TableLockGuard t(grid); t) t->bModified = 0;
  SendMessageTo(grid, MSG_CLOSE);
  Settle();

  // The points with their coordinates: longitude, latitude, direction, speed.
  SendCommand(frame, CMD_NEW);
  const WindowHandle points = MdiActiveChild(Program().hMdiClient);
  if (!FillFromCsv(points, kWind, 241)) return false;
  if (TableLockGuard t(points); t) {
    // Column 1 holds X, column 2 Y and column 3 Z of the speeds in column 5.
    const int kinds[3] = {COORD_X, COORD_Y, COORD_Z};
    for (int k = 0; k < 3; ++k) {
      t->coordinateDecl[static_cast<std::size_t>(k)] = {kinds[k], COORD_DOWN_COLUMN, 2, 241, k + 1, k + 1, 2, 241, 5, 5};
    }
  }
  const WindowHandle bubbles = Open3DPlot(points, 2, 5, 241, 5, 240, 1);
  if (IsNone(bubbles)) return false;
  SendCommand(bubbles, CMD_PLOT3D_TRENDLINE);
  Settle();
  ok = SaveWindow(bubbles, out + "/plot3d-bubbles.png") && ok;
  if (TableLockGuard t(points); t) t->bModified = 0;
  SendMessageTo(points, MSG_CLOSE);
  Settle();
  OuterWidgetOf(frame)->resize(1024, 640);
  return ok;
}

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const std::string out = argc > 1 ? argv[1] : "docs";
  QApplication app(argc, argv);
  QtBackend backend;
  SetBackend(&backend);
  InstallDialogViews();
  if (ProgramStart(ViewWindowClassProcs()) != 0) return 1;
  const WindowHandle frame = Program().hFrameWnd;
  OuterWidgetOf(frame)->showNormal();
  OuterWidgetOf(frame)->resize(1024, 640);
  Settle();
  // Let the picture strip move a little, as it would a second after start.
  for (int i = 0; i < 40; ++i) FireTimer(Program().hWelcomeWnd, TIMER_PICTURE_STRIP);
  Settle();
  bool ok = SaveWindow(frame, out + "/welcome.png");

  SendCommand(frame, CMD_NEW);
  const WindowHandle table = MdiActiveChild(Program().hMdiClient);
  FillSampleTable(table);
  OuterWidgetOf(table)->showMaximized();
  Settle();
  ok = SaveWindow(frame, out + "/table.png") && ok;
  // Scrolled down: the locked row stays at the top.
  if (TableLockGuard t(table); t) t->iTopRow = 5;
  InvalidateWindow(table);
  Settle();
  ok = SaveWindow(table, out + "/table-scrolled.png") && ok;

  // The months counted above 30 with their distribution, in a report table
  // beside the source.
  ok = SaveCountReport(frame, table, out + "/count-report.png") && ok;

  // A formula summing a column, its target chosen: the bar shows it.
  SendCommand(frame, CMD_NEW);
  const WindowHandle sums = MdiActiveChild(Program().hMdiClient);
  FillFormulaTable(sums);
  OuterWidgetOf(sums)->showMaximized();
  FireTimer(sums, TIMER_TABLE_ACTIVE);
  Settle();
  SendCommand(Program().hFormulaBar, CMD_FORMULA_BAR_TARGET, reinterpret_cast<std::intptr_t>("R8C2"));
  Settle();
  ok = SaveWindow(frame, out + "/formula-bar.png") && ok;
  ok = SaveWithFileMenu(frame, out + "/menu-file-en.png") && ok;
  ok = SaveColouredTable(frame, out) && ok;
  ok = SaveNetcdfRead(frame, out) && ok;
  ok = SaveDatabaseBuilder(frame, out) && ok;
  ok = SaveCharts(frame, out) && ok;
  ok = SavePlots3D(frame, out) && ok;

  // The same frame in Chinese.
  Program().bClosingAll = 1;
  DestroyWindowOf(frame);
  Settle();
  const std::string root = std::filesystem::current_path().string();
  const std::string outDir = std::filesystem::absolute(out).string();
  std::string chineseDir;
  const WindowHandle chinese = StartChineseFrame(root, &chineseDir);
  if (IsNone(chinese)) return 1;
  OuterWidgetOf(chinese)->showNormal();
  OuterWidgetOf(chinese)->resize(1024, 640);
  SendCommand(chinese, CMD_NEW);
  const WindowHandle chineseTable = MdiActiveChild(Program().hMdiClient);
  FillFormulaTable(chineseTable);
  OuterWidgetOf(chineseTable)->showMaximized();
  FireTimer(chineseTable, TIMER_TABLE_ACTIVE);
  Settle();
  ok = SaveWithFileMenu(chinese, outDir + "/menu-file-zh.png") && ok;
  Program().bClosingAll = 1;
  DestroyWindowOf(chinese);
  Settle();
  std::filesystem::current_path(root);
  {
    std::error_code ignored;
    std::filesystem::remove_all(chineseDir, ignored);
  }
  SetBackend(nullptr);
  return ok ? 0 : 1;
}
