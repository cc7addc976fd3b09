#include "platform/library.h"

#include <dlfcn.h>

struct LoadedLibrary {
  void* handle;
};

LoadedLibrary* LibraryLoad(std::string_view path, std::string* error) {
  const std::string name(path);
  void* handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    if (error) {
      const char* reason = dlerror();
      *error = reason ? reason : "cannot load library";
    }
    return nullptr;
  }
  return new LoadedLibrary{handle};
}

void* LibrarySymbol(LoadedLibrary* library, std::string_view name) {
  if (!library) return nullptr;
  const std::string symbol(name);
  return dlsym(library->handle, symbol.c_str());
}

void LibraryFree(LoadedLibrary* library) {
  if (!library) return;
  dlclose(library->handle);
  delete library;
}
