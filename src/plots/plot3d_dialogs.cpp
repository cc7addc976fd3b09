#include "plots/plot3d_dialogs.h"

#include <algorithm>
#include <cstdlib>

#include "platform/colour_dialog.h"
#include "platform/message_box.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"

namespace {

// The first `keep` entries counted from the middle of a symmetric list of
// coefficients, by the grid's smaller side.
int SmoothReach(int m) {
  if (m > 10) return 11;
  if (m >= 9) return 9;
  if (m >= 7) return 7;
  if (m >= 5) return 5;
  if (m >= 3) return 3;
  return 0;
}

int PackOf(const Plot3DRgb& c) { return PackRgb(c.r, c.g, c.b); }
Plot3DRgb RgbOf(int packed) { return {RedOf(packed), GreenOf(packed), BlueOf(packed)}; }

}  // namespace

Plot3DPerformanceTexts Plot3DPerformanceTextsFor(int rows, int cols) {
  Plot3DPerformanceTexts texts;
  texts.szSize = JoinText(Text(TXT_PLOT3D_SIZE), FormatInt(rows), " x ", FormatInt(cols), " = ", FormatInt(rows * cols));
  texts.szRows = JoinText(Text(TXT_PLOT3D_INVOLVE_ROWS), FormatInt(rows));
  texts.szCols = JoinText(Text(TXT_PLOT3D_INVOLVE_COLS), FormatInt(cols));
  const int measure = std::max(rows, cols);
  texts.szMode = Text(measure < 60 ? TXT_PLOT3D_MODE_FALSE_GRID
                                   : measure < 120 ? TXT_PLOT3D_MODE_SURFACE_GRID : TXT_PLOT3D_MODE_SURFACE);
  return texts;
}

bool Plot3DAskPerformance(WindowHandle owner, int* rows, int* cols) {
  Plot3DPerformanceModel model;
  model.iRows = *rows >= 1 && *rows <= PLOT3D_GRID ? *rows : 20;
  model.iCols = *cols >= 1 && *cols <= PLOT3D_GRID ? *cols : 20;
  if (RunCustomDialog(owner, PLOT3D_PERFORMANCE_DIALOG, &model) != BUTTON_OK) return false;
  *rows = std::clamp(model.iRows, 1, PLOT3D_GRID);
  *cols = std::clamp(model.iCols, 1, PLOT3D_GRID);
  return true;
}

std::vector<std::string> Plot3DColourSmoothChoices(int m) {
  const int reach = SmoothReach(m);
  std::vector<std::string> out;
  for (int v = -11; v <= 11; v += 2) {
    if (v == 1 || v == -1) continue;
    if (std::abs(v) <= reach) out.push_back(FormatInt(v));
    if (v == -3) out.push_back("0");
  }
  return out;
}

std::vector<std::string> Plot3DDataSmoothChoices(int m) {
  const int reach = SmoothReach(m);
  std::vector<std::string> out{"0"};
  for (int v = 3; v <= reach; v += 2) out.push_back(FormatInt(v));
  return out;
}

void Plot3DOptionsFromRecord(const Plot3DRecord& p, Plot3DOptionsModel& m) {
  m.bCoordinateMode = p.iDataMode == PLOT3D_MODE_COORDINATES;
  m.bZDeclared = p.bZDeclared != 0;
  m.iMinSide = std::min(p.iRows, p.iCols);
  m.iColouring = p.bCustomColour ? 1206 : p.iColouring == PLOT3D_COLOUR_SURFACE ? 1192 : 1193;
  m.iCustomRgb = PackOf(p.custom);
  const int signedCoef = p.iColourSmoothMode == 2 ? -p.iColourSmoothCoef : p.iColourSmoothMode == 1 ? p.iColourSmoothCoef : 0;
  m.szColourSmooth = FormatInt(signedCoef);
  m.szDataSmooth = FormatInt(p.bDataSmooth ? p.iDataSmoothCoef : 0);
  m.iLightnessPos = std::clamp(p.iLightness + 80, 0, 160);
  m.iBackgroundRgb = PackOf(p.background);
  m.bArtificial = p.bArtificialBackground != 0;
  m.bGrid = p.bShowGrid != 0;
  m.bAutoZ = p.iZScaleMode == PLOT3D_ZSCALE_AUTO;
  m.bMarkCentre = p.bMarkCentre != 0;
  m.iStyle = p.iStyle;
  m.szPrefix = std::string(TextOf(p.szPrefix));
}

