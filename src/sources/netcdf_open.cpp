#include "sources/netcdf_open.h"

#include <string>

#include "files/text_import.h"
#include "platform/cursor.h"
#include "platform/guarded_call.h"
#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "sources/netcdf_catalogue.h"
#include "sources/netcdf_choice.h"
#include "sources/netcdf_filters.h"
#include "sources/netcdf_image_dialog.h"
#include "sources/netcdf_library.h"
#include "sources/netcdf_read.h"
#include "table/table_access.h"
#include "table/table_input.h"
#include "table/table_scroll.h"
#include "table/table_size_dialog.h"
#include "table/table_window.h"

namespace {

// Closes the open file when the read is over or abandoned.
class OpenFile {
 public:
  OpenFile(const NetcdfApi& api, int id) : api_(api), id_(id) {}
  ~OpenFile() { api_.nc_close(id_); }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;

 private:
  const NetcdfApi& api_;
  int id_;
};

// Columns are widened to the headers and values of their first rows, up
// to a cap, as after a text import.
void FitReadColumns(WindowHandle hwnd) {
  constexpr int kFitRows = 100;
  constexpr int kFitMaxWidth = 300;
  TableLockGuard t(hwnd);
  if (t) FitColumnsToText(*t.get(), kFitRows, kFitMaxWidth, TableTextWidth());
}

// The follow-up dialogs and the read, once the variables are chosen.
int ReadChosen(WindowHandle hwnd, const NetcdfApi& api, int fileId, NetcdfChoiceModel& choice) {
  NetcdfDropDeepVariables(choice);
  if (choice.iUsedLevels == 0) return -1;
  bool columnsOuter = false;
  if (choice.bImage && NetcdfImageDialogRun(hwnd, choice, &columnsOuter) != 0) return -1;
  if (choice.bAdjustSize) TableSizeDialogRun(hwnd);
  NetcdfRecordFilter filter;
  if (NetcdfChooseFilters(hwnd, api, fileId, choice, &filter) != 0) return -1;
  SetWaitCursor(0);
  NetcdfOverflow overflow;
  {
    TableLockGuard t(hwnd);
    if (!t) {
      SetWaitCursor(1);
      return -1;
    }
    if (choice.bImage) {
      NetcdfReadImage(api, fileId, choice, filter, columnsOuter, *t.get(), &overflow);
    } else {
      NetcdfReadFlat(api, fileId, choice, filter, *t.get(), &overflow);
    }
  }
  SetWaitCursor(1);
  FitReadColumns(hwnd);
  TableRepaint(hwnd);
  NetcdfReportOverflow(overflow);
  return 0;
}

}  // namespace

bool NetcdfPathIsAddress(std::string_view path) {
  const std::size_t scheme = path.find("://");
  if (scheme == std::string_view::npos || scheme == 0) return false;
  for (std::size_t i = 0; i < scheme; ++i) {
    const char c = path[i];
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!letter && !(i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'))) return false;
  }
  return true;
}

int NetcdfEnsureLibrary() {
  if (NetcdfLibrary() || NetcdfLoadSystemLibrary() == 0) return 0;
  ReportNotice(Text(TXT_CAPTION_MESSAGE), Text(TXT_NC_NO_SYSTEM_LIBRARY));
  return -1;
}

namespace {

int gOpenGuardMs = 30000;

// Open the file and list its catalogue in a child process first: a damaged
// file can make the library loop forever or crash, and that must not take
// the program with it. False when the child hung or crashed.
bool OpenSurvives(const NetcdfApi& api, const std::string& file) {
  const GuardedResult probe = GuardedCallRun(
      [&api, &file] {
        int id = -1;
        if (api.nc_open(file.c_str(), NC_NOWRITE, &id) != NC_NOERR) return 1;
        NoticeScope quiet(NOTICES_TO_STANDARD_ERROR);
        NetcdfCatalogue listed;
        const int status = NetcdfCatalogueRead(api, id, listed);
        quiet.Take();
        api.nc_close(id);
        return status == 0 ? 0 : 2;
      },
      gOpenGuardMs);
  return probe.iOutcome != GuardedOutcome::Crashed && probe.iOutcome != GuardedOutcome::TimedOut;
}

}  // namespace

void NetcdfSetOpenGuardTime(int milliseconds) { gOpenGuardMs = milliseconds; }

const NetcdfApi* NetcdfOpenCatalogue(std::string_view path, int* fileId, NetcdfCatalogue* catalogue) {
  if (NetcdfPathIsAddress(path)) {
    ReportNotice(Text(TXT_NC_CAPTION_ERROR), JoinText(Text(TXT_NC_URL_REFUSED), path));
    return nullptr;
  }
  if (NetcdfEnsureLibrary() != 0) return nullptr;
  const NetcdfApi* api = NetcdfLibrary();
  const std::string file(path);
  if (!OpenSurvives(*api, file) || api->nc_open(file.c_str(), NC_NOWRITE, fileId) != NC_NOERR) {
    ReportNotice(Text(TXT_NC_CAPTION_ERROR), JoinText(path, Text(TXT_NC_OPEN_FAILED)));
    return nullptr;
  }
  SetWaitCursor(0);
  const int listed = NetcdfCatalogueRead(*api, *fileId, *catalogue);
  SetWaitCursor(1);
  if (listed != 0) {
    api->nc_close(*fileId);
    return nullptr;
  }
  return api;
}

int NetcdfOpen(WindowHandle hwnd, std::string_view path) {
  NetcdfCatalogue catalogue;
  int fileId = -1;
  const NetcdfApi* api = NetcdfOpenCatalogue(path, &fileId, &catalogue);
  if (!api) return -1;
  OpenFile closer(*api, fileId);
  NetcdfChoiceModel choice;
  NetcdfChoiceStart(choice, catalogue);
  if (NetcdfChoiceDialogRun(hwnd, choice) != 0) return -1;
  return ReadChosen(hwnd, *api, fileId, choice);
}

void NetcdfInstallReader() { TextImportSetPathReader(OPEN_NETCDF, NetcdfOpen); }
