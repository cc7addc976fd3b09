#include "sources/netcdf_catalogue.h"

#include <cstring>
#include <memory>
#include <new>

#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"

namespace {

// Attributes longer than this are not read (no description, no units).
constexpr std::size_t kLargestTextAttribute = std::size_t{1} << 20;
constexpr std::size_t kLargestNumberAttribute = 64;

// The text of an NC_CHAR attribute, read with its length first; false
// when the attribute is missing, not text or too long.
bool ReadTextAttribute(const NetcdfApi& api, int fileId, int varId, const char* name, std::string* text) {
  nc_type type = 0;
  std::size_t length = 0;
  if (api.nc_inq_atttype(fileId, varId, name, &type) != NC_NOERR || type != NC_CHAR) return false;
  if (api.nc_inq_attlen(fileId, varId, name, &length) != NC_NOERR || length > kLargestTextAttribute) return false;
  std::string buffer(length + 1, '\0');
  if (length > 0 && api.nc_get_att_text(fileId, varId, name, buffer.data()) != NC_NOERR) return false;
  buffer.resize(std::strlen(buffer.c_str()));  // an embedded terminator ends the text
  *text = std::move(buffer);
  return true;
}

// The first value of a numeric attribute; false when missing or not numeric.
bool ReadNumberAttribute(const NetcdfApi& api, int fileId, int varId, const char* name, double* value) {
  nc_type type = 0;
  std::size_t length = 0;
  if (api.nc_inq_atttype(fileId, varId, name, &type) != NC_NOERR || !NetcdfTypeIsNumeric(type)) return false;
  if (api.nc_inq_attlen(fileId, varId, name, &length) != NC_NOERR || length == 0 ||
      length > kLargestNumberAttribute) {
    return false;
  }
  double values[kLargestNumberAttribute] = {};
  if (api.nc_get_att_double(fileId, varId, name, values) != NC_NOERR) return false;
  *value = values[0];
  return true;
}

// The library's fill value of a type, for variables without their own
// (bytes have none: every byte value may be data).
bool DefaultFill(nc_type type, double* fill) {
  switch (type) {
    case NC_SHORT: *fill = NC_FILL_SHORT; return true;
    case NC_INT: *fill = NC_FILL_INT; return true;
    case NC_FLOAT: *fill = static_cast<double>(NC_FILL_FLOAT); return true;
    case NC_DOUBLE: *fill = NC_FILL_DOUBLE; return true;
    case NC_USHORT: *fill = NC_FILL_USHORT; return true;
    case NC_UINT: *fill = NC_FILL_UINT; return true;
    case NC_INT64: *fill = static_cast<double>(NC_FILL_INT64); return true;
    case NC_UINT64: *fill = static_cast<double>(NC_FILL_UINT64); return true;
    default: return false;
  }
}

// The description (first attribute, when it is text) of a variable.
void ReadDescription(const NetcdfApi& api, int fileId, NetcdfVariable& var) {
  std::array<char, NETCDF_NAME_BYTES> attName{};
  if (api.nc_inq_attname(fileId, var.iVarId, 0, attName.data()) != NC_NOERR) return;
  attName.back() = '\0';
  std::string text;
  if (!ReadTextAttribute(api, fileId, var.iVarId, attName.data(), &text)) return;
  var.szShortDescription = NetcdfShortDescription(text);
  var.szDescription = std::move(text);
}

// Missing values, packing and date units of a variable.
void ReadValueAttributes(const NetcdfApi& api, int fileId, NetcdfVariable& var) {
  if (!NetcdfTypeIsNumeric(var.iType)) return;
  var.bHasFill = ReadNumberAttribute(api, fileId, var.iVarId, "_FillValue", &var.dFill);
  if (!var.bHasFill) var.bHasFill = DefaultFill(var.iType, &var.dFill);
  var.bHasMissing = ReadNumberAttribute(api, fileId, var.iVarId, "missing_value", &var.dMissing);
  const bool scaled = ReadNumberAttribute(api, fileId, var.iVarId, "scale_factor", &var.dScale);
  const bool offset = ReadNumberAttribute(api, fileId, var.iVarId, "add_offset", &var.dOffset);
  var.bPacked = scaled || offset;
  if (!scaled) var.dScale = 1.0;
  if (!offset) var.dOffset = 0.0;
  std::string flag;
  if ((var.iType == NC_BYTE || var.iType == NC_SHORT || var.iType == NC_INT || var.iType == NC_INT64) &&
      ReadTextAttribute(api, fileId, var.iVarId, "_Unsigned", &flag)) {
    var.bUnsigned = flag == "true" || flag == "TRUE" || flag == "True";
  }
  if (ReadTextAttribute(api, fileId, var.iVarId, "units", &var.szUnits)) {
    var.time = NetcdfParseTimeUnits(var.szUnits);
    std::string calendar;
    if (var.time.bValid && ReadTextAttribute(api, fileId, var.iVarId, "calendar", &calendar)) {
      var.time.bStandardCalendar = NetcdfCalendarIsStandard(calendar);
    }
  }
}

// List the dimensions (at most NETCDF_MAX_DIMENSIONS).
int ReadDimensions(const NetcdfApi& api, int fileId, NetcdfCatalogue& catalogue) {
  const int count = catalogue.iFileDimCount < NETCDF_MAX_DIMENSIONS ? catalogue.iFileDimCount
                                                                      : NETCDF_MAX_DIMENSIONS;
  catalogue.dims.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    NetcdfDimension dim;
    std::size_t length = 0;
    int id = i;
    if (api.nc_inq_dim(fileId, i, dim.szName.data(), &length) != NC_NOERR ||
        (dim.szName.back() = '\0', api.nc_inq_dimid(fileId, dim.szName.data(), &id)) != NC_NOERR) {
      ReportNotice(Text(TXT_NC_CAPTION_ERROR), Text(TXT_NC_DIM_FAILED));
      return -1;
    }
    dim.iDimId = id;
    dim.iLength = static_cast<std::int64_t>(length);
    dim.iLast = dim.iLength;
    catalogue.dims.push_back(dim);
  }
  return 0;
}

