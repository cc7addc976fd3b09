// The widget of a drop-down list control: a combo box that shows the
// control's entries (platform/list_control.h) and reports the user's choice.
#pragma once

#include <QComboBox>

#include "platform/window.h"

class ListWidget : public QComboBox {
  Q_OBJECT
 public:
  ListWidget(WindowHandle hwnd, QWidget* parent);
  WindowHandle handle() const { return hwnd_; }
  // Show the control's entries, current entry and font.
  void SyncFromControl();

 private:
  bool Attached() const;
  void OnActivated(int index);

  WindowHandle hwnd_;
  bool bSyncing_ = false;
};

// Create the widget of a list control inside `parent` and attach it.
QWidget* CreateListWidget(WindowHandle hwnd, QWidget* parent);
