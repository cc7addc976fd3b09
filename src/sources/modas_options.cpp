#include "sources/modas_options.h"

#include <algorithm>

#include "platform/message_box.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "sources/source_lines.h"

namespace {

constexpr std::array<std::string_view, MODAS_DEPTHS> kDepths = {
    "0",    "5",    "10",   "15",   "20",   "25",   "30",   "35",   "50",   "75",   "100",  "125",  "150",
    "175",  "200",  "250",  "300",  "350",  "400",  "450",  "500",  "600",  "700",  "800",  "900",  "1000",
    "1100", "1200", "1300", "1400", "1500", "1600", "1700", "1750", "1800", "1900", "2000", "2500", "3000",
    "3500", "4000", "4500", "5000", "5500", "6000", "6500", "7000", "7500", "8000", "8500", "9000", "*"};

constexpr int kAllDepths = MODAS_DEPTHS - 1;

// Whether the chosen depths leave the surface alone: none, or only "0".
bool SurfaceOnly(const std::vector<int>& depths) {
  return depths.empty() || (depths.size() == 1 && depths[0] == 0);
}

}  // namespace

std::string_view ModasDepthEntry(int index) {
  return index >= 0 && index < MODAS_DEPTHS ? kDepths[static_cast<std::size_t>(index)] : std::string_view();
}

std::string_view ModasItemName(int item) {
  return item >= 1 && item <= MODAS_ITEMS ? TextLine(Text(TXT_MODAS_ITEMS), item - 1) : std::string_view();
}

void ModasRefillItems(ModasDialogModel& model) {
  model.offered.clear();
  const int last = SurfaceOnly(model.depths) ? MODAS_SEA_HEIGHT : MODAS_SEA_HEIGHT - 1;
  for (int item = 1; item <= last; ++item) model.offered.push_back(item);
  std::erase_if(model.items, [last](int item) { return item < 1 || item > last; });
}

int ModasDialogAccept(const ModasDialogModel& model) {
  if (model.iPositionMode != MODAS_POSITION_AREA && model.iPositionMode != MODAS_POSITION_BOTH) return 0;
  double value = 0.0;
  if (model.szArea[0].empty() || model.szArea[2].empty()) {
    ShowMessage(Text(TXT_CAPTION_ERROR_SHORT), Text(TXT_MODAS_NO_LONGITUDE));
    return -1;
  }
  if (model.szArea[1].empty() || model.szArea[3].empty()) {
    ShowMessage(Text(TXT_CAPTION_ERROR_SHORT), Text(TXT_MODAS_NO_LATITUDE));
    return -1;
  }
  for (const std::string& box : model.szArea) {
    if (box.size() >= MODAS_TEXT_BYTES || !ReadWholeNumber(box, &value)) {
      ShowMessage(Text(TXT_CAPTION_ERROR_SHORT), Text(TXT_MODAS_BAD_AREA));
      return -1;
    }
  }
  return 0;
}

ModasOptions ModasOptionsFromModel(const ModasDialogModel& model) {
  ModasOptions options;
  options.iPositionMode = std::clamp(model.iPositionMode, 1, 3);
  for (std::size_t i = 0; i < 4; ++i) CopyText(options.szArea[i], model.szArea[i]);
  std::vector<int> depths;
  for (const int d : model.depths) {
    if (d >= 0 && d < MODAS_DEPTHS) depths.push_back(d);
  }
  std::sort(depths.begin(), depths.end());
  depths.erase(std::unique(depths.begin(), depths.end()), depths.end());
  if (depths.empty()) depths.push_back(0);  // none chosen: the surface
  for (const int d : depths) CopyText(options.szDepths[static_cast<std::size_t>(options.nDepths++)], kDepths[static_cast<std::size_t>(d)]);
  if (std::find(depths.begin(), depths.end(), kAllDepths) != depths.end()) {
    options.iDepthMode = MODAS_DEPTH_ALL;
  } else if (depths.size() == 1) {
    options.iDepthMode = MODAS_DEPTH_ONE;
  } else if (depths.size() == 2) {
    options.iDepthMode = MODAS_DEPTH_RANGE;
  } else {
    options.iDepthMode = MODAS_DEPTH_SET;
  }
  const int last = SurfaceOnly(depths) ? MODAS_SEA_HEIGHT : MODAS_SEA_HEIGHT - 1;
  std::vector<int> items;
  for (const int item : model.items) {
    if (item >= 1 && item <= last && std::find(items.begin(), items.end(), item) == items.end()) items.push_back(item);
  }
  std::sort(items.begin(), items.end());
  for (const int item : items) {
    if (options.nItems < MODAS_CHOSEN_ITEMS) options.items[static_cast<std::size_t>(options.nItems++)] = item;
  }
  return options;
}

int ModasDialogRun(WindowHandle owner, ModasOptions* options) {
  ModasDialogModel model;
  ModasRefillItems(model);
  while (RunCustomDialog(owner, MODAS_DIALOG, &model) == BUTTON_OK) {
    if (ModasDialogAccept(model) != 0) continue;
    *options = ModasOptionsFromModel(model);
    return 0;
  }
  return -1;
}
