// Modal dialogs and message boxes. Every one goes through RunDialog: in
// script mode (tests) it is answered from a queue of scripted answers and
// never shows a window; otherwise the backend shows it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/window.h"

enum DialogButton : int {
  BUTTON_NONE = 0,
  BUTTON_OK = 1,
  BUTTON_CANCEL = 2,
  BUTTON_YES = 6,
  BUTTON_NO = 7,
};

enum DialogKind : int {
  DIALOG_MESSAGE,    // information box with OK
  DIALOG_YES_NO,     // information box with Yes and No
  DIALOG_OPEN_FILE,
  DIALOG_SAVE_FILE,
  DIALOG_CUSTOM,     // a dialog of the program, named by szName
};

struct FileFilter {
  std::string szName;
  std::string szPattern;  // patterns separated by ';', e.g. "*.orl;*.txt"
};

// The state of a program dialog. Each dialog derives its own model; its view
// (Qt) and scripted answers change the model, and the caller reads it after
// OK.
class DialogModel {
 public:
  virtual ~DialogModel() = default;
};

struct DialogRequest {
  DialogKind kind = DIALOG_MESSAGE;
  WindowHandle hOwner = WindowHandle::None;
  std::string szName;     // custom dialogs: the dialog's name (its caption)
  std::string szCaption;  // message boxes: caption
  std::string szText;     // message boxes: text
  // File dialogs.
  std::vector<FileFilter> filters;
  std::string szDefaultExt;
  std::string szStartDir;
  bool bMustExist = false;
  bool bPromptOverwrite = false;
  std::string szPath;     // out: the chosen path
  // Custom dialogs.
  DialogModel* pModel = nullptr;
};

// Show a dialog and return the button that closed it.
int RunDialog(DialogRequest& request);

// Show the program's custom dialog `name` on `model`, owned by `owner`;
// the button that closed it.
int RunCustomDialog(WindowHandle owner, const std::string& name, DialogModel* model);

// True while a file dialog is open (program-wide flag).
bool FileDialogIsOpen();

// ---- Script mode -------------------------------------------------------

// One scripted answer. `kind` must match the dialog that opens; a non-empty
// `szMatch` must be contained in its caption (message boxes) or equal its
// name (custom dialogs). `apply`, when set, runs on the request (and its
// model) and its result is the button; otherwise `iButton` is returned and
// `szPath` becomes the chosen path of a file dialog.
struct ScriptedAnswer {
  DialogKind kind = DIALOG_MESSAGE;
  std::string szMatch;
  int iButton = BUTTON_OK;
  std::string szPath;
  std::function<int(DialogRequest&)> apply;
};

// What a dialog showed, for tests to check.
struct ShownDialog {
  DialogKind kind;
  std::string szName;
  std::string szCaption;
  std::string szText;
  std::string szStartDir;
  std::vector<FileFilter> filters;
};

void DialogScriptBegin();
void DialogScriptEnd();
bool DialogScriptActive();
void DialogScriptPush(ScriptedAnswer answer);
// Dialogs shown since DialogScriptBegin.
const std::vector<ShownDialog>& DialogScriptShown();
// Failures (unexpected or mismatched dialogs, unused answers) since begin;
// taking them clears the list.
std::vector<std::string> DialogScriptTakeFailures();
int DialogScriptPending();

// Short forms for the usual answers.
ScriptedAnswer AnswerOk(std::string match = {});
ScriptedAnswer AnswerYes(std::string match = {});
ScriptedAnswer AnswerNo(std::string match = {});
ScriptedAnswer AnswerOpenFile(std::string path);
ScriptedAnswer AnswerSaveFile(std::string path);
ScriptedAnswer AnswerCancel(DialogKind kind, std::string match = {});
ScriptedAnswer AnswerDialog(std::string name, std::function<int(DialogRequest&)> apply);
