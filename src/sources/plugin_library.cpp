#include "sources/plugin_library.h"

#include <algorithm>

#include "platform/dialogs.h"
#include "platform/library.h"
#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "resources/language.h"
#include "resources/string_table.h"

namespace {

constexpr LibraryEntry<PluginApi> kEntries[PLUGIN_ENTRY_COUNT] = {
    {"CallDLLFunction", LibraryAssignEntry<&PluginApi::CallDLLFunction>},
    {"GetDLLBufCapability", LibraryAssignEntry<&PluginApi::GetDLLBufCapability>},
    {"GetDLLDescription", LibraryAssignEntry<&PluginApi::GetDLLDescription>},
    {"GetDLLMenuItems", LibraryAssignEntry<&PluginApi::GetDLLMenuItems>},
    {"GetResultAvailableFromDLL", LibraryAssignEntry<&PluginApi::GetResultAvailableFromDLL>},
    {"GetResultDataFromDLLBuff", LibraryAssignEntry<&PluginApi::GetResultDataFromDLLBuff>},
    {"InitializeDLLMenuItems", LibraryAssignEntry<&PluginApi::InitializeDLLMenuItems>},
    {"SendDataToDllBuff", LibraryAssignEntry<&PluginApi::SendDataToDllBuff>},
    {"SetSelectedDLLMenuItem", LibraryAssignEntry<&PluginApi::SetSelectedDLLMenuItem>},
    {"SetSpreadsheetCapabilityForResult", LibraryAssignEntry<&PluginApi::SetSpreadsheetCapabilityForResult>},
};

// The program's plug-in: the library, its entry points while loaded, what
// it announced, and the dialog's remembered decimal places.
struct Binding {
  LoadedLibrary* pLibrary = nullptr;
  PluginApi api;
  std::array<char, 100> szFileName{};
  PluginCapacity capacity;
  int iDecimalsChoice = 0;
};

Binding& TheBinding() {
  static Binding binding;
  return binding;
}

// The file name part of a path.
std::string_view FileNamePart(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Make a library with all its entry points the binding, then let go of the
// one it replaces.
void AdoptLibrary(LoadedLibrary* library, const PluginApi& api, std::string_view path) {
  Binding& binding = TheBinding();
  LoadedLibrary* previous = binding.pLibrary;
  binding.pLibrary = library;
  binding.api = api;
  CopyText(binding.szFileName, FileNamePart(path));
  binding.capacity = PluginCapacity{};
  if (previous) LibraryFree(previous);
}

}  // namespace

std::string_view PluginEntryName(int index) {
  if (index < 0 || index >= PLUGIN_ENTRY_COUNT) return {};
  return kEntries[index].szName;
}

const PluginApi* PluginLoaded() { return TheBinding().pLibrary ? &TheBinding().api : nullptr; }

std::string_view PluginFileName() { return TextOf(TheBinding().szFileName); }

PluginCapacity PluginCapacityOf() { return TheBinding().capacity; }

int PluginDecimalsChoice() { return TheBinding().iDecimalsChoice; }

void PluginSetDecimalsChoice(int choice) { TheBinding().iDecimalsChoice = std::clamp(choice, 0, 10); }

void PluginUnload() {
  Binding& binding = TheBinding();
  LoadedLibrary* library = binding.pLibrary;
  binding.pLibrary = nullptr;
  binding.api = PluginApi{};
  ClearText(binding.szFileName);
  binding.capacity = PluginCapacity{};
  if (library) LibraryFree(library);
}

int PluginLoadFile(std::string_view path) {
  std::string reason;
  LoadedLibrary* library = LibraryLoad(path, &reason);
  if (!library) {
    PluginUnload();
    ReportNotice(Text(TXT_CAPTION_MESSAGE), JoinText(Text(TXT_PLUGIN_LOAD_FAILED), "\n", reason));
    return -1;
  }
  PluginApi api;
  const int missing = LibraryResolveEntries(library, kEntries, api);
  if (missing >= 0) {
    LibraryFree(library);
    PluginUnload();
    ReportNotice(Text(TXT_PLUGIN_CAPTION_ERROR_MESSAGE),
                 JoinText(Text(TXT_PLUGIN_MISSING_ENTRY), kEntries[missing].szName, "()"));
    return -1;
  }
  AdoptLibrary(library, api, path);
  api.InitializeDLLMenuItems(LanguageIsChinese() ? 1 : 0);
  PluginCapacity capacity;
  api.GetDLLBufCapability(&capacity.iRanges, &capacity.iRows, &capacity.iCols);
  TheBinding().capacity = capacity;
  return 0;
}

int PluginLoad(WindowHandle hFrame) {
  DialogRequest request;
  request.kind = DIALOG_OPEN_FILE;
  request.hOwner = hFrame;
  request.filters.push_back(FileFilter{Text(TXT_PLUGIN_FILTER), "*.so;*.so.*"});
  request.bMustExist = true;
  if (RunDialog(request) != BUTTON_OK || request.szPath.empty()) {
    ReportNotice(Text(TXT_CAPTION_MESSAGE), Text(TXT_PLUGIN_NO_FILE));
    return -1;
  }
  return PluginLoadFile(request.szPath);
}
