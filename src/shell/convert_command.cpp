#include "shell/convert_command.h"

#include <cstdint>
#include <cstdio>

#include "files/read_drops.h"
#include "files/table_file_read.h"
#include "files/table_file_write.h"
#include "files/text_import.h"
#include "formula/formula_recalc.h"
#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "platform/timers.h"
#include "shell/frame_window.h"
#include "shell/program_state.h"
#include "shell/services.h"
#include "shell/system_name.h"
#include "shell/window_classes.h"
#include "sources/netcdf_variables.h"
#include "sources/odbc_file_query.h"
#include "table/table_access.h"
#include "table/table_record.h"
#include "table/table_window.h"

namespace {

int Fail(const char* what, const std::string& path) {
  PresentPendingNotices();  // what the reader or writer said comes first
  std::fprintf(stderr, "cartovel: %s %s\n", what, path.c_str());
  return CONVERT_FAILED;
}

// One line on standard error for each kind of data left out; true when
// anything was.
bool ReportDrops(const ReadDrops& drops, const std::string& path) {
  for (int kind = 0; kind < DROP_KINDS; ++kind) {
    const std::int64_t count = drops.iCount[static_cast<std::size_t>(kind)];
    if (count <= 0) continue;
    std::fprintf(stderr, "cartovel: %s: %s\n", path.c_str(), DropLine(static_cast<DropKind>(kind), count).c_str());
  }
  return drops.Any();
}

}  // namespace

char DelimiterNamed(const std::string& value) {
  if (value == "tab" || value == "\\t") return '\t';
  if (value == "comma") return ',';
  if (value == "semicolon") return ';';
  if (value == "space") return ' ';
  if (value.size() == 1 && value[0] != '\r' && value[0] != '\n' && value[0] != '\0') return value[0];
  return 0;
}

int ParseConvertArguments(int argc, const char* const* argv, int first, ConvertRequest* request,
                          std::string* error) {
  if (first + 1 >= argc) {
    *error = "--convert needs an input and an output file";
    return -1;
  }
  request->szIn = argv[first];
  request->szOut = argv[first + 1];
  for (int i = first + 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--merge-delimiters") {
      request->bMerge = true;
    } else if (arg == "--variables" && i + 1 < argc) {
      request->szVariables = argv[++i];
      if (NetcdfSplitNames(request->szVariables).empty()) {
        *error = "--variables needs at least one variable name";
        return -1;
      }
    } else if (arg == "--sql" && i + 1 < argc) {
      request->szSql = argv[++i];
      if (request->szSql.empty()) {
        *error = "--sql needs a statement";
        return -1;
      }
    } else if (arg == "--delimiter" && i + 1 < argc) {
      request->cDelimiter = DelimiterNamed(argv[++i]);
      if (request->cDelimiter == 0) {
        *error = JoinText("unknown delimiter ", argv[i], " (one character, or tab, comma, semicolon, space)");
        return -1;
      }
    } else {
      *error = JoinText("unexpected argument ", arg);
      return -1;
    }
  }
  if (request->szIn.empty() || request->szOut.empty()) {
    *error = "--convert needs an input and an output file";
    return -1;
  }
  return 0;
}

int RunConversion(const ConvertRequest& request) {
  // What the readers and writers report goes to standard error.
  NoticeScope notices(NOTICES_TO_STANDARD_ERROR);
  ProgramState& program = Program();
  ReadSystemNameFile(CurrentDirectory(), program);
  // The classes are registered once per process (a host may have done it).
  if (!FindWindowClass(CLASS_TABLE) && SetupWindowClasses(PlainWindowClassProcs()) != 0) {
    return Fail("cannot register the window classes", "");
  }
  const bool netcdf = !request.szVariables.empty();
  const bool database = !request.szSql.empty();
  const int mode = database ? OPEN_DATABASE : (netcdf ? OPEN_NETCDF : OPEN_FILE);
  const WindowHandle table = CreateTableWindow(TableOpenRequest{mode, request.szIn});
  if (IsNone(table)) return Fail("cannot make a table for", request.szIn);
  // The window's own loading waits for a timer; the conversion reads now.
  StopTimer(table, TIMER_TABLE_LOAD);

  int status = CONVERT_OK;
  int opened = 0;
  DropsBegin();
  if (database) {
    TableLockGuard t(table);
    opened = t ? OdbcQueryFileIntoTable(*t.get(), request.szIn, request.szSql) : -1;
  } else if (netcdf) {
    opened = NetcdfReadNamed(table, request.szIn, NetcdfSplitNames(request.szVariables));
  } else if (IsNativeTableName(request.szIn)) {
    opened = TableFileRead(table, request.szIn);
  } else {
    TextImportChoice choice;
    choice.bAskWizard = false;
    choice.cDelimiter = request.cDelimiter;
    choice.bMerge = request.bMerge;
    opened = TextImportOpenWith(table, request.szIn, choice);
  }
  PresentPendingNotices();
  const bool dropped = ReportDrops(DropsTake(), request.szIn);
  if (opened != 0) {
    status = Fail("could not open", request.szIn);
  } else {
    RecalcAll(table);
    // Texts that found no memory are reported and fail the conversion
    // rather than being written as "Memory overflow".
    if (TableReportLostTexts(table) != 0) {
      status = Fail("could not keep every text of", request.szIn);
    } else if (TableFileWrite(table, request.szOut, SAVE_PLAIN) != 0) {
      status = Fail("could not write", request.szOut);
    } else if (dropped) {
      status = CONVERT_DATA_DROPPED;
    }
  }
  program.bClosingAll = 1;
  DestroyWindowOf(table);
  PumpPostedMessages();
  return status;
}
