// Painting a 2D chart from its record onto any QPainter (the view's
// off-screen image, a printer page, a recorded picture): background, the
// drawing of the chart's kind, notes, axes, value labels and legend,
// markers and the status band.
#pragma once

#include <QString>

class QPainter;
struct ChartRecord;

// Paint the whole chart on a client of width x height. Nothing but the
// background while the layout is not valid or no data is loaded.
void ChartPaint(const ChartRecord& c, QPainter& p, int width, int height);

// Paint only the status band across the client bottom.
void ChartPaintStatus(const ChartRecord& c, QPainter& p, int width, int height);

// The parts, in painting order.
void PaintChartBackground(const ChartRecord& c, QPainter& p, int width, int height);
void PaintLineChart(const ChartRecord& c, QPainter& p);
void PaintBarChart(const ChartRecord& c, QPainter& p);
void PaintScatterChart(const ChartRecord& c, QPainter& p);
void PaintPieChart(const ChartRecord& c, QPainter& p);
void PaintChartNotes(const ChartRecord& c, QPainter& p);
void PaintChartAxes(const ChartRecord& c, QPainter& p, int width);
void PaintChartLegend(const ChartRecord& c, QPainter& p);
void PaintChartMarkers(const ChartRecord& c, QPainter& p, int width, int height);

// The light grey highlight bar around x (a whole step wide for bars).
void PaintHighlightBar(const ChartRecord& c, QPainter& p, int left, int right);

// The small chart icon beside kept series, markers and the custom range.
void PaintChartIcon(QPainter& p, int x, int y, int size);

QString FromUtf8(const char* text);
