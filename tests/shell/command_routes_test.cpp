// Every command identifier of the frame and of the table windows, sent to
// the frame with a table active, reaches the part that owns it, or, where
// that part is not built yet, shows the one "not available yet" message.
#include "shell/command_routes.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "files/undo_backup.h"
#include "formula/formula_marker.h"
#include "formula/formula_registry.h"
#include "platform/clipboard.h"
#include "platform/menu.h"
#include "platform/timers.h"
#include "resources/language.h"
#include "resources/command_ids.h"
#include "shell/frame_commands.h"
#include "shell/frame_window.h"
#include "shell/menu_bar.h"
#include "shell/menu_rules.h"
#include "shell/program_state.h"
#include "shell/services.h"
#include "support/dialog_script_guard.h"
#include "support/headless_program.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_range.h"
#include "table/table_scroll.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

namespace {

const char kNotAvailable[] = "This command is not available yet.";

int helpPages = 0;
bool CountHelp(std::string_view) {
  ++helpPages;
  return true;
}

// The fixture's members are public: the walk's table of cases reaches them.
class CommandRoutesTest : public ::testing::Test {
 public:
  void SetUp() override {
    StartHeadlessProgram();
    SetHelpOpener(CountHelp);
    helpPages = 0;
    frame_ = CreateFrameWindow();
    ASSERT_FALSE(IsNone(frame_));
    SendCommand(frame_, CMD_NEW);
    table_ = MdiActiveChild(Program().hMdiClient);
    ASSERT_EQ(FireTimer(table_, 1598), 0);
    TableSetCellText(table_, 1, 1, "2");
    TableSetCellText(table_, 3, 2, "x");
  }
  void TearDown() override {
    if (IsWindowAlive(frame_)) DestroyWindowOf(frame_);
    SetHelpOpener(nullptr);
    EXPECT_EQ(TableLocksHeld(), 0);
    EndHeadlessProgram();
  }

  TableRecord& T() const { return *static_cast<TableRecord*>(WindowUserData(table_)); }
  static void Select(TableRecord& t, int row, int col) {
    ResetSelection(t);
    t.selRowFrom[0] = t.selRowTo[0] = row;
    t.selColFrom[0] = t.selColTo[0] = col;
    t.selKind[0] = SELECT_BLOCK;
  }
  // A formula on R2C1 picked by its menu, as a right click on its marker
  // leaves the table.
  void PickFormula() {
    if (T().iFormulaCount == 0) {
      ASSERT_EQ(FormulaRun(table_, "R2C1", FORMULA_MODE_RUN, "R1C1*2", -1), 0);
    }
    T().iFormulaCellMode = 1;
    T().iFormulaCellRow = 2;
    T().iFormulaCellCol = 1;
  }
  int FormulaState() const { return T().formulaSlots[0].iState; }
  void PutAndSelect(int row, int col, std::string_view text) {
    TableSetCellText(table_, row, col, text);
    Select(T(), row, col);
  }
  void ExpectCut(int row, int col, std::string_view text) {
    EXPECT_EQ(ClipboardGetText(), std::string(text) + "\r\n");
    EXPECT_EQ(TableCellDisplayText(table_, row, col), "");
  }
  void ClipAndSelect(std::string_view text) {
    ClipboardSetText(std::string(text) + "\r\n");
    Select(T(), 7, 7);
  }
  void ExpectPasted(std::string_view text) { EXPECT_EQ(TableCellDisplayText(table_, 7, 7), text); }
  // The windows a command opened go again; the table is active again.
  void CloseOthers() {
    for (WindowHandle w : MdiChildren(Program().hMdiClient)) {
      if (w != table_) DestroyWindowOf(w);
    }
    MdiActivate(table_);
    PumpPostedMessages();
  }
  bool SaveEnabled() const {
    for (const MenuPopupSpec& popup : WindowMenu(frame_)->popups) {
      for (const MenuItemSpec& item : popup.items) {
        if (item.iCommand == CMD_SAVE) return !item.bGrayed;
      }
    }
    return false;
  }

