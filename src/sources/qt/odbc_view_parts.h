// Pieces the database dialogs share: texts as QStrings, the statement
// box, and the row of step buttons.
#pragma once

#include <QString>

#include <string>
#include <string_view>

class QDialog;
class QHBoxLayout;
class QPlainTextEdit;
class OdbcBuilderModel;

inline QString OdbcQ(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline QString JoinQ(std::string_view a, std::string_view b, std::string_view c) {
  return OdbcQ(a) + OdbcQ(b) + OdbcQ(c);
}

// The "SQL statement edit box" showing the model's statement; what the
// user types goes back into the model.
QPlainTextEdit* OdbcStatementBox(OdbcBuilderModel& model);

// The step buttons: Back (when `back`), Next (when `next`), Finish and
// Cancel; each records its action in the model and closes the dialog.
QHBoxLayout* OdbcStepButtons(QDialog& dialog, OdbcBuilderModel& model, bool back, bool next);
