#include "sources/netcdf_value.h"

#include <cmath>

#include "platform/number_text.h"
#include "table/number_format.h"

namespace {

// Values read with one library call at most.
constexpr std::int64_t kRunChunk = 65536;

// The value a raw number stands for: unsigned integers put right, packed
// values unpacked. False for a missing value.
bool UnpackedValue(const NetcdfVariable& var, double raw, double* value) {
  if (std::isnan(raw)) return false;
  if (var.bHasFill && raw == var.dFill) return false;
  if (var.bHasMissing && raw == var.dMissing) return false;
  if (var.bUnsigned && raw < 0) {
    switch (var.iType) {
      case NC_BYTE: raw += 256.0; break;
      case NC_SHORT: raw += 65536.0; break;
      case NC_INT: raw += 4294967296.0; break;
      case NC_INT64: raw += 18446744073709551616.0; break;
      default: break;
    }
  }
  *value = var.bPacked ? raw * var.dScale + var.dOffset : raw;
  return std::isfinite(*value) || !var.bPacked;
}

bool IsIntegerType(nc_type type) {
  return type == NC_BYTE || type == NC_SHORT || type == NC_INT || type == NC_UBYTE || type == NC_USHORT ||
         type == NC_UINT || type == NC_INT64 || type == NC_UINT64;
}

// The start and count arrays of a run of `count` values along `axis`.
void RunBounds(const NetcdfVariable& var, const NetcdfIndex& index, int axis, std::size_t count,
               std::array<std::size_t, NETCDF_LEVELS>* start, std::array<std::size_t, NETCDF_LEVELS>* counts) {
  for (int d = 0; d < NETCDF_LEVELS; ++d) {
    (*start)[static_cast<std::size_t>(d)] = index[static_cast<std::size_t>(d)];
    (*counts)[static_cast<std::size_t>(d)] = d < var.iDimCount ? 1 : 0;
  }
  (*counts)[static_cast<std::size_t>(axis)] = count;
}

// Read a contiguous run with one call; false when the call fails.
bool ReadContiguous(const NetcdfApi& api, int fileId, const NetcdfVariable& var, const NetcdfIndex& index,
                    int axis, std::size_t count, std::vector<NetcdfCell>& cells) {
  std::array<std::size_t, NETCDF_LEVELS> start{};
  std::array<std::size_t, NETCDF_LEVELS> counts{};
  RunBounds(var, index, axis, count, &start, &counts);
  if (var.iType == NC_CHAR) {
    std::vector<char> chars(count);
    if (api.nc_get_vara_text(fileId, var.iVarId, start.data(), counts.data(), chars.data()) != NC_NOERR) {
      return false;
    }
    for (const char c : chars) cells.push_back(NetcdfCell{NetcdfCellForm::Text, 0.0, NetcdfCharText(c)});
    return true;
  }
  std::vector<double> values(count);
  if (api.nc_get_vara_double(fileId, var.iVarId, start.data(), counts.data(), values.data()) != NC_NOERR) {
    return false;
  }
  for (const double v : values) cells.push_back(NetcdfNumberCell(var, v));
  return true;
}

}  // namespace

NetcdfCell NetcdfNumberCell(const NetcdfVariable& var, double raw) {
  double value = 0.0;
  if (!UnpackedValue(var, raw, &value)) return NetcdfCell{NetcdfCellForm::Text, 0.0, NETCDF_MISSING_TEXT};
  if (var.time.bValid && var.time.bStandardCalendar) {
    std::string date = NetcdfDateText(var.time.dBaseSeconds + value * var.time.dUnitSeconds);
    if (!date.empty()) return NetcdfCell{NetcdfCellForm::Text, 0.0, std::move(date)};
  }
  if (IsIntegerType(var.iType) && !var.bPacked && std::fabs(value) < 9.0e18) {
    return NetcdfCell{NetcdfCellForm::Whole, value, {}};
  }
  return NetcdfCell{NetcdfCellForm::Number, value, {}};
}

std::string NetcdfCellText(const NetcdfCell& cell) {
  switch (cell.iForm) {
    case NetcdfCellForm::Whole: return FormatInt(static_cast<long long>(cell.dValue));
    case NetcdfCellForm::Number: return FormatNumber(cell.dValue);
    case NetcdfCellForm::Text: break;
  }
  return cell.text;
}

std::string NetcdfNumberText(const NetcdfVariable& var, double raw) {
  return NetcdfCellText(NetcdfNumberCell(var, raw));
}

std::string NetcdfCharText(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte < 32 || byte > 126) return {};
  return std::string(1, c);
}

NetcdfCell NetcdfReadCell(const NetcdfApi& api, int fileId, const NetcdfVariable& var, const NetcdfIndex& index) {
  const auto text = [](std::string s) { return NetcdfCell{NetcdfCellForm::Text, 0.0, std::move(s)}; };
  if (var.iType == NC_CHAR) {
    char c = 0;
    if (api.nc_get_var1_text(fileId, var.iVarId, index.data(), &c) != NC_NOERR) return text(NETCDF_MISSING_TEXT);
    return text(NetcdfCharText(c));
  }
  if (!NetcdfTypeIsNumeric(var.iType)) return text(NETCDF_UNSUPPORTED_TEXT);
  double raw = 0.0;
  if (api.nc_get_var1_double(fileId, var.iVarId, index.data(), &raw) != NC_NOERR) return text(NETCDF_MISSING_TEXT);
  return NetcdfNumberCell(var, raw);
}

std::string NetcdfReadValue(const NetcdfApi& api, int fileId, const NetcdfVariable& var, const NetcdfIndex& index) {
  return NetcdfCellText(NetcdfReadCell(api, fileId, var, index));
}

bool NetcdfReadNumber(const NetcdfApi& api, int fileId, const NetcdfVariable& var, const NetcdfIndex& index,
                      double* value) {
  if (!NetcdfTypeIsNumeric(var.iType)) return false;
  double raw = 0.0;
  if (api.nc_get_var1_double(fileId, var.iVarId, index.data(), &raw) != NC_NOERR) return false;
  return UnpackedValue(var, raw, value);
}

void NetcdfReadRun(const NetcdfApi& api, int fileId, const NetcdfVariable& var, NetcdfIndex index, int axis,
                   std::int64_t count, std::int64_t step, std::vector<NetcdfCell>& cells) {
  if (count <= 0 || axis < 0 || axis >= NETCDF_LEVELS) return;
  const bool whole = step == 1 && (var.iType == NC_CHAR || NetcdfTypeIsNumeric(var.iType));
  std::int64_t done = 0;
  while (done < count) {
    const std::int64_t chunk = count - done < kRunChunk ? count - done : kRunChunk;
    const std::size_t before = cells.size();
    if (!whole || !ReadContiguous(api, fileId, var, index, axis, static_cast<std::size_t>(chunk), cells)) {
      cells.resize(before);
      NetcdfIndex at = index;
      for (std::int64_t k = 0; k < chunk; ++k) {
        cells.push_back(NetcdfReadCell(api, fileId, var, at));
        at[static_cast<std::size_t>(axis)] += static_cast<std::size_t>(step);
      }
    }
    index[static_cast<std::size_t>(axis)] += static_cast<std::size_t>(chunk * step);
    done += chunk;
  }
}
