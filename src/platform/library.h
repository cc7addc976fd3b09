// Libraries loaded at run time (the netCDF library, plug-ins).
#pragma once

#include <string>
#include <string_view>

struct LoadedLibrary;

// Load a shared library; null on failure with the loader's reason in `error`.
LoadedLibrary* LibraryLoad(std::string_view path, std::string* error);
// Address of an exported symbol, or null.
void* LibrarySymbol(LoadedLibrary* library, std::string_view name);
void LibraryFree(LoadedLibrary* library);
