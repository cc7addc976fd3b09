// libFuzzer target: fuzzed bytes opened as an in-memory NetCDF file by the
// netCDF library, then our catalogue and both layouts of the reader on
// every variable it lists (a few at most), into a small table.
//
// The library parses the bytes; this target watches what we do with its
// answers: names, attribute texts and lengths, dimension ids and counts,
// 64-bit lengths, and the table's bounds.
#include <netcdf.h>
#include <netcdf_mem.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "sources/netcdf_catalogue.h"
#include "sources/netcdf_choice.h"
#include "sources/netcdf_library.h"
#include "sources/netcdf_read.h"
#include "sources/netcdf_variables.h"
#include "table/table_access.h"
#include "table/table_init.h"

namespace {

constexpr int kRows = 51;
constexpr int kCols = 51;
constexpr std::size_t kVariablesTried = 6;

// The library linked into this program as the reader's binding.
NetcdfApi LinkedLibrary() {
  NetcdfApi api;
  api.nc_open = ::nc_open;
  api.nc_close = ::nc_close;
  api.nc_inq = ::nc_inq;
  api.nc_inq_ndims = ::nc_inq_ndims;
  api.nc_inq_nvars = ::nc_inq_nvars;
  api.nc_inq_natts = ::nc_inq_natts;
  api.nc_inq_unlimdim = ::nc_inq_unlimdim;
  api.nc_inq_dim = ::nc_inq_dim;
  api.nc_inq_dimid = ::nc_inq_dimid;
  api.nc_inq_var = ::nc_inq_var;
  api.nc_inq_varid = ::nc_inq_varid;
  api.nc_get_var1_text = ::nc_get_var1_text;
  api.nc_get_var1_uchar = ::nc_get_var1_uchar;
  api.nc_get_var1_schar = ::nc_get_var1_schar;
  api.nc_get_var1_short = ::nc_get_var1_short;
  api.nc_get_var1_int = ::nc_get_var1_int;
  api.nc_get_var1_long = ::nc_get_var1_long;
  api.nc_get_var1_float = ::nc_get_var1_float;
  api.nc_get_var1_double = ::nc_get_var1_double;
  api.nc_inq_attname = ::nc_inq_attname;
  api.nc_get_att_text = ::nc_get_att_text;
  api.nc_inq_attlen = ::nc_inq_attlen;
  api.nc_inq_atttype = ::nc_inq_atttype;
  api.nc_get_att_double = ::nc_get_att_double;
  api.nc_get_vara_double = ::nc_get_vara_double;
  api.nc_get_vara_text = ::nc_get_vara_text;
  return api;
}

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

TableRecord* NewTable() {
  TableRecord* t = TableAllocRecord();
  if (t) TableInitRecord(*t, OPEN_NETCDF, "fuzz.nc", "");
  return t;
}

// Every listed dimension and variable stays within what the catalogue
// promises.
void CheckCatalogue(const NetcdfCatalogue& catalogue) {
  Check(catalogue.dims.size() <= static_cast<std::size_t>(NETCDF_MAX_DIMENSIONS));
  Check(catalogue.vars.size() <= static_cast<std::size_t>(NETCDF_MAX_VARIABLES));
  for (const NetcdfDimension& dim : catalogue.dims) Check(dim.iLength >= 0 && dim.szName.back() == '\0');
  for (const NetcdfVariable& var : catalogue.vars) {
    Check(var.szName.back() == '\0');
    Check(var.szShortDescription.size() <= NETCDF_SHOWN_SHORT_DESCRIPTION);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const NetcdfApi api = LinkedLibrary();
  static TableRecord* table = NewTable();
  if (!table || size < 4 || size > 65536) return 0;
  DialogScriptBegin();
  NetcdfUseApi(&api);
  NoticeScope notices;
  std::vector<std::uint8_t> bytes(data, data + size);
  int fileId = -1;
  if (nc_open_mem("fuzz.nc", NC_NOWRITE, bytes.size(), bytes.data(), &fileId) != NC_NOERR) {
    notices.Take();
    DialogScriptEnd();
    return 0;
  }
  NetcdfCatalogue catalogue;
  if (NetcdfCatalogueRead(api, fileId, catalogue) == 0) {
    CheckCatalogue(catalogue);
    for (std::size_t v = 0; v < catalogue.vars.size() && v < kVariablesTried; ++v) {
      NetcdfChoiceModel model;
      NetcdfChoiceStart(model, catalogue);
      if (NetcdfChooseNamed(model, {std::string(TextOf(catalogue.vars[v].szName))}) != 0) continue;
      table->iRows = kRows;
      table->iCols = kCols;
      NetcdfOverflow overflow;
      NetcdfReadFlat(api, fileId, model, NetcdfRecordFilter{}, *table, &overflow);
      Check(overflow.iRows >= 0 && overflow.iCols >= 0);
      if (model.iUsedLevels >= 2) {
        NetcdfReadImage(api, fileId, model, NetcdfRecordFilter{}, (size & 1) != 0, *table, &overflow);
        Check(overflow.iRows >= 0 && overflow.iCols >= 0);
      }
    }
  }
  nc_close(fileId);
  notices.Take();
  DialogScriptEnd();
  return 0;
}
