// Libraries loaded at run time (the netCDF library, plug-ins).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

struct LoadedLibrary;

// Load a shared library; null on failure with the loader's reason in `error`.
LoadedLibrary* LibraryLoad(std::string_view path, std::string* error);
// Address of an exported symbol, or null.
void* LibrarySymbol(LoadedLibrary* library, std::string_view name);
void LibraryFree(LoadedLibrary* library);

// One entry point a library must export: its name, and how its address is
// stored into the caller's table of pointers (`Api`).
template <typename Api>
struct LibraryEntry {
  const char* szName;
  void (*pfnAssign)(Api&, void*);
};

// Store a looked-up address into the pointer member it belongs to.
template <auto Member, typename Api>
void LibraryAssignEntry(Api& api, void* symbol) {
  using Pointer = std::remove_reference_t<decltype(api.*Member)>;
  api.*Member = reinterpret_cast<Pointer>(symbol);
}

// Look up every entry point in order into `api`: the index of the first
// one missing, or -1 when all were found.
template <typename Api, std::size_t N>
int LibraryResolveEntries(LoadedLibrary* library, const LibraryEntry<Api> (&entries)[N], Api& api) {
  for (std::size_t i = 0; i < N; ++i) {
    void* symbol = LibrarySymbol(library, entries[i].szName);
    if (!symbol) return static_cast<int>(i);
    entries[i].pfnAssign(api, symbol);
  }
  return -1;
}
