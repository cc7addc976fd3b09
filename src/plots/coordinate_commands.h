// The table commands of the coordinate declarations: "Declare as X / Y / Z
// coordinate", "Set relevant data for coordinate" with its Cancel, "Remove
// Coordinate", the right-button menu of a pending declaration and the
// "Get coordinate" help dialog.
#pragma once

#include <cstdint>
#include <string>

#include "platform/dialogs.h"
#include "platform/popup_menu.h"
#include "platform/window.h"

inline constexpr const char* COORDINATE_HELP_DIALOG_NAME = "Get coordinate";

// The help dialog: the kind declared, and whether "Do not show this
// message again" is ticked (shown unticked).
class CoordinateHelpModel final : public DialogModel {
 public:
  int iKind = 0;
  bool bDontShow = false;
};

// " X ", " Y " or " Z " for a kind.
const char* CoordinateAxisText(int kind);
// The help dialog's title and text for a kind, in the current language.
std::string CoordinateHelpTitle(int kind);
std::string CoordinateHelpText(int kind);

// 40212..40214: make the selection the pending declaration of X, Y or Z
// (nothing when it does not qualify), then show the help dialog unless the
// table turned it off; its Cancel drops the pending declaration.
int CmdDeclareCoordinate(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
// 40216: store the pending declaration for the selected ranges; 40217:
// drop it. Both repaint the table.
int CmdCoordinateData(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
int CmdCoordinateCancel(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
// 40215: free the declarations that contain the selected range.
int CmdRemoveCoordinate(WindowHandle hwnd, unsigned id, std::intptr_t lParam);

// The menu a right-button release opens while a declaration is pending
// (TABLE_GET_DATA_FOR_COORDINATE).
PopupMenuList CoordinateDataMenu(int kind);

// The table's right-button release while a declaration is pending and the
// selection is more than one cell: the menu above, its choice sent to the
// table. 1 when it took the release, else 0.
int CoordinatePick(WindowHandle hwnd, int x, int y);

// The table's cursor: the coordinate cursor while the data cells of a
// pending declaration are being picked, else -1 (the table's own).
int CoordinatePointerSlot(WindowHandle hwnd);

// Set the table hooks of the pending-declaration menu and cursor.
void InstallCoordinateHooks();