// List the variables (at most NETCDF_MAX_VARIABLES).
int ReadVariables(const NetcdfApi& api, int fileId, NetcdfCatalogue& catalogue) {
  const int count = catalogue.iFileVarCount < NETCDF_MAX_VARIABLES ? catalogue.iFileVarCount
                                                                     : NETCDF_MAX_VARIABLES;
  catalogue.vars.reserve(static_cast<std::size_t>(count));
  std::unique_ptr<int[]> dimIds(new (std::nothrow) int[NC_MAX_VAR_DIMS]);
  if (!dimIds) return -1;
  for (int i = 0; i < count; ++i) {
    NetcdfVariable var;
    int dimCount = 0;
    int attCount = 0;
    // A variable may have more dimensions than the library's maximum only
    // in a damaged file; ask for the count first so the list always fits.
    if (api.nc_inq_var(fileId, i, var.szName.data(), &var.iType, &dimCount, nullptr, &attCount) != NC_NOERR ||
        dimCount < 0 || dimCount > NC_MAX_VAR_DIMS ||
        api.nc_inq_var(fileId, i, nullptr, nullptr, nullptr, dimIds.get(), nullptr) != NC_NOERR) {
      ReportNotice(Text(TXT_NC_CAPTION_ERROR), Text(TXT_NC_VAR_FAILED));
      return -1;
    }
    var.szName.back() = '\0';
    int id = i;
    if (api.nc_inq_varid(fileId, var.szName.data(), &id) != NC_NOERR) {
      ReportNotice(Text(TXT_NC_CAPTION_ERROR), Text(TXT_NC_VARID_FAILED));
      return -1;
    }
    var.iVarId = id;
    var.iDimCount = dimCount;
    var.iAttCount = attCount;
    for (int d = 0; d < dimCount && d < NETCDF_LEVELS; ++d) var.iDimIds[static_cast<std::size_t>(d)] = dimIds[d];
    if (attCount > 0) ReadDescription(api, fileId, var);
    ReadValueAttributes(api, fileId, var);
    catalogue.vars.push_back(std::move(var));
  }
  return 0;
}

}  // namespace

const char* NetcdfTypeName(nc_type type) {
  static const char* const kNames[] = {"byte", "char", "short", "int", "float", "double",
                                       "ubyte", "ushort", "uint", "int64", "uint64", "string"};
  if (type < 1 || type > 12) return "Err_Type";
  return kNames[type - 1];
}

bool NetcdfTypeIsNumeric(nc_type type) {
  switch (type) {
    case NC_BYTE: case NC_SHORT: case NC_INT: case NC_FLOAT: case NC_DOUBLE:
    case NC_UBYTE: case NC_USHORT: case NC_UINT: case NC_INT64: case NC_UINT64:
      return true;
    default:
      return false;
  }
}

std::string NetcdfShortDescription(std::string_view description) {
  std::size_t end = description.find_first_of(" _");
  if (end == std::string_view::npos) end = description.size();
  if (end > NETCDF_SHOWN_SHORT_DESCRIPTION) end = NETCDF_SHOWN_SHORT_DESCRIPTION;
  return std::string(description.substr(0, end));
}

int NetcdfCatalogueRead(const NetcdfApi& api, int fileId, NetcdfCatalogue& catalogue) {
  catalogue = NetcdfCatalogue{};
  catalogue.iFileId = fileId;
  int unlimited = -1;
  int globalAtts = 0;
  if (api.nc_inq(fileId, &catalogue.iFileDimCount, &catalogue.iFileVarCount, &globalAtts, &unlimited) !=
          NC_NOERR ||
      catalogue.iFileDimCount < 0 || catalogue.iFileVarCount < 0) {
    ReportNotice(Text(TXT_NC_CAPTION_ERROR), Text(TXT_NC_INQ_FAILED));
    return -1;
  }
  if (ReadDimensions(api, fileId, catalogue) != 0) return -1;
  return ReadVariables(api, fileId, catalogue);
}

int NetcdfDimensionIndex(const NetcdfCatalogue& catalogue, int dimId) {
  for (std::size_t i = 0; i < catalogue.dims.size(); ++i) {
    if (catalogue.dims[i].iDimId == dimId) return static_cast<int>(i);
  }
  return -1;
}

int NetcdfVariableIndex(const NetcdfCatalogue& catalogue, std::string_view name) {
  for (std::size_t i = 0; i < catalogue.vars.size(); ++i) {
    if (TextOf(catalogue.vars[i].szName) == name) return static_cast<int>(i);
  }
  return -1;
}
