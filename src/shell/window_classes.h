// The program's window classes, registered once at start-up.
#pragma once

#include "platform/window.h"

inline constexpr const char* CLASS_FRAME = "AccessG";
inline constexpr const char* CLASS_TABLE = "AccessTables";
inline constexpr const char* CLASS_CHART = "DrawDiagram";
inline constexpr const char* CLASS_PLOT_3D = "AccessThreeDimensional";
inline constexpr const char* CLASS_FORMULA_BAR = "ToolbarBase";
inline constexpr const char* CLASS_WELCOME = "BackgroundWindow";
inline constexpr const char* CLASS_PICTURE_STRIP = "Diagram";
inline constexpr const char* CLASS_DATA_IMAGE = "DataImage";
// Standard controls and the MDI client.
inline constexpr const char* CLASS_EDIT = "edit";
inline constexpr const char* CLASS_LIST = "combobox";
inline constexpr const char* CLASS_MDI_CLIENT = "MDICLIENT";

inline constexpr int ICON_PROGRAM = 150;
inline constexpr int MENU_FRAME = 100;

// The window procedure of each class. The plain procedures work without a
// display; the view layer replaces those of the classes it draws.
struct WindowClassProcs {
  WindowProc frame;
  WindowProc formulaBar;
  WindowProc chart;
  WindowProc table;
  WindowProc plot3D;
  WindowProc welcome;
  WindowProc pictureStrip;
  WindowProc dataImage;
  WindowProc edit;
  WindowProc list;
  WindowProc mdiClient;
};

WindowClassProcs PlainWindowClassProcs();

// Register every class with its attributes; -1 at the first failure (the
// classes registered before it stay).
int SetupWindowClasses(const WindowClassProcs& procs);
