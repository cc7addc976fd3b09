// The loaded plug-in library: its ten entry points, its file name and the
// capacity it announced. One plug-in is loaded at a time; it stays loaded
// until another one replaces it or a load fails.
#pragma once

#include <cartovel_plugin.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/window.h"

struct PluginApi {
  CartovelCallFn CallDLLFunction = nullptr;
  CartovelCapabilityFn GetDLLBufCapability = nullptr;
  CartovelDescriptionFn GetDLLDescription = nullptr;
  CartovelMenuItemsFn GetDLLMenuItems = nullptr;
  CartovelResultSizeFn GetResultAvailableFromDLL = nullptr;
  CartovelResultDataFn GetResultDataFromDLLBuff = nullptr;
  CartovelInitializeFn InitializeDLLMenuItems = nullptr;
  CartovelSendDataFn SendDataToDllBuff = nullptr;
  CartovelSelectItemFn SetSelectedDLLMenuItem = nullptr;
  CartovelResultRoomFn SetSpreadsheetCapabilityForResult = nullptr;
};

// Names of the entry points in lookup order (PLUGIN_ENTRY_COUNT of them).
inline constexpr int PLUGIN_ENTRY_COUNT = 10;
std::string_view PluginEntryName(int index);

// What the plug-in announced at load: most ranges, and the bounds on the
// rows and columns of one range.
struct PluginCapacity {
  std::int32_t iRanges = 0;
  std::int32_t iRows = 0;
  std::int32_t iCols = 0;
};

// The entry points of the loaded plug-in, or null when none is loaded.
const PluginApi* PluginLoaded();
// The loaded plug-in's file name without folder (at most 99 bytes).
std::string_view PluginFileName();
PluginCapacity PluginCapacityOf();

// The remembered index in the "Decimal places" list (0..10).
int PluginDecimalsChoice();
void PluginSetDecimalsChoice(int choice);

// Load the library at `path`, look up all ten entry points, and only then
// let go of the plug-in loaded before; initialise it in the current
// language and ask for its capacity. 0 when loaded; -1 after reporting the
// failure (no library: the loader's reason on a second line; a missing
// entry point: its name), and no plug-in is loaded afterwards.
int PluginLoadFile(std::string_view path);

// Forget the loaded plug-in and unload it (tests, and a failed load).
void PluginUnload();

// Ask for a library file and load it ("Open plug-in"). 0 when loaded.
int PluginLoad(WindowHandle hFrame);
