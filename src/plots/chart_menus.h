// The chart's pop-up menus, built in the current language each time they
// open: CurveRMenu, CurveX_limit and CurveY_limit.
#pragma once

#include "platform/popup_menu.h"
#include "plots/chart_record.h"

PopupMenuList ChartRightMenu(const ChartRecord& c);
PopupMenuList ChartXAxisMenu();
PopupMenuList ChartYAxisMenu();

// Where a button release opens a menu: the Y axis band (x at or left of
// plot left within the plot's height, or the box above the Y axis arrow)
// and, with an X coordinate axis, the box right of the X axis end.
bool InYAxisBand(const ChartRecord& c, int x, int y);
bool InXAxisBox(const ChartRecord& c, int x, int y);
// Over a legend swatch: the series whose swatch it is, else -1.
int LegendSwatchAt(const ChartRecord& c, int x, int y);
