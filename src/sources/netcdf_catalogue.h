// The catalogue of an open NetCDF file: its dimensions and variables with
// what the reader needs of their attributes (description, units, missing
// values, packing).
#pragma once

#include <netcdf.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "sources/netcdf_library.h"
#include "sources/netcdf_time.h"

inline constexpr int NETCDF_MAX_DIMENSIONS = 29;   // further dimensions are not listed
inline constexpr int NETCDF_MAX_VARIABLES = 2000;  // further variables are counted, not listed
inline constexpr int NETCDF_MAX_TIME_VARIABLES = 10;
inline constexpr int NETCDF_LEVELS = 4;            // D1 .. D4
inline constexpr int NETCDF_NAME_BYTES = NC_MAX_NAME + 1;
// How much of a name or a first word the dialog shows.
inline constexpr std::size_t NETCDF_SHOWN_DIMENSION_NAME = 57;
inline constexpr std::size_t NETCDF_SHOWN_VARIABLE_NAME = 49;
inline constexpr std::size_t NETCDF_SHOWN_SHORT_DESCRIPTION = 49;
inline constexpr std::size_t NETCDF_SHOWN_DESCRIPTION = 151;

enum NetcdfReadMode : int {
  NC_READ_ALL = 1,
  NC_READ_RANGE = 2,
  NC_READ_SAMPLED = 3,
};

struct NetcdfDimension {
  std::array<char, NETCDF_NAME_BYTES> szName{};
  int iDimId = 0;
  std::int64_t iLength = 0;
  int iReadMode = NC_READ_ALL;
  std::int64_t iSpacing = 1;
  std::int64_t iFirst = 1;  // 1-based record range of NC_READ_RANGE
  std::int64_t iLast = 0;
};

struct NetcdfVariable {
  int iVarId = 0;
  std::array<char, NETCDF_NAME_BYTES> szName{};
  std::string szDescription;       // the first attribute's text (NC_CHAR only), whole
  std::string szShortDescription;  // its first word (cut at a space or underscore)
  nc_type iType = 0;
  int iDimCount = 0;               // as the file has it
  std::array<int, NETCDF_LEVELS> iDimIds{};  // the first four dimension ids
  int iAttCount = 0;
  // Missing values and packing.
  bool bHasFill = false;
  double dFill = 0.0;
  bool bHasMissing = false;
  double dMissing = 0.0;
  bool bPacked = false;
  double dScale = 1.0;
  double dOffset = 0.0;
  bool bUnsigned = false;          // "_Unsigned" = "true" on a signed integer type
  // Dates: "<unit> since <date>" units of a numeric variable.
  std::string szUnits;
  NetcdfTimeBase time;
};

struct NetcdfCatalogue {
  int iFileId = -1;
  int iFileDimCount = 0;  // as the file has them
  int iFileVarCount = 0;
  std::vector<NetcdfDimension> dims;  // at most NETCDF_MAX_DIMENSIONS
  std::vector<NetcdfVariable> vars;   // at most NETCDF_MAX_VARIABLES
};

// The type name the dialog shows for a NetCDF type code.
const char* NetcdfTypeName(nc_type type);

// Fill the catalogue of the open file `fileId`. 0, or -1 after reporting
// the failing call (the caller closes the file).
int NetcdfCatalogueRead(const NetcdfApi& api, int fileId, NetcdfCatalogue& catalogue);

// The position of dimension id `dimId` in the catalogue, -1 when unlisted.
int NetcdfDimensionIndex(const NetcdfCatalogue& catalogue, int dimId);
// The position of variable `name`, -1 when unlisted.
int NetcdfVariableIndex(const NetcdfCatalogue& catalogue, std::string_view name);

// The first word of a description: cut at its first space or underscore,
// at most NETCDF_SHOWN_SHORT_DESCRIPTION bytes.
std::string NetcdfShortDescription(std::string_view description);

// True for the numeric types (everything but char and string).
bool NetcdfTypeIsNumeric(nc_type type);
