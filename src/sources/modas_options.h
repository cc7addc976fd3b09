// What a MODAS import reads: the stations' position filter, the depths and
// the data items, chosen in the "Ocean MODAS data" dialog.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs.h"
#include "platform/window.h"

inline constexpr const char* MODAS_DIALOG = "Ocean MODAS data";

inline constexpr int MODAS_DEPTHS = 52;       // entries of the depth list, "*" last
inline constexpr int MODAS_ITEMS = 7;         // entries of the data list
inline constexpr int MODAS_CHOSEN_ITEMS = 20;
inline constexpr int MODAS_TEXT_BYTES = 10;   // a field of nine characters and its end
inline constexpr int MODAS_SEA_HEIGHT = 7;    // the item offered only at the surface

// Position modes: whole-degree stations, stations inside an area, or both.
enum ModasPositionMode : int {
  MODAS_POSITION_INTEGER = 1,
  MODAS_POSITION_AREA = 2,
  MODAS_POSITION_BOTH = 3,
};

// Depth modes: one depth, a range between two, a set, or every depth.
enum ModasDepthMode : int {
  MODAS_DEPTH_ONE = 1,
  MODAS_DEPTH_RANGE = 2,
  MODAS_DEPTH_SET = 3,
  MODAS_DEPTH_ALL = 4,
};

using ModasText = std::array<char, MODAS_TEXT_BYTES>;

// The options of one MODAS import.
struct ModasOptions {
  int iPositionMode = MODAS_POSITION_INTEGER;
  // First longitude, first latitude, second longitude, second latitude.
  std::array<ModasText, 4> szArea{};
  int iDepthMode = MODAS_DEPTH_ONE;
  int nDepths = 0;
  std::array<ModasText, MODAS_DEPTHS> szDepths{};
  int nItems = 0;
  std::array<int, MODAS_CHOSEN_ITEMS> items{};  // item k is field k + 1 of a depth line
};

// The text of entry `index` of the depth list ("0" .. "9000", "*").
std::string_view ModasDepthEntry(int index);
// The name of data item `item` (1 .. MODAS_ITEMS).
std::string_view ModasItemName(int item);

// The state of the "Ocean MODAS data" dialog.
class ModasDialogModel final : public DialogModel {
 public:
  int iPositionMode = MODAS_POSITION_INTEGER;
  std::array<std::string, 4> szArea;   // the four boxes, in ModasOptions order
  std::vector<int> depths{0};          // chosen depth list entries
  std::vector<int> offered;            // items the data list offers (1 ..)
  std::vector<int> items;              // chosen items, a subset of `offered`
};

// Refill the data list after the depth choice changed: the sea surface
// height only when no depth or only depth "0" is chosen; chosen items no
// longer offered are let go.
void ModasRefillItems(ModasDialogModel& model);

// OK of the dialog: 0 when the choice can be read; -1 after telling what
// is missing (an area mode needs both longitudes and both latitudes, as
// numbers).
int ModasDialogAccept(const ModasDialogModel& model);

// The options a closed dialog stands for.
ModasOptions ModasOptionsFromModel(const ModasDialogModel& model);

// Show the dialog until it is accepted. 0 with *options set, -1 when cancelled.
int ModasDialogRun(WindowHandle owner, ModasOptions* options);
