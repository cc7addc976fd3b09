#pragma once

#include "platform/qt/dialog_views.h"

// The views of the chart's dialogs.
int ChartModeView(QWidget* owner, DialogRequest& request);
int ChartYRangeView(QWidget* owner, DialogRequest& request);
int ChartXUnitView(QWidget* owner, DialogRequest& request);
int ChartAdjustView(QWidget* owner, DialogRequest& request);
int ChartNoteView(QWidget* owner, DialogRequest& request);