  DialogScriptGuard dialogs_;
  TempDir dir_;
  ScopedCurrentDir cwd_{dir_.path()};
  WindowHandle frame_{};
  WindowHandle table_{};
};

// What each command whose owner exists does; every other command of the
// routes must answer with the message.
struct Owned {
  std::function<void(CommandRoutesTest&)> prepare;
  std::function<void(CommandRoutesTest&)> check;
};

TEST_F(CommandRoutesTest, EveryCommandReachesItsOwnerOrSaysItIsNotAvailable) {
  using Fx = CommandRoutesTest;
  const auto nothing = [](Fx&) {};
  const auto answer = [](ScriptedAnswer a) { return [a](Fx&) { DialogScriptPush(a); }; };
  const auto shown = [](DialogKind kind) {
    return [kind](Fx&) { EXPECT_EQ(DialogScriptShown().back().kind, kind); };
  };
  int tables = 0;
  int plots = 0;
  const auto databaseFile = [](Fx&) {
    DialogScriptPush(AnswerCancel(DIALOG_CUSTOM, "Database login"));
    DialogScriptPush(AnswerCancel(DIALOG_OPEN_FILE));
    DialogScriptPush(AnswerOk("Error message"));
  };
  const auto databaseNoDriver = [](Fx&) {
    DialogScriptPush(AnswerCancel(DIALOG_CUSTOM, "Database login"));
    DialogScriptPush(AnswerOk("Error message"));
  };
  const auto printDialog = [](Fx&) { EXPECT_EQ(DialogScriptShown().back().szName, "Print"); };
  const auto noFile = [](Fx&) { EXPECT_EQ(DialogScriptShown().back().szText, "Cannot find database file"); };
  const auto noDriver = [](Fx&) { EXPECT_EQ(DialogScriptShown().back().szText, "Cannot find database drive"); };
  const std::map<unsigned, Owned> owned = {
      {CMD_REFRESH_MENUS,
       {[](Fx& t) { SetMenuItemGrayed(t.frame_, CMD_SAVE, true); }, [](Fx& t) { EXPECT_TRUE(t.SaveEnabled()); }}},
      {CMD_OPEN_3D_PLOT,
       {[&](Fx&) { plots = Program().n3DWindows; },
        [&](Fx& t) {
          EXPECT_EQ(Program().n3DWindows, plots + 1);
          t.CloseOthers();
        }}},
      {CMD_OPEN_FILE, {answer(AnswerCancel(DIALOG_OPEN_FILE)), shown(DIALOG_OPEN_FILE)}},
      {CMD_OPEN_FILE_STARTUP, {answer(AnswerCancel(DIALOG_OPEN_FILE)), shown(DIALOG_OPEN_FILE)}},
      // The system's netCDF library loads by itself, then the file is asked for.
      {CMD_OPEN_NETCDF, {answer(AnswerCancel(DIALOG_OPEN_FILE)), shown(DIALOG_OPEN_FILE)}},
      // Databases: the login (cancelled keeps the last values), then the
      // file (cancelled: "Cannot find database file"); without a driver,
      // "Cannot find database drive"; connecting lists the data sources.
      {CMD_OPEN_ACCESS, {databaseFile, noFile}},
      {CMD_OPEN_SQLITE, {databaseFile, noFile}},
      {CMD_OPEN_DBASE, {databaseNoDriver, noDriver}},
      {CMD_OPEN_FOXPRO, {databaseNoDriver, noDriver}},
      {CMD_OPEN_PARADOX, {databaseNoDriver, noDriver}},
      {CMD_CONNECT_DATABASE,
       {[](Fx&) {
          DialogScriptPush(AnswerCancel(DIALOG_CUSTOM, "Database login"));
          DialogScriptPush(AnswerCancel(DIALOG_CUSTOM, "Connect with data source"));
        },
        [](Fx&) { EXPECT_EQ(DialogScriptShown().back().szName, "Connect with data source"); }}},
      {CMD_OPEN_DATABASE_TABLE,
       {answer(AnswerCancel(DIALOG_CUSTOM, "Connect with data source")),
        [](Fx&) { EXPECT_EQ(DialogScriptShown().back().szName, "Connect with data source"); }}},
      // MODAS files (.dat) and stock history files (texts) are asked for.
      {CMD_OPEN_MODAS,
       {answer(AnswerCancel(DIALOG_OPEN_FILE)),
        [](Fx&) {
          ASSERT_EQ(DialogScriptShown().back().kind, DIALOG_OPEN_FILE);
          EXPECT_EQ(DialogScriptShown().back().filters.at(0).szPattern, "*.dat");
        }}},
      {CMD_OPEN_STOCK, {answer(AnswerCancel(DIALOG_OPEN_FILE)), shown(DIALOG_OPEN_FILE)}},
      // No library chosen: the load says so.
      {CMD_OPEN_NETCDF_LIBRARY,
       {[](Fx&) {
          DialogScriptPush(AnswerCancel(DIALOG_OPEN_FILE));
          DialogScriptPush(AnswerOk("Message"));
        },
        [](Fx&) { EXPECT_EQ(DialogScriptShown().back().szText, "Error = GetDLLFileName( hWnd, 'dll' )"); }}},
      // No plug-in chosen: the same message; none loaded, so "About Plug-in"
      // and "Call Plug-in functions" do nothing.
      {CMD_OPEN_PLUGIN,
       {[](Fx&) {
          DialogScriptPush(AnswerCancel(DIALOG_OPEN_FILE));
          DialogScriptPush(AnswerOk("Message"));
        },
        [](Fx&) { EXPECT_EQ(DialogScriptShown().back().szText, "Error = GetDLLFileName( hWnd, 'dll' )"); }}},
      {CMD_ABOUT_PLUGIN, {nothing, nothing}},
      {CMD_CALL_PLUGIN, {nothing, nothing}},
      {CMD_NEW,
       {[&](Fx&) { tables = Program().nOpenTables; },
        [&](Fx& t) {
          EXPECT_EQ(Program().nOpenTables, tables + 1);
          t.CloseOthers();
        }}},
      {CMD_NEW_CUSTOM,
       {answer(AnswerCancel(DIALOG_CUSTOM, "Table size")),
        [](Fx& t) {
          EXPECT_EQ(DialogScriptShown().back().szName, "Table size");
          t.CloseOthers();
        }}},
      {CMD_PLOT_WINDOW_CONTROL,
       {answer(AnswerCancel(DIALOG_CUSTOM, "Plot window control")), shown(DIALOG_CUSTOM)}},
      {CMD_ABOUT, {answer(AnswerOk("About")), shown(DIALOG_MESSAGE)}},
      {CMD_HELP, {nothing, [](Fx&) { EXPECT_EQ(helpPages, 1); }}},
      {CMD_FORMULA_EXAMPLE, {answer(AnswerOk("Example for Entering Math Formula")), shown(DIALOG_MESSAGE)}},
      {CMD_EXIT, {}},  // walked last, on its own
      {CMD_SAVE, {answer(AnswerCancel(DIALOG_SAVE_FILE)), shown(DIALOG_SAVE_FILE)}},
      {CMD_SAVE_AS, {answer(AnswerCancel(DIALOG_SAVE_FILE)), shown(DIALOG_SAVE_FILE)}},
      {CMD_SAVE_PRIVATE, {answer(AnswerCancel(DIALOG_CUSTOM, "Private File control")), shown(DIALOG_CUSTOM)}},
      {CMD_SELECT_ALL,
       {[](Fx& t) { Select(t.T(), 5, 5); },
        [](Fx& t) {
          EXPECT_EQ(t.T().selRowTo[0], 3);
          EXPECT_EQ(t.T().selColTo[0], 2);
        }}},
      {CMD_BUTTON_SELECT_ALL,
       {[](Fx& t) { Select(t.T(), 5, 5); }, [](Fx& t) { EXPECT_EQ(t.T().selRowTo[0], 3); }}},
      {CMD_BACK_TO_HOME,
       {[](Fx& t) { t.T().iTopRow = 50; }, [](Fx& t) { EXPECT_EQ(t.T().iTopRow, 1); }}},
      {CMD_BUTTON_HOME, {[](Fx& t) { t.T().iTopRow = 50; }, [](Fx& t) { EXPECT_EQ(t.T().iTopRow, 1); }}},
      {CMD_GO_TO,
       {[](Fx& t) {
          TableSetCellText(t.table_, 4, 2, "R30C4");
          Select(t.T(), 4, 2);
        },
        [](Fx& t) {
          EXPECT_EQ(t.T().iTopRow, 30);
          EXPECT_EQ(t.T().iLeftCol, 4);
        }}},
      {CMD_ZOOM_IN_BUTTON, {[](Fx& t) { t.T().colWidth.fill(60); }, [](Fx& t) { EXPECT_EQ(t.T().colWidth[1], 61); }}},
      {CMD_ZOOM_OUT_BUTTON, {[](Fx& t) { t.T().colWidth.fill(60); }, [](Fx& t) { EXPECT_EQ(t.T().colWidth[1], 59); }}},
      // Detail of a sampled table: a plain table has none (the sampling
      // tests show the rest).
      {CMD_GET_DETAILED_DATA, {nothing, nothing}},
      {CMD_REMOVE_DETAILED_DATA, {nothing, nothing}},
      {CMD_FORMULA_VIEW,
       {[](Fx& t) {
          t.PickFormula();
          t.T().bShowRefs = 0;
        },
        [](Fx& t) { EXPECT_EQ(t.T().bShowRefs, 1); }}},
      {CMD_FORMULA_DELETE, {[](Fx& t) { t.PickFormula(); }, [](Fx& t) { EXPECT_EQ(t.T().iFormulaCount, 0); }}},
      {CMD_FORMULA_INACTIVE,
       {[](Fx& t) { t.PickFormula(); }, [](Fx& t) { EXPECT_EQ(t.FormulaState(), FORMULA_INACTIVE); }}},
      {CMD_FORMULA_RUN,
       {[](Fx& t) {
          t.PickFormula();
          t.T().formulaSlots[0].iState = FORMULA_INACTIVE;
        },
        [](Fx& t) { EXPECT_EQ(t.FormulaState(), FORMULA_RUN); }}},
      // The trend colour analysis: its dialog (the analysis tests show
      // the rest).
      {CMD_TREND, {answer(AnswerCancel(DIALOG_CUSTOM, "Data trend color analysis")), shown(DIALOG_CUSTOM)}},
      // Find, sort, count and processing open their dialogs; a cancelled
      // sort closes its report table again.
      {CMD_FIND, {answer(AnswerCancel(DIALOG_CUSTOM, "Find data")), shown(DIALOG_CUSTOM)}},
      {CMD_POPUP_FIND, {answer(AnswerCancel(DIALOG_CUSTOM, "Find data")), shown(DIALOG_CUSTOM)}},
      {CMD_BUTTON_FIND, {answer(AnswerCancel(DIALOG_CUSTOM, "Find data")), shown(DIALOG_CUSTOM)}},
      {CMD_SORT_DATA,
       {[&](Fx& t) {
          Select(t.T(), 1, 1);
          t.T().selRowTo[0] = t.T().selColTo[0] = 2;  // a 2 x 2 block: the dialog decides
          t.T().iBrowseRow = t.T().iBrowseCol = 1;
          tables = Program().nOpenTables;
          DialogScriptPush(AnswerCancel(DIALOG_CUSTOM, "Sort"));
        },
        [&](Fx&) {
          EXPECT_EQ(DialogScriptShown().back().szName, "Sort");
          EXPECT_EQ(Program().nOpenTables, tables);
        }}},
      {CMD_DATA_COUNT, {answer(AnswerCancel(DIALOG_CUSTOM, "Count options")), shown(DIALOG_CUSTOM)}},
      {CMD_DATA_PROCESS, {answer(AnswerCancel(DIALOG_CUSTOM, "Data processing options")), shown(DIALOG_CUSTOM)}},
      {CMD_POPUP_TREND, {answer(AnswerCancel(DIALOG_CUSTOM, "Data trend color analysis")), shown(DIALOG_CUSTOM)}},
      {CMD_BUTTON_TREND, {answer(AnswerCancel(DIALOG_CUSTOM, "Data trend color analysis")), shown(DIALOG_CUSTOM)}},
      // The resets: colours, and with the view the geometry.
      {CMD_RESET_COLOUR,
       {[](Fx& t) { t.T().iColourState = COLOUR_STATE_TREND; },
        [](Fx& t) { EXPECT_EQ(t.T().iColourState, COLOUR_STATE_NORMAL); }}},
      {CMD_RESET_VIEW,
       {[](Fx& t) { t.T().colWidth.fill(9); },
        [](Fx& t) {
          EXPECT_EQ(t.T().colWidth[2], 80);
          EXPECT_EQ(t.T().bModified, 1);
          t.T().bModified = 0;
        }}},
      // "Set data property": its dialog (the table tests show the rest).
      {CMD_DATA_PROPERTY,
       {answer(AnswerCancel(DIALOG_CUSTOM, "Set data property")), shown(DIALOG_CUSTOM)}},
      {CMD_POPUP_DATA_PROPERTY,
       {answer(AnswerCancel(DIALOG_CUSTOM, "Set data property")), shown(DIALOG_CUSTOM)}},
      // The colour and style commands: their dialogs (the table tests show
      // the rest); clearing needs none.
      {CMD_BORDER_COLOUR, {answer(AnswerCancel(DIALOG_CUSTOM, "Color")), shown(DIALOG_CUSTOM)}},
      {CMD_BACKGROUND_COLOUR, {answer(AnswerCancel(DIALOG_CUSTOM, "Color")), shown(DIALOG_CUSTOM)}},
      {CMD_BORDER_LINE, {answer(AnswerCancel(DIALOG_CUSTOM, "Border line")), shown(DIALOG_CUSTOM)}},
      {CMD_DISPLAY_STYLE, {answer(AnswerCancel(DIALOG_CUSTOM, "Display style")), shown(DIALOG_CUSTOM)}},
      {CMD_CLEAR_BORDER,
       {nothing,
        [](Fx& t) {
          EXPECT_EQ(t.T().bModified, 1);
          t.T().bModified = 0;
        }}},
      {CMD_CLEAR_BACKGROUND,
       {nothing,
        [](Fx& t) {
          EXPECT_EQ(t.T().bModified, 1);
          t.T().bModified = 0;
        }}},
      // Undo puts back what the last back-up holds.
      {CMD_UNDO,
       {[](Fx& t) {
          Select(t.T(), 5, 5);
          ASSERT_EQ(UndoSave(t.table_, UNDO_SELECTION), 0);
          TableSetCellText(t.table_, 5, 5, "u");
        },
        [](Fx& t) {
          EXPECT_EQ(TableCellDisplayText(t.table_, 5, 5), "");
          EXPECT_EQ(t.T().bUndoFileExists, 0);
        }}},
      // The range commands (the table tests show the rest).
      {CMD_COPY, {[](Fx& t) { Select(t.T(), 1, 1); }, [](Fx&) { EXPECT_EQ(ClipboardGetText(), "2\r\n"); }}},
      {CMD_POPUP_COPY, {[](Fx& t) { Select(t.T(), 1, 1); }, [](Fx&) { EXPECT_EQ(ClipboardGetText(), "2\r\n"); }}},
      {CMD_BAR_COPY, {[](Fx& t) { Select(t.T(), 1, 1); }, [](Fx&) { EXPECT_EQ(ClipboardGetText(), "2\r\n"); }}},
      {CMD_BUTTON_COPY, {[](Fx& t) { Select(t.T(), 1, 1); }, [](Fx&) { EXPECT_EQ(ClipboardGetText(), "2\r\n"); }}},
      {CMD_COPY_INTERNAL_A,
       {[](Fx& t) { Select(t.T(), 1, 1); }, [](Fx&) { EXPECT_EQ(ClipboardGetText(), "2\r\n"); }}},
      {CMD_COPY_INTERNAL_B,
       {[](Fx& t) { Select(t.T(), 1, 1); }, [](Fx&) { EXPECT_EQ(ClipboardGetText(), "2\r\n"); }}},
      {CMD_CUT, {[](Fx& t) { t.PutAndSelect(6, 6, "c"); }, [](Fx& t) { t.ExpectCut(6, 6, "c"); }}},
      {CMD_POPUP_CUT, {[](Fx& t) { t.PutAndSelect(6, 6, "c"); }, [](Fx& t) { t.ExpectCut(6, 6, "c"); }}},
      {CMD_BAR_CUT, {[](Fx& t) { t.PutAndSelect(6, 6, "c"); }, [](Fx& t) { t.ExpectCut(6, 6, "c"); }}},
      {CMD_PASTE, {[](Fx& t) { t.ClipAndSelect("p"); }, [](Fx& t) { t.ExpectPasted("p"); }}},
      {CMD_POPUP_PASTE, {[](Fx& t) { t.ClipAndSelect("q"); }, [](Fx& t) { t.ExpectPasted("q"); }}},
      {CMD_BAR_PASTE, {[](Fx& t) { t.ClipAndSelect("r"); }, [](Fx& t) { t.ExpectPasted("r"); }}},
      {CMD_PASTE_INTERNAL_A, {[](Fx& t) { t.ClipAndSelect("s"); }, [](Fx& t) { t.ExpectPasted("s"); }}},
      {CMD_PASTE_INTERNAL_B, {[](Fx& t) { t.ClipAndSelect("t"); }, [](Fx& t) { t.ExpectPasted("t"); }}},
      // A block is emptied by Delete and left alone by Insert.
      {CMD_DELETE,
       {[](Fx& t) { t.PutAndSelect(8, 8, "d"); }, [](Fx& t) { EXPECT_EQ(TableCellDisplayText(t.table_, 8, 8), ""); }}},
      {CMD_BAR_DELETE,
       {[](Fx& t) { t.PutAndSelect(8, 8, "d"); }, [](Fx& t) { EXPECT_EQ(TableCellDisplayText(t.table_, 8, 8), ""); }}},
      {CMD_INSERT,
       {[](Fx& t) { t.PutAndSelect(8, 8, "i"); }, [](Fx& t) { EXPECT_EQ(TableCellDisplayText(t.table_, 8, 8), "i"); }}},
      {CMD_BAR_INSERT,
       {[](Fx& t) { t.PutAndSelect(8, 8, "i"); }, [](Fx& t) { EXPECT_EQ(TableCellDisplayText(t.table_, 8, 8), "i"); }}},
      {CMD_HIDE,
       {[](Fx& t) {
          Select(t.T(), 9, 1);
          t.T().selKind[0] = SELECT_ROWS;
        },
        [](Fx& t) {
          EXPECT_EQ(t.T().rowHeight[9], 0);
          t.T().rowHeight[9] = 18;
        }}},
      {CMD_POSITION_LOCK,
       {[](Fx& t) {
          t.T().cPickedBar = 'R';
          t.T().iPickedRow = 4;
        },
        [](Fx& t) {
          EXPECT_EQ(t.T().lockRowUsed[0], 1);
          EXPECT_EQ(t.T().lockRowIndex[0], 4);
        }}},
      {CMD_TRANSPOSE,
       {[&](Fx& t) {
          Select(t.T(), 1, 1);
          tables = Program().nOpenTables;
        },
        [&](Fx& t) {
          EXPECT_EQ(Program().nOpenTables, tables + 1);
          t.CloseOthers();
        }}},
      // The image-pixel button shows or hides the browse panel.
      {CMD_BUTTON_IMAGE_PIXEL,
       {[](Fx& t) { t.T().bPixelInfoOff = 0; },
        [](Fx& t) {
          EXPECT_EQ(t.T().bPixelInfoOff, 1);
          t.T().bPixelInfoOff = 0;
        }}},
      // A linked window that closes is let go.
      {CMD_TABLE_RELEASE, {nothing, nothing}},
      {CMD_CHART_CLOSED, {nothing, nothing}},
      // A chart opens on the selection (its series load on its timer).
      {CMD_VIEW_2D_PLOT,
       {nothing,
        [](Fx& t) {
          EXPECT_FALSE(IsNone(t.T().hChartWindow));
          t.CloseOthers();
        }}},
      // The 3D plot: its performance dialog; the plot's notifications without
      // a plot change nothing.
      {CMD_VIEW_3D_PLOT,
       {answer(AnswerCancel(DIALOG_CUSTOM, "Control 3D visualization performance")), shown(DIALOG_CUSTOM)}},
      {CMD_PLOT3D_CLOSED, {nothing, nothing}},
      {CMD_PLOT3D_WANTS_DATA, {nothing, nothing}},
      // Coordinate declarations: a selection that does not qualify declares
      // nothing, silently.
      {CMD_DECLARE_X, {nothing, nothing}},
      {CMD_DECLARE_Y, {nothing, nothing}},
      {CMD_DECLARE_Z, {nothing, nothing}},
      {CMD_REMOVE_COORDINATE, {nothing, nothing}},
      {CMD_COORDINATE_DATA, {nothing, nothing}},
      {CMD_COORDINATE_CANCEL, {nothing, nothing}},
      // Notifications the table takes itself.
      // Print opens the print dialog (cancelled: nothing printed).
      {CMD_PRINT, {answer(AnswerCancel(DIALOG_CUSTOM, "Print")), printDialog}},
      {CMD_TABLE_PRINT, {answer(AnswerCancel(DIALOG_CUSTOM, "Print")), printDialog}},
      {CMD_BUTTON_PRINT, {answer(AnswerCancel(DIALOG_CUSTOM, "Print")), printDialog}},
      {CMD_PARTNER_SCROLLED, {nothing, nothing}},
      {CMD_LINKED_SCROLLED, {nothing, nothing}},
      {ID_CELL_EDITOR, {nothing, nothing}},
      {CMD_PLOT3D_TRACKED, {nothing, nothing}},
      {CMD_REPAINT_TABLE, {nothing, nothing}},
      {CMD_REPAINT_LINKED, {nothing, nothing}},
      {MENU_REFRESH_IMAGE, {nothing, [](Fx& t) { EXPECT_FALSE(t.SaveEnabled()); }}},
      {CMD_TABLE_ACTIVE_AGAIN,
       {nothing, [](Fx& t) { EXPECT_TRUE(TimerIsActive(t.table_, 1598)); }}},
  };

  int walked = 0;
  int messages = 0;
  for (const CommandRoute& route : CommandRoutes()) {
    SCOPED_TRACE(route.iId);
    if (route.iId == CMD_EXIT) continue;
    ASSERT_EQ(MdiActiveChild(Program().hMdiClient), table_);
    const auto it = owned.find(route.iId);
    const std::size_t before = DialogScriptShown().size();
    if (it != owned.end()) {
      it->second.prepare(*this);
      SendCommand(frame_, route.iId);
      for (std::size_t i = before; i < DialogScriptShown().size(); ++i) {
        EXPECT_NE(DialogScriptShown()[i].szText, kNotAvailable) << "an owned command said it is not available";
      }
      it->second.check(*this);
    } else {
      DialogScriptPush(AnswerOk());
      SendCommand(frame_, route.iId);
      ASSERT_EQ(DialogScriptShown().size(), before + 1) << "one message, not nothing";
      EXPECT_EQ(DialogScriptShown().back().kind, DIALOG_MESSAGE);
      EXPECT_EQ(DialogScriptShown().back().szText, kNotAvailable);
      EXPECT_FALSE(DialogScriptShown().back().szCaption.empty());
      ++messages;
    }
    dialogs_.Check();
    ++walked;
  }
  EXPECT_EQ(walked + 1, static_cast<int>(CommandRoutes().size()));
  EXPECT_EQ(walked - messages, static_cast<int>(owned.size()) - 1) << "every owned command is a route";

  // Exit closes the documents and ends the program.
  SendCommand(frame_, CMD_EXIT);
  EXPECT_FALSE(IsWindowAlive(table_));
  EXPECT_TRUE(QuitRequested(nullptr));
  ClearQuitRequest();
}

// The message names the command by its menu text (without trailing dots),
// in the program's language; internal commands have the usual caption.
// Every command with a menu item has its feature now, so the message is
// asked for directly.
TEST_F(CommandRoutesTest, TheMessageNamesTheCommand) {
  const struct {
    unsigned iId;
    bool bChinese;
    const char* szCaption;
    const char* szText;
  } cases[] = {
      {CMD_PRINT, false, "Print", kNotAvailable},
      {CMD_PARTNER_RELEASE, false, "Message", kNotAvailable},
      {CMD_PRINT, true, "打印", "此功能暂时还不能使用."},
  };
  for (const auto& c : cases) {
    LanguageSetChinese(c.bChinese);
    DialogScriptPush(AnswerOk());
    ShowCommandNotAvailable(c.iId);
    ASSERT_FALSE(DialogScriptShown().empty());
    EXPECT_EQ(DialogScriptShown().back().szCaption, c.szCaption) << c.iId;
    EXPECT_EQ(DialogScriptShown().back().szText, c.szText) << c.iId;
  }
  LanguageSetChinese(false);
}

// An identifier no window knows still does nothing, with or without a
// table; every item of the menu bar has a route with the text it shows.
TEST_F(CommandRoutesTest, UnknownIdentifiersAndTheMenuBar) {
  SendCommand(frame_, 41999);
  SendCommand(table_, 41999);
  EXPECT_TRUE(DialogScriptShown().empty());
  EXPECT_EQ(TableCommandNotAvailable(table_, CMD_OPEN_ACCESS, 0), -1) << "a frame command is not the table's";
  for (const MenuBarMenu& menu : MenuBarMenus()) {
    for (const MenuBarItem& item : menu.items) {
      if (item.iCommand != 0) {
        const CommandRoute* route = FindCommandRoute(item.iCommand);
        ASSERT_NE(route, nullptr) << item.iCommand;
        EXPECT_NE(route->iMenuText, TXT_NO_MENU_TEXT) << item.iCommand;
      }
    }
  }
}

}  // namespace
