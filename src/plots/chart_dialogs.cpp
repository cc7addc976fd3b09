#include "plots/chart_dialogs.h"

#include <utility>

#include "platform/message_box.h"
#include "platform/number_text.h"
#include "plots/chart_record.h"
#include "resources/string_table.h"
#include "table/cell_text.h"
#include "table/number_format.h"

namespace {

// A whole number text: a decimal number and nothing else after it.
bool ReadNumber(const std::string& text, double* value) {
  std::string trimmed = text;
  while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
  while (!trimmed.empty() && trimmed.front() == ' ') trimmed.erase(trimmed.begin());
  if (trimmed.empty() || CellIsText(trimmed) != 0) return false;
  bool ok = false;
  *value = TextToDoubleChecked(trimmed, &ok);
  return ok;
}

}  // namespace

std::string CutToCharacters(const std::string& text, int chars) {
  std::size_t at = 0;
  int count = 0;
  while (at < text.size() && count < chars) {
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (at + length > text.size()) break;
    at += length;
    ++count;
  }
  return text.substr(0, at);
}

int AskDrawingMode(WindowHandle owner, int mode) {
  ChartModeModel model;
  model.iMode = mode == DRAW_BY_ROW ? DRAW_BY_ROW : DRAW_BY_COLUMN;
  if (RunCustomDialog(owner, CHART_MODE_DIALOG, &model) != BUTTON_OK) return 0;
  return model.iMode == DRAW_BY_ROW ? DRAW_BY_ROW : DRAW_BY_COLUMN;
}

int AskYRange(WindowHandle owner, double* max, double* min) {
  ChartYRangeModel model;
  model.szMax = FormatNumber(*max);
  model.szMin = FormatNumber(*min);
  for (;;) {
    const int button = RunCustomDialog(owner, CHART_Y_RANGE_DIALOG, &model);
    if (button == CHART_BUTTON_AUTOMATIC) return 2;
    if (button != BUTTON_OK) return 1;
    double top = 0.0;
    double bottom = 0.0;
    if (ReadNumber(model.szMax, &top) && ReadNumber(model.szMin, &bottom)) {
      if (top < bottom) std::swap(top, bottom);
      *max = top;
      *min = bottom;
      return 0;
    }
    ShowMessage(Text(TXT_CAPTION_MESSAGE), Text(TXT_CHART_Y_NOT_NUMBERS));
  }
}

int AskXUnit(WindowHandle owner, double smallest, double minDifference, int* mode, double* unit) {
  ChartXUnitModel model;
  model.iMode = *mode;
  model.szValue = FormatNumber(*unit);
  model.dSmallest = smallest;
  model.dMinDifference = minDifference;
  model.bMinDifferenceAllowed = smallest <= minDifference;
  for (;;) {
    if (RunCustomDialog(owner, CHART_X_UNIT_DIALOG, &model) != BUTTON_OK) return 1;
    if (model.iMode == X_UNIT_AUTO || (model.iMode == X_UNIT_MIN_DIFFERENCE && model.bMinDifferenceAllowed)) {
      *mode = model.iMode;
      return 0;
    }
    double value = 0.0;
    if (ReadNumber(model.szValue, &value) && value >= smallest && value > 0) {
      *mode = X_UNIT_CUSTOM;
      *unit = value;
      return 0;
    }
    ShowMessage(Text(TXT_CHART_SMALLEST_CAPTION), std::string(Text(TXT_CHART_SMALLEST_UNIT)) + FormatNumber(smallest));
  }
}

int AskSmoothing(WindowHandle owner, std::string* choice) {
  ChartAdjustModel model;
  model.szChoice = *choice;
  if (RunCustomDialog(owner, CHART_ADJUST_DIALOG, &model) != BUTTON_OK) return 1;
  *choice = model.szChoice;
  return 0;
}

int AskNote(WindowHandle owner, std::string* text) {
  ChartNoteModel model;
  model.szText = CutToCharacters(*text, CHART_NOTE_CHARS);
  const int button = RunCustomDialog(owner, CHART_NOTE_DIALOG, &model);
  if (button == BUTTON_OK) *text = CutToCharacters(model.szText, CHART_NOTE_CHARS);
  return button == BUTTON_OK || button == CHART_BUTTON_DELETE ? button : BUTTON_CANCEL;
}
