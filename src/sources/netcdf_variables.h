// Reading named variables of a NetCDF file without the dialogs (the
// command line): each variable at the level of its own dimension count, in
// the flat layout with every record.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/window.h"
#include "sources/netcdf_choice.h"

// Choose the named variables in a fresh choice: a variable over (T, Y, X)
// in the lists of D1, D2 and D3, the levels' dimensions being its own. 0,
// or -1 after reporting a name that is not in the file, a variable without
// dimensions or of more than four, or variables whose outer dimensions
// differ.
int NetcdfChooseNamed(NetcdfChoiceModel& model, const std::vector<std::string>& names);

// Read the named variables of the file at `path` into the table window
// `hwnd`; what did not fit is reported and noted as cells beyond the table.
// 0, or -1 when nothing was read.
int NetcdfReadNamed(WindowHandle hwnd, std::string_view path, const std::vector<std::string>& names);

// Split "a,b,c" into names (empty parts dropped).
std::vector<std::string> NetcdfSplitNames(std::string_view list);
