#include "sources/netcdf_variables.h"

#include "files/read_drops.h"
#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "sources/netcdf_open.h"
#include "sources/netcdf_read.h"
#include "table/table_access.h"

namespace {

// The variable with the most dimensions (at most four) among `vars`.
int DeepestVariable(const NetcdfCatalogue& catalogue, const std::vector<int>& vars) {
  int deepest = vars.front();
  for (const int v : vars) {
    if (catalogue.vars[static_cast<std::size_t>(v)].iDimCount >
        catalogue.vars[static_cast<std::size_t>(deepest)].iDimCount) {
      deepest = v;
    }
  }
  return deepest;
}

// True when the dimensions of `var` are the first ones of `outer`.
bool SharesOuterDimensions(const NetcdfVariable& var, const NetcdfVariable& outer) {
  for (int d = 0; d < var.iDimCount; ++d) {
    if (var.iDimIds[static_cast<std::size_t>(d)] != outer.iDimIds[static_cast<std::size_t>(d)]) return false;
  }
  return true;
}

}  // namespace

std::vector<std::string> NetcdfSplitNames(std::string_view list) {
  std::vector<std::string> names;
  while (!list.empty()) {
    const std::size_t comma = list.find(',');
    const std::string_view name = list.substr(0, comma);
    if (!name.empty()) names.emplace_back(name);
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return names;
}

int NetcdfChooseNamed(NetcdfChoiceModel& model, const std::vector<std::string>& names) {
  const NetcdfCatalogue& catalogue = *model.pCatalogue;
  std::vector<int> vars;
  for (const std::string& name : names) {
    const int v = NetcdfVariableIndex(catalogue, name);
    if (v < 0) {
      ReportNotice(Text(TXT_NC_CAPTION_ERROR), JoinText(Text(TXT_NC_UNKNOWN_VARIABLE), name));
      return -1;
    }
    const int dims = catalogue.vars[static_cast<std::size_t>(v)].iDimCount;
    if (dims > NETCDF_LEVELS || dims < 1) {
      ReportNotice(Text(TXT_NC_CAPTION_ERROR), JoinText(Text(TXT_NC_TOO_MANY_DIMS), ": ", name));
      return -1;
    }
    vars.push_back(v);
  }
  if (vars.empty()) return -1;
  const NetcdfVariable& outer = catalogue.vars[static_cast<std::size_t>(DeepestVariable(catalogue, vars))];
  for (const int v : vars) {
    if (!SharesOuterDimensions(catalogue.vars[static_cast<std::size_t>(v)], outer)) {
      ReportNotice(Text(TXT_NC_CAPTION_ERROR), JoinText(Text(TXT_NC_OUTER_DIMENSIONS), TextOf(outer.szName), ", ",
                                                         TextOf(catalogue.vars[static_cast<std::size_t>(v)].szName)));
      return -1;
    }
  }
  for (int l = 0; l < outer.iDimCount; ++l) {
    NetcdfSetLevelDimension(model, l, NetcdfDimensionIndex(catalogue, outer.iDimIds[static_cast<std::size_t>(l)]));
    std::vector<int> chosen;
    for (const int v : vars) {
      if (catalogue.vars[static_cast<std::size_t>(v)].iDimCount > l) chosen.push_back(v);
    }
    NetcdfSetLevelSelection(model, l, chosen);
  }
  return NetcdfChoiceAccept(model);
}

int NetcdfReadNamed(WindowHandle hwnd, std::string_view path, const std::vector<std::string>& names) {
  NetcdfCatalogue catalogue;
  NetcdfChoiceModel model;
  NetcdfOverflow overflow;
  int fileId = -1;
  const NetcdfApi* api = NetcdfOpenCatalogue(path, &fileId, &catalogue);
  if (!api) return -1;
  NetcdfChoiceStart(model, catalogue);
  int status = NetcdfChooseNamed(model, names);
  if (status == 0) {
    TableLockGuard t(hwnd);
    if (t) {
      NetcdfReadFlat(*api, fileId, model, NetcdfRecordFilter{}, *t.get(), &overflow);
    } else {
      status = -1;
    }
  }
  api->nc_close(fileId);
  if (status != 0) return -1;
  NetcdfReportOverflow(overflow);
  if (overflow.iRows + overflow.iCols > 0) NoteDrop(DROP_CELLS_BEYOND_TABLE, overflow.iRows + overflow.iCols);
  return 0;
}
