#include "plots/plot3d_record.h"

#include <cstdlib>
#include <new>
#include <string_view>

#include "plots/plot3d_window.h"

Plot3DRecord* Plot3DAllocRecord() {
  void* block = std::calloc(1, sizeof(Plot3DRecord));
  if (!block) return nullptr;
  auto* p = static_cast<Plot3DRecord*>(block);
  p->iPlacement = 34;
  p->dPlotMax = -100000;
  p->dPlotMin = 100000;
  p->dMultiplier = 1.0;
  p->iStyle = PLOT3D_SURFACE;
  p->iColouring = PLOT3D_COLOUR_FALSE;
  p->iZScaleMode = PLOT3D_ZSCALE_USER;
  p->bMarkCentre = 1;
  p->bArtificialBackground = 1;
  p->iExportSeparator = 2;
  p->iExportHeader = 1;
  p->dRotation = 0.3927;
  p->dTilt = -0.3927;
  p->iVertOffset = 600;
  p->fZZoom = 3.0f;
  p->iGridStep = 3;
  p->background = {223, 223, 223};
  p->custom = {228, 228, 228};
  p->dMarkHeight = 0;
  for (double& x : p->xValues) x = PLOT3D_FREE_AXIS;
  for (double& y : p->yValues) y = PLOT3D_FREE_AXIS;
  return p;
}

void Plot3DFreeRecord(Plot3DRecord* record) {
  if (!record) return;
  std::free(record->bins);
  std::free(record);
}

Plot3DBins* Plot3DBinsOf(Plot3DRecord& p) {
  if (!p.bins) p.bins = static_cast<Plot3DBins*>(std::calloc(1, sizeof(Plot3DBins)));
  return p.bins;
}

Plot3DRecord* Plot3DOf(WindowHandle hwnd) {
  if (!IsWindowAlive(hwnd) || WindowClassName(hwnd) != std::string_view(PLOT3D_CLASS_NAME)) return nullptr;
  return static_cast<Plot3DRecord*>(WindowUserData(hwnd));
}
