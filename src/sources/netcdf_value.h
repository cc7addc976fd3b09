// Values of NetCDF variables as cell texts: one at a time, or a run along
// one dimension read with a single library call.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "sources/netcdf_catalogue.h"
#include "sources/netcdf_library.h"

// What a value that is missing, or of a type that is not read, shows.
inline constexpr const char* NETCDF_MISSING_TEXT = "Missing";
inline constexpr const char* NETCDF_UNSUPPORTED_TEXT = "Unsupported type in DLL";

// Indexes of a value, one per dimension of the variable (at most four).
using NetcdfIndex = std::array<std::size_t, NETCDF_LEVELS>;

// A value on its way into a cell: a text, a number in the cells' default
// form, or a whole number of an integer variable.
enum class NetcdfCellForm { Text, Number, Whole };
struct NetcdfCell {
  NetcdfCellForm iForm = NetcdfCellForm::Text;
  double dValue = 0.0;
  std::string text;
};

// The cell of a value read as a double: "Missing" for NaN, the fill value
// or the missing value; unpacked, shown as a date for a time variable.
NetcdfCell NetcdfNumberCell(const NetcdfVariable& var, double raw);
// The text such a cell shows.
std::string NetcdfCellText(const NetcdfCell& cell);
// NetcdfCellText of NetcdfNumberCell.
std::string NetcdfNumberText(const NetcdfVariable& var, double raw);
// The cell text of a character: itself, or empty outside 32 .. 126.
std::string NetcdfCharText(char c);

// The value of `var` at `index` as cell text ("Missing" when the library
// call fails).
std::string NetcdfReadValue(const NetcdfApi& api, int fileId, const NetcdfVariable& var, const NetcdfIndex& index);

// The value of `var` at `index` as a cell ("Missing" when the library call
// fails).
NetcdfCell NetcdfReadCell(const NetcdfApi& api, int fileId, const NetcdfVariable& var, const NetcdfIndex& index);

// Read `count` values of `var` along its dimension `axis`, from `index`
// on with the other indexes fixed, every `step`-th one; appends their cells
// to `cells`.
void NetcdfReadRun(const NetcdfApi& api, int fileId, const NetcdfVariable& var, NetcdfIndex index, int axis,
                   std::int64_t count, std::int64_t step, std::vector<NetcdfCell>& cells);

// The value of `var` at `index` as a number; false when it is missing or
// cannot be read.
bool NetcdfReadNumber(const NetcdfApi& api, int fileId, const NetcdfVariable& var, const NetcdfIndex& index,
                      double* value);
