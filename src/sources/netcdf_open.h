// Reading a NetCDF file into a new table window: the library, the file's
// catalogue, the option dialogs, the read and the overflow report.
#pragma once

#include <string_view>

#include "platform/window.h"
#include "sources/netcdf_catalogue.h"

// Read the file at `path` into the table window `hwnd` (open mode 6). 0
// when values were read; -1 when the file could not be read or the user
// cancelled.
int NetcdfOpen(WindowHandle hwnd, std::string_view path);

// True for a path that names a network address rather than a local file.
bool NetcdfPathIsAddress(std::string_view path);

// How long the library may take to open a file and list it before the file
// counts as unreadable (the first look runs in a child process).
void NetcdfSetOpenGuardTime(int milliseconds);

// Open the file at `path` through the library (loading the system's when
// none is) and read its catalogue. The library, with the file open in
// *fileId for the caller to close; null after reporting why not.
const NetcdfApi* NetcdfOpenCatalogue(std::string_view path, int* fileId, NetcdfCatalogue* catalogue);

// Make sure a library is loaded: the system's by its soname when none was
// chosen. 0 when one is; -1 after telling the user.
int NetcdfEnsureLibrary();

// Let the table's file opening read NetCDF files (at start-up).
void NetcdfInstallReader();
