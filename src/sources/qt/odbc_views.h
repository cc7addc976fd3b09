#pragma once

#include "platform/qt/dialog_views.h"

// The views of the database dialogs: "Database login", "Connect with data
// source", the builder's "Select table columns", "Setup search
// conditions" and "Specify data display order", and "Date", "Time" and
// "Date and Time".
int OdbcLoginView(QWidget* owner, DialogRequest& request);
int OdbcConnectView(QWidget* owner, DialogRequest& request);
int OdbcColumnsView(QWidget* owner, DialogRequest& request);
int OdbcConditionsView(QWidget* owner, DialogRequest& request);
int OdbcOrderView(QWidget* owner, DialogRequest& request);
int OdbcDateTimeView(QWidget* owner, DialogRequest& request);
