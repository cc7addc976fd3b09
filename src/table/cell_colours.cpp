#include "table/cell_colours.h"

#include <algorithm>

#include "platform/colour_dialog.h"
#include "platform/message_box.h"
#include "resources/string_table.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_range.h"
#include "table/table_window.h"

namespace {

// A cell's border or fill colour as 0xRRGGBB.
int BorderRgbOf(const TableCell& cell) { return PackRgb(cell.iBorderRed, cell.iBorderGreen, cell.iBorderBlue); }
int FillRgbOf(const TableCell& cell) { return PackRgb(cell.iFillRed, cell.iFillGreen, cell.iFillBlue); }

// The value all selected cells share, 0 when they differ.
int Common(TableDocument& t, int (*of)(const TableCell&)) {
  bool first = true;
  int shared = 0;
  ForEachSelectedCell(t, [&](TableCell& cell) {
    const int value = of(cell);
    if (first) shared = value;
    else if (value != shared) shared = 0;
    first = false;
  });
  return shared;
}

// Run a colour command on a table window: change, reset the selection,
// repaint.
int RunColourCommand(WindowHandle hwnd, CellColourCommand command, int rgb) {
  {
    TableLockGuard t(hwnd);
    if (!t) return 0;
    ApplyCellColour(*t.get(), command, rgb);
    ResetSelection(*t.get());
  }
  TableRepaint(hwnd);
  return 0;
}

// The colour dialog for the border or the background, starting from the
// colour the selected cells share; the chosen colour is remembered.
int ChooseAndApply(WindowHandle hwnd, bool border) {
  int rgb = 0;
  {
    TableLockGuard t(hwnd);
    if (!t) return 0;
    rgb = CommonColour(*t.get(), border);
  }
  if (ChooseColour(hwnd, &rgb) != 0) return 0;
  std::array<int, 3>& store = border ? CellColours().borderRgb : CellColours().fillRgb;
  store = {RedOf(rgb), GreenOf(rgb), BlueOf(rgb)};
  return RunColourCommand(hwnd, border ? COLOUR_BORDER : COLOUR_BACKGROUND, rgb);
}

}  // namespace

CellColourSettings& CellColours() {
  static CellColourSettings settings;
  return settings;
}

void ForEachSelectedCell(TableDocument& t, const std::function<void(TableCell&)>& visit) {
  const int last = std::clamp(t.iSelCurrent, 0, SELECTION_RANGES - 1);
  for (int i = 0; i <= last; ++i) {
    TableRange range{};
    if (TableGetRange(t, i, RANGES_SELECTION, &range) != 0) continue;
    for (int row = std::max(range.iRowFrom, 1); row <= std::min(range.iRowTo, t.iRows - 1); ++row) {
      for (int col = std::max(range.iColFrom, 1); col <= std::min(range.iColTo, t.iCols - 1); ++col) {
        if (TableCell* cell = TableCellAt(t, row, col)) visit(*cell);
      }
    }
  }
}

int CommonBorderCode(TableDocument& t) {
  return Common(t, [](const TableCell& cell) { return static_cast<int>(cell.iBorderStyle); });
}

int CommonColour(TableDocument& t, bool border) { return Common(t, border ? BorderRgbOf : FillRgbOf); }

void ApplyCellColour(TableDocument& t, CellColourCommand command, int rgb) {
  const int code = CellColours().iBorderCode;
  ForEachSelectedCell(t, [&](TableCell& cell) {
    switch (command) {
      case COLOUR_BORDER:
      case COLOUR_BORDER_FROM_LINE:
        // The border code goes to cells without a border, or to all after
        // the "Border line" dialog; the colour to every cell.
        if (command == COLOUR_BORDER_FROM_LINE || cell.iBorderStyle == 0) {
          cell.iBorderStyle = static_cast<std::int16_t>(code);
        }
        cell.iBorderRed = static_cast<std::int16_t>(RedOf(rgb));
        cell.iBorderGreen = static_cast<std::int16_t>(GreenOf(rgb));
        cell.iBorderBlue = static_cast<std::int16_t>(BlueOf(rgb));
        break;
      case COLOUR_BACKGROUND:
        cell.iFillOn = 1;
        cell.iFillRed = static_cast<std::int16_t>(RedOf(rgb));
        cell.iFillGreen = static_cast<std::int16_t>(GreenOf(rgb));
        cell.iFillBlue = static_cast<std::int16_t>(BlueOf(rgb));
        break;
      case COLOUR_CLEAR_BORDER: cell.iBorderStyle = 0; break;
      case COLOUR_CLEAR_BACKGROUND: cell.iFillOn = 0; break;
    }
  });
  // Borders and fills are saved with the table.
  t.bModified = 1;
}

