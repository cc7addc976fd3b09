// The netCDF library, loaded at run time: one pointer per entry point the
// reader calls or needs present, typed after the library's own header.
#pragma once

#include <netcdf.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/window.h"

struct NetcdfApi {
  // The entry points a library must export, in the order they are looked up.
  decltype(&::nc_open) nc_open = nullptr;
  decltype(&::nc_close) nc_close = nullptr;
  decltype(&::nc_inq) nc_inq = nullptr;
  decltype(&::nc_inq_ndims) nc_inq_ndims = nullptr;
  decltype(&::nc_inq_nvars) nc_inq_nvars = nullptr;
  decltype(&::nc_inq_natts) nc_inq_natts = nullptr;
  decltype(&::nc_inq_unlimdim) nc_inq_unlimdim = nullptr;
  decltype(&::nc_inq_dim) nc_inq_dim = nullptr;
  decltype(&::nc_inq_dimid) nc_inq_dimid = nullptr;
  decltype(&::nc_inq_var) nc_inq_var = nullptr;
  decltype(&::nc_inq_varid) nc_inq_varid = nullptr;
  decltype(&::nc_get_var1_text) nc_get_var1_text = nullptr;
  decltype(&::nc_get_var1_uchar) nc_get_var1_uchar = nullptr;
  decltype(&::nc_get_var1_schar) nc_get_var1_schar = nullptr;
  decltype(&::nc_get_var1_short) nc_get_var1_short = nullptr;
  decltype(&::nc_get_var1_int) nc_get_var1_int = nullptr;
  decltype(&::nc_get_var1_long) nc_get_var1_long = nullptr;
  decltype(&::nc_get_var1_float) nc_get_var1_float = nullptr;
  decltype(&::nc_get_var1_double) nc_get_var1_double = nullptr;
  decltype(&::nc_inq_attname) nc_inq_attname = nullptr;
  decltype(&::nc_get_att_text) nc_get_att_text = nullptr;
  // Further entry points: attribute lengths and types, numeric attributes,
  // whole runs of values.
  decltype(&::nc_inq_attlen) nc_inq_attlen = nullptr;
  decltype(&::nc_inq_atttype) nc_inq_atttype = nullptr;
  decltype(&::nc_get_att_double) nc_get_att_double = nullptr;
  decltype(&::nc_get_vara_double) nc_get_vara_double = nullptr;
  decltype(&::nc_get_vara_text) nc_get_vara_text = nullptr;
};

// Names of the entry points in lookup order (NETCDF_ENTRY_COUNT of them).
inline constexpr int NETCDF_ENTRY_COUNT = 26;
std::string_view NetcdfEntryName(int index);

// The program's binding: null until a library was loaded with every entry
// point found.
const NetcdfApi* NetcdfLibrary();

// Load the library at `path` and look up every entry point. 0 when all were
// found (the binding then uses it); -1 after reporting the failure: the
// library cannot be loaded, or the first missing name.
int NetcdfLoadLibraryFile(std::string_view path);

// The system's library by its soname ("libnetcdf.so.19", then
// "libnetcdf.so") when none is loaded yet; 0 when a library is loaded
// afterwards. Reports nothing.
int NetcdfLoadSystemLibrary();

// Use an already resolved set of entry points (a program linked to the
// library, such as the fuzzer); null forgets the binding.
void NetcdfUseApi(const NetcdfApi* api);

// Ask for a library file and load it ("Open NetCDF.DLL"). 0 when loaded.
int NetcdfLoadLibrary(WindowHandle hFrame);

// The "Open NetCDF.DLL" command.
int CmdOpenNetcdfLibrary(WindowHandle hFrame, unsigned id, std::intptr_t param);