void Plot3DDefaultOptions(Plot3DRecord& p) {
  const bool coordinates = p.iDataMode == PLOT3D_MODE_COORDINATES;
  p.iStyle = coordinates ? PLOT3D_SCATTER : p.iRows * p.iCols < 14401 ? PLOT3D_SURFACE : PLOT3D_FAST_SURFACE;
  p.iColourSmoothMode = 0;
  p.iColourSmoothCoef = 0;
  p.bDataSmooth = 1;
  p.iDataSmoothCoef = 7;
  p.bCustomColour = 0;
  p.custom = {228, 228, 228};
  p.background = {223, 223, 223};
  p.iZScaleMode = PLOT3D_ZSCALE_USER;
  p.bShowGrid = 0;
  p.bMarkCentre = 1;
  p.bArtificialBackground = 1;
  p.iColouring = coordinates ? PLOT3D_COLOUR_FALSE : PLOT3D_COLOUR_SURFACE;
}

int Plot3DOptionsToRecord(const Plot3DOptionsModel& m, Plot3DRecord& p) {
  if (m.bDefault) {
    Plot3DDefaultOptions(p);
    return 0;
  }
  p.iLightness = std::clamp(m.iLightnessPos, 0, 160) - 80;
  p.bLightness = p.iLightness != 0;
  if (m.szColourSmooth.empty()) {
    ShowMessage(Text(TXT_CAPTION_ERROR), "COLOR_SMOOTH");
    return -1;
  }
  const int colourCoef = std::atoi(m.szColourSmooth.c_str());
  p.iColourSmoothMode = colourCoef > 0 ? 1 : colourCoef < 0 ? 2 : 0;
  p.iColourSmoothCoef = std::abs(colourCoef);
  if (m.szDataSmooth.empty()) {
    ShowMessage(Text(TXT_CAPTION_ERROR), "DATA_SMOOTH");
    return -1;
  }
  const int dataCoef = std::atoi(m.szDataSmooth.c_str());
  p.bDataSmooth = dataCoef != 0;
  p.iDataSmoothCoef = dataCoef == 0 ? 0 : (dataCoef >= 3 && dataCoef <= 11 && dataCoef % 2 == 1 ? dataCoef : 5);
  p.bCustomColour = m.iColouring == 1206;
  p.custom = RgbOf(m.iCustomRgb);
  p.background = RgbOf(m.iBackgroundRgb);
  p.bArtificialBackground = m.bArtificial;
  p.iStyle = m.iStyle;
  p.iZScaleMode = m.bAutoZ ? PLOT3D_ZSCALE_AUTO : PLOT3D_ZSCALE_USER;
  p.iZFitCounter = m.bAutoZ ? 3 : 4;
  if (m.bGrid && !p.bShowGrid) {
    p.iGridStep = std::max(p.iGridStep, 18);
    p.fZZoom = std::max(p.fZZoom, 20.0f);
  }
  p.bShowGrid = m.bGrid;
  p.bMarkCentre = m.bMarkCentre;
  p.iColouring = m.iColouring == 1192 ? PLOT3D_COLOUR_SURFACE : PLOT3D_COLOUR_FALSE;
  // A surface smoothing choice works on the cells' own colours.
  if (p.iColourSmoothMode != 0) p.iColouring = PLOT3D_COLOUR_SURFACE;
  return 0;
}

bool Plot3DAskOptions(WindowHandle owner, Plot3DRecord& p) {
  Plot3DOptionsModel model;
  Plot3DOptionsFromRecord(p, model);
  if (RunCustomDialog(owner, PLOT3D_OPTIONS_DIALOG, &model) != BUTTON_OK) return false;
  Plot3DOptionsToRecord(model, p);
  return true;
}
