// The dialogs of the 3D plot: "Control 3D visualization performance" (the
// block size) and "Select 3D options" (colouring, smoothing, lightness,
// background, grid, Z scale, centre mark, style).
#pragma once

#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "plots/plot3d_record.h"

inline constexpr const char* PLOT3D_PERFORMANCE_DIALOG = "Control 3D visualization performance";
inline constexpr const char* PLOT3D_OPTIONS_DIALOG = "Select 3D options";

class Plot3DPerformanceModel final : public DialogModel {
 public:
  int iRows = 20;  // 1..240
  int iCols = 20;
};

// The dialog's live texts: the size line, the rows and columns lines and
// the mode the size allows.
struct Plot3DPerformanceTexts {
  std::string szSize;
  std::string szRows;
  std::string szCols;
  std::string szMode;
};
Plot3DPerformanceTexts Plot3DPerformanceTextsFor(int rows, int cols);

// Ask for the block size starting from rows x cols (20 when above 240);
// true on OK with both stored clamped to 1..240.
bool Plot3DAskPerformance(WindowHandle owner, int* rows, int* cols);

class Plot3DOptionsModel final : public DialogModel {
 public:
  bool bCoordinateMode = false;
  bool bZDeclared = false;
  int iMinSide = 1;                  // min(rows, columns): limits the lists and the grid box
  int iColouring = 1193;             // 1192 surface colour, 1193 false colour, 1206 custom
  int iCustomRgb = 0xE4E4E4;
  std::string szColourSmooth = "0";  // choice of combo 1266, empty when none
  std::string szDataSmooth = "0";    // choice of combo 1198
  int iLightnessPos = 80;            // 0..160
  int iBackgroundRgb = 0xDFDFDF;
  bool bArtificial = true;
  bool bGrid = false;
  bool bAutoZ = false;
  bool bMarkCentre = true;
  int iStyle = PLOT3D_SURFACE;
  bool bDefault = false;             // "Default" pressed
  std::string szPrefix;              // axis label prefix for the Z scale group
};

// The choices of the two smoothing lists for a grid of min side m.
std::vector<std::string> Plot3DColourSmoothChoices(int m);
std::vector<std::string> Plot3DDataSmoothChoices(int m);

// Fill the model from a record, and store an OK'd model (or the defaults
// when "Default" was pressed). Storing returns -1 after reporting an empty
// smoothing choice, leaving the remaining options unchanged.
void Plot3DOptionsFromRecord(const Plot3DRecord& p, Plot3DOptionsModel& m);
int Plot3DOptionsToRecord(const Plot3DOptionsModel& m, Plot3DRecord& p);
void Plot3DDefaultOptions(Plot3DRecord& p);

// Run "Select 3D options" on a plot's record; true when it changed.
bool Plot3DAskOptions(WindowHandle owner, Plot3DRecord& p);
