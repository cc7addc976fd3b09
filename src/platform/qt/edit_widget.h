// The widget of an edit control: a plain multi-line text box that shows the
// control's state (platform/edit_control.h) and reports what the user types.
#pragma once

#include <QPlainTextEdit>

#include "platform/window.h"

class EditWidget : public QPlainTextEdit {
  Q_OBJECT
 public:
  EditWidget(WindowHandle hwnd, QWidget* parent);
  WindowHandle handle() const { return hwnd_; }
  // Show the control's text, selection, font and read-only state.
  void SyncFromControl();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool Attached() const;
  void OnTextChanged();
  // Hand the widget's selection to the control.
  void PushSelection();

  WindowHandle hwnd_;
  bool bSyncing_ = false;      // showing the control's state: not the user's edit
  bool bInChange_ = false;     // inside the widget's own text change
  bool bSyncPending_ = false;  // the control changed meanwhile: show it afterwards
};

struct EditFont;
// A widget's font changed to a control's font description (an empty
// family or a zero height keeps the widget's own).
QFont WidgetFontFor(QFont base, const EditFont& font);

// Create the widget of an edit control inside `parent` and attach it.
QWidget* CreateEditWidget(WindowHandle hwnd, QWidget* parent);
