#include "sources/netcdf_library.h"

#include <sys/stat.h>

#include "platform/dialogs.h"
#include "platform/library.h"
#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"

namespace {

constexpr LibraryEntry<NetcdfApi> kEntries[NETCDF_ENTRY_COUNT] = {
    {"nc_open", LibraryAssignEntry<&NetcdfApi::nc_open>},
    {"nc_close", LibraryAssignEntry<&NetcdfApi::nc_close>},
    {"nc_inq", LibraryAssignEntry<&NetcdfApi::nc_inq>},
    {"nc_inq_ndims", LibraryAssignEntry<&NetcdfApi::nc_inq_ndims>},
    {"nc_inq_nvars", LibraryAssignEntry<&NetcdfApi::nc_inq_nvars>},
    {"nc_inq_natts", LibraryAssignEntry<&NetcdfApi::nc_inq_natts>},
    {"nc_inq_unlimdim", LibraryAssignEntry<&NetcdfApi::nc_inq_unlimdim>},
    {"nc_inq_dim", LibraryAssignEntry<&NetcdfApi::nc_inq_dim>},
    {"nc_inq_dimid", LibraryAssignEntry<&NetcdfApi::nc_inq_dimid>},
    {"nc_inq_var", LibraryAssignEntry<&NetcdfApi::nc_inq_var>},
    {"nc_inq_varid", LibraryAssignEntry<&NetcdfApi::nc_inq_varid>},
    {"nc_get_var1_text", LibraryAssignEntry<&NetcdfApi::nc_get_var1_text>},
    {"nc_get_var1_uchar", LibraryAssignEntry<&NetcdfApi::nc_get_var1_uchar>},
    {"nc_get_var1_schar", LibraryAssignEntry<&NetcdfApi::nc_get_var1_schar>},
    {"nc_get_var1_short", LibraryAssignEntry<&NetcdfApi::nc_get_var1_short>},
    {"nc_get_var1_int", LibraryAssignEntry<&NetcdfApi::nc_get_var1_int>},
    {"nc_get_var1_long", LibraryAssignEntry<&NetcdfApi::nc_get_var1_long>},
    {"nc_get_var1_float", LibraryAssignEntry<&NetcdfApi::nc_get_var1_float>},
    {"nc_get_var1_double", LibraryAssignEntry<&NetcdfApi::nc_get_var1_double>},
    {"nc_inq_attname", LibraryAssignEntry<&NetcdfApi::nc_inq_attname>},
    {"nc_get_att_text", LibraryAssignEntry<&NetcdfApi::nc_get_att_text>},
    {"nc_inq_attlen", LibraryAssignEntry<&NetcdfApi::nc_inq_attlen>},
    {"nc_inq_atttype", LibraryAssignEntry<&NetcdfApi::nc_inq_atttype>},
    {"nc_get_att_double", LibraryAssignEntry<&NetcdfApi::nc_get_att_double>},
    {"nc_get_vara_double", LibraryAssignEntry<&NetcdfApi::nc_get_vara_double>},
    {"nc_get_vara_text", LibraryAssignEntry<&NetcdfApi::nc_get_vara_text>},
};

// The program's binding and the library it came from (kept loaded for the
// rest of the run once loaded).
struct Binding {
  NetcdfApi api;
  const NetcdfApi* pInUse = nullptr;
  LoadedLibrary* pLibrary = nullptr;
};

Binding& TheBinding() {
  static Binding binding;
  return binding;
}

// Make a loaded library with all its entry points the program's binding.
void AdoptLibrary(LoadedLibrary* library, const NetcdfApi& api) {
  Binding& binding = TheBinding();
  LoadedLibrary* previous = binding.pLibrary;
  binding.api = api;
  binding.pLibrary = library;
  binding.pInUse = &binding.api;
  if (previous && previous != library) LibraryFree(previous);
}

// Load a library by path or soname; the loaded library with its entry
// points, or null with the index of the first missing name (-1: the library
// itself could not be loaded).
LoadedLibrary* LoadWithEntries(std::string_view path, NetcdfApi& api, int* missing) {
  *missing = -1;
  std::string reason;
  LoadedLibrary* library = LibraryLoad(path, &reason);
  if (!library) return nullptr;
  *missing = LibraryResolveEntries(library, kEntries, api);
  if (*missing >= 0) {
    LibraryFree(library);
    return nullptr;
  }
  return library;
}

// The folder the library dialog starts in: the system's library folder.
std::string SystemLibraryFolder() {
  static const char* const kFolders[] = {"/usr/lib/x86_64-linux-gnu", "/usr/lib/aarch64-linux-gnu", "/usr/lib64",
                                         "/usr/lib"};
  for (const char* folder : kFolders) {
    struct stat info {};
    if (stat(folder, &info) == 0 && S_ISDIR(info.st_mode)) return folder;
  }
  return "/";
}

}  // namespace

std::string_view NetcdfEntryName(int index) {
  if (index < 0 || index >= NETCDF_ENTRY_COUNT) return {};
  return kEntries[index].szName;
}

const NetcdfApi* NetcdfLibrary() { return TheBinding().pInUse; }

int NetcdfLoadLibraryFile(std::string_view path) {
  NetcdfApi api;
  int missing = -1;
  LoadedLibrary* library = LoadWithEntries(path, api, &missing);
  if (!library) {
    if (missing < 0) {
      ReportNotice(Text(TXT_CAPTION_MESSAGE), Text(TXT_NC_LOAD_FAILED));
    } else {
      ReportNotice(Text(TXT_NC_CAPTION_ERROR_MESSAGE),
                   JoinText(Text(TXT_NC_MISSING_ENTRY), kEntries[missing].szName, "()"));
    }
    return -1;
  }
  AdoptLibrary(library, api);
  return 0;
}

int NetcdfLoadSystemLibrary() {
  if (NetcdfLibrary()) return 0;
  static const char* const kSonames[] = {"libnetcdf.so.19", "libnetcdf.so"};
  for (const char* soname : kSonames) {
    NetcdfApi api;
    int missing = -1;
    LoadedLibrary* library = LoadWithEntries(soname, api, &missing);
    if (library) {
      AdoptLibrary(library, api);
      return 0;
    }
  }
  return -1;
}

void NetcdfUseApi(const NetcdfApi* api) {
  Binding& binding = TheBinding();
  if (api) {
    binding.api = *api;
    binding.pInUse = &binding.api;
  } else {
    binding.pInUse = nullptr;
  }
}

int NetcdfLoadLibrary(WindowHandle hFrame) {
  DialogRequest request;
  request.kind = DIALOG_OPEN_FILE;
  request.hOwner = hFrame;
  request.filters.push_back(FileFilter{Text(TXT_NC_LIBRARY_FILTER), "*.so;*.so.*"});
  request.szStartDir = SystemLibraryFolder();
  request.bMustExist = true;
  if (RunDialog(request) != BUTTON_OK || request.szPath.empty()) {
    ReportNotice(Text(TXT_CAPTION_MESSAGE), Text(TXT_NC_NO_LIBRARY_FILE));
    return -1;
  }
  return NetcdfLoadLibraryFile(request.szPath);
}

int CmdOpenNetcdfLibrary(WindowHandle hFrame, unsigned, std::intptr_t) {
  NetcdfLoadLibrary(hFrame);
  return 0;
}