int DisplayStyleCode(bool byDefault, int weight, int alignment) {
  return byDefault ? STYLE_AUTOMATIC : weight * 10 + alignment;
}

int CmdBorderColour(WindowHandle hwnd, unsigned, std::intptr_t) { return ChooseAndApply(hwnd, true); }

int CmdBackgroundColour(WindowHandle hwnd, unsigned, std::intptr_t) { return ChooseAndApply(hwnd, false); }

int CmdClearBorder(WindowHandle hwnd, unsigned, std::intptr_t) {
  return RunColourCommand(hwnd, COLOUR_CLEAR_BORDER, 0);
}

int CmdClearBackground(WindowHandle hwnd, unsigned, std::intptr_t) {
  return RunColourCommand(hwnd, COLOUR_CLEAR_BACKGROUND, 0);
}

int CmdBorderLine(WindowHandle hwnd, unsigned, std::intptr_t) {
  BorderLineModel model;
  {
    TableLockGuard t(hwnd);
    if (!t) return 0;
    const int code = CommonBorderCode(*t.get());
    model.bLeft = (code & 1) != 0;
    model.bTop = (code & 2) != 0;
    model.bRight = (code & 4) != 0;
    model.bBottom = (code & 8) != 0;
  }
  if (RunCustomDialog(hwnd, BORDER_LINE_DIALOG_NAME, &model) != BUTTON_OK) return 0;
  CellColourSettings& store = CellColours();
  store.iBorderCode = (model.bLeft ? 1 : 0) + (model.bTop ? 2 : 0) + (model.bRight ? 4 : 0) + (model.bBottom ? 8 : 0);
  const int rgb = PackRgb(store.borderRgb[0], store.borderRgb[1], store.borderRgb[2]);
  return RunColourCommand(hwnd, COLOUR_BORDER_FROM_LINE, rgb);
}

int CmdDisplayStyle(WindowHandle hwnd, unsigned, std::intptr_t) {
  DisplayStyleModel model;
  {
    TableLockGuard t(hwnd);
    if (!t) return 0;
    // The choices start from the first selected cell's style.
    bool first = true;
    ForEachSelectedCell(*t.get(), [&](TableCell& cell) {
      if (!first) return;
      first = false;
      const int style = CellStyle(cell);
      model.bDefault = style == STYLE_AUTOMATIC;
      if (!model.bDefault && style / 10 >= 1 && style / 10 <= 2 && style % 10 <= 2) {
        model.iWeight = style / 10;
        model.iAlignment = style % 10;
      }
    });
  }
  // Without a weight or an alignment the dialog asks again.
  for (;;) {
    if (RunCustomDialog(hwnd, DISPLAY_STYLE_DIALOG_NAME, &model) != BUTTON_OK) return 0;
    if (model.bDefault) break;
    if (model.iWeight < 1 || model.iWeight > 2) {
      ShowMessage(Text(TXT_CAPTION_MESSAGE), Text(TXT_DISPLAY_STYLE_NO_WEIGHT));
    } else if (model.iAlignment < 0 || model.iAlignment > 2) {
      ShowMessage(Text(TXT_CAPTION_MESSAGE), Text(TXT_DISPLAY_STYLE_NO_ALIGNMENT));
    } else {
      break;
    }
  }
  {
    TableLockGuard t(hwnd);
    if (!t) return 0;
    t->iPendingStyle = static_cast<std::int16_t>(DisplayStyleCode(model.bDefault, model.iWeight, model.iAlignment));
    if (t->iPendingStyle != 0) {
      const int style = t->iPendingStyle;
      ForEachSelectedCell(*t.get(), [style](TableCell& cell) { SetCellStyle(cell, style); });
      t->bModified = 1;
    }
    ResetSelection(*t.get());
  }
  TableRepaint(hwnd);
  return 0;
}
