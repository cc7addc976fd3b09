#include "platform/qt/edit_widget.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextCursor>
#include <QTimer>

#include <algorithm>
#include <string>

#include "platform/edit_control.h"
#include "platform/keys.h"
#include "platform/qt/qt_backend.h"

namespace {

// The widget shows line breaks as '\n' only; the control may hold "\r\n".
std::string Shown(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out.push_back(text[i]);
  }
  return out;
}

// Offsets: the control counts UTF-8 bytes of its text, the widget UTF-16
// units of the shown text.
int WidgetOffset(const std::string& control, int offset) {
  const std::size_t n = static_cast<std::size_t>(std::clamp(offset, 0, static_cast<int>(control.size())));
  const std::string prefix = Shown(control.substr(0, n));
  return static_cast<int>(QString::fromUtf8(prefix.data(), static_cast<qsizetype>(prefix.size())).size());
}

int ControlOffset(const std::string& control, const QString& shown, int position) {
  const std::size_t want = static_cast<std::size_t>(shown.left(position).toUtf8().size());
  std::size_t seen = 0;
  std::size_t i = 0;
  while (i < control.size() && seen < want) {
    if (!(control[i] == '\r' && i + 1 < control.size() && control[i + 1] == '\n')) ++seen;
    ++i;
  }
  return static_cast<int>(i);
}

void SyncEditView(WindowHandle hwnd) {
  if (auto* widget = qobject_cast<EditWidget*>(WidgetOf(hwnd))) widget->SyncFromControl();
}

}  // namespace

EditWidget::EditWidget(WindowHandle hwnd, QWidget* parent) : QPlainTextEdit(parent), hwnd_(hwnd) {
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  document()->setDocumentMargin(0);
  setTabChangesFocus(false);
  setFocusPolicy(Qt::StrongFocus);
  connect(this, &QPlainTextEdit::textChanged, this, &EditWidget::OnTextChanged);
}

bool EditWidget::Attached() const { return !IsNone(hwnd_) && WindowPeer(hwnd_) == this; }

void EditWidget::SyncFromControl() {
  if (!Attached()) return;
  if (bInChange_) {
    // Replacing the text inside the widget's own change notification is
    // not safe; show the control's state once the change is over.
    bSyncPending_ = true;
    return;
  }
  bSyncing_ = true;
  const std::string text = Shown(EditText(hwnd_));
  const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (toPlainText() != shown) setPlainText(shown);
  setReadOnly(EditIsReadOnly(hwnd_));
  const QString prompt = QString::fromStdString(EditPrompt(hwnd_));
  if (placeholderText() != prompt) setPlaceholderText(prompt);
  const QFont qfont = WidgetFontFor(this->font(), EditFontOf(hwnd_));
  if (qfont != this->font()) setFont(qfont);
  int start = 0;
  int end = 0;
  EditGetSelection(hwnd_, &start, &end);
  const std::string all = EditText(hwnd_);
  QTextCursor cursor = textCursor();
  cursor.setPosition(WidgetOffset(all, start));
  cursor.setPosition(WidgetOffset(all, end), QTextCursor::KeepAnchor);
  setTextCursor(cursor);
  // A text made shorter (a typed line break taken out again) must not
  // leave the view scrolled past its last line, which would show an empty
  // box over a text.
  QScrollBar* lines = verticalScrollBar();
  if (lines->value() > document()->blockCount() - 1) lines->setValue(document()->blockCount() - 1);
  ensureCursorVisible();
  bSyncing_ = false;
}

void EditWidget::PushSelection() {
  const QString text = toPlainText();
  const std::string control = EditText(hwnd_);
  if (text.toStdString() != Shown(control)) return;  // not the control's text: leave its selection
  const QTextCursor cursor = textCursor();
  bSyncing_ = true;
  EditSetSelection(hwnd_, ControlOffset(control, text, cursor.anchor()), ControlOffset(control, text, cursor.position()));
  bSyncing_ = false;
}

void EditWidget::OnTextChanged() {
  if (bSyncing_ || !Attached()) return;
  bInChange_ = true;
  const QString text = toPlainText();
  const QTextCursor cursor = textCursor();
  // The user's text replaces the control's, so its offsets are plain UTF-8.
  const auto utf8 = [&text](int position) { return static_cast<int>(text.left(position).toUtf8().size()); };
  EditTextEdited(hwnd_, text.toStdString(), utf8(cursor.anchor()), utf8(cursor.position()));
  bInChange_ = false;
  if (bSyncPending_) {
    bSyncPending_ = false;
    QTimer::singleShot(0, this, [this] { SyncFromControl(); });
  }
}

void EditWidget::keyPressEvent(QKeyEvent* event) {
  if (!Attached()) {
    QPlainTextEdit::keyPressEvent(event);
    return;
  }
  const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  if (event->key() == Qt::Key_Escape) {
    SendMessageTo(hwnd_, MSG_KEYDOWN, KEY_ESCAPE, 0);
    event->accept();
    return;
  }
  // Tab and Enter are typed through the control, so that whatever the
  // parent does with them (it may move the control and give it another
  // text) happens outside the widget's own change handling.
  if (plain && !isReadOnly() &&
      (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    // A text shown all selected (as a cell's editor opens) is kept: Tab
    // or Enter then only moves on, instead of erasing what was there.
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection() && cursor.selectionStart() == 0 &&
        cursor.selectionEnd() == static_cast<int>(toPlainText().size())) {
      cursor.movePosition(QTextCursor::End);
      setTextCursor(cursor);
    }
    PushSelection();
    EditReplaceSelection(hwnd_, event->key() == Qt::Key_Tab ? "\t" : "\n");
    event->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
  // Keys typed into the control stay there, as they do in an edit
  // control: none falls through to the window below it.
  event->accept();
}

void EditWidget::focusInEvent(QFocusEvent* event) {
  QPlainTextEdit::focusInEvent(event);
  if (Attached()) SendMessageTo(hwnd_, MSG_SETFOCUS);
}

void EditWidget::focusOutEvent(QFocusEvent* event) {
  QPlainTextEdit::focusOutEvent(event);
  if (Attached()) SendMessageTo(hwnd_, MSG_KILLFOCUS);
}

QFont WidgetFontFor(QFont base, const EditFont& font) {
  if (!font.szFamily.empty()) base.setFamily(QString::fromStdString(font.szFamily));
  if (font.iPixelHeight > 0) base.setPixelSize(font.iPixelHeight);
  base.setBold(font.bBold);
  return base;
}

QWidget* CreateEditWidget(WindowHandle hwnd, QWidget* parent) {
  SetEditViewSync(SyncEditView);
  auto* widget = new EditWidget(hwnd, parent);
  SetWindowPeer(hwnd, widget);
  const WindowRect rect = WindowRectOf(hwnd);
  widget->setGeometry(rect.x, rect.y, std::max(rect.cx, 0), std::max(rect.cy, 0));
  widget->setVisible((WindowStyleOf(hwnd) & STYLE_VISIBLE) != 0);
  return widget;
}
