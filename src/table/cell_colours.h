// The cell presentation commands: border and background colours, clearing
// them, the "Border line" and "Display style" dialogs. Each works on every
// range of the selection, leaves the header row and column alone, resets
// the selection and repaints.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "platform/dialogs.h"
#include "platform/window.h"
#include "table/table_record.h"

// The colours and border code the commands apply, one store for the whole
// program (the formula bar's two swatches show it).
struct CellColourSettings {
  int iBorderCode = 0;                  // 1 left, 2 top, 4 right, 8 bottom
  std::array<int, 3> borderRgb{0, 0, 0};
  std::array<int, 3> fillRgb{0, 0, 0};
};
CellColourSettings& CellColours();

// What a colour command does to each cell.
enum CellColourCommand : int {
  COLOUR_BORDER,            // "Border color": the border colour (and code where none)
  COLOUR_BORDER_FROM_LINE,  // after the "Border line" dialog: code and colour
  COLOUR_BACKGROUND,        // "Background color"
  COLOUR_CLEAR_BORDER,
  COLOUR_CLEAR_BACKGROUND,
};

// Call `visit` for every cell of every selected range (whole rows and
// columns over the used extent), header cells excluded.
void ForEachSelectedCell(TableDocument& t, const std::function<void(TableCell&)>& visit);

// The border code, border colour or fill colour all selected cells share;
// 0 when they differ.
int CommonBorderCode(TableDocument& t);
int CommonColour(TableDocument& t, bool border);

// Apply a colour command with colour `rgb` (0xRRGGBB) to the selected
// cells and mark the table modified.
void ApplyCellColour(TableDocument& t, CellColourCommand command, int rgb);

// The display style code of the dialog's choices: 33 by default, else the
// weight (1 regular, 2 bold) and the alignment (0 left, 1 centre, 2 right)
// as two digits.
int DisplayStyleCode(bool byDefault, int weight, int alignment);

class BorderLineModel final : public DialogModel {
 public:
  bool bTop = false;
  bool bBottom = false;
  bool bLeft = false;
  bool bRight = false;
};

class DisplayStyleModel final : public DialogModel {
 public:
  bool bDefault = false;
  int iWeight = 0;     // 1 regular, 2 bold, 0 none chosen
  int iAlignment = -1; // 0 left, 1 centre, 2 right, -1 none chosen
};

inline constexpr const char* BORDER_LINE_DIALOG_NAME = "Border line";
inline constexpr const char* DISPLAY_STYLE_DIALOG_NAME = "Display style";

// The table window commands.
int CmdBorderColour(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
int CmdBackgroundColour(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
int CmdClearBorder(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
int CmdClearBackground(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
int CmdBorderLine(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
int CmdDisplayStyle(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
