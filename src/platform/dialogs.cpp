#include "platform/dialogs.h"

#include <cstdio>
#include <deque>

#include "platform/backend.h"
#include "platform/notices.h"

namespace {

struct DialogScript {
  bool bActive = false;
  std::deque<ScriptedAnswer> answers;
  std::vector<ShownDialog> shown;
  std::vector<std::string> failures;
};

DialogScript& Script() {
  static DialogScript script;
  return script;
}

bool bFileDialogOpen = false;

const char* KindName(DialogKind kind) {
  switch (kind) {
    case DIALOG_MESSAGE: return "message box";
    case DIALOG_YES_NO: return "yes/no box";
    case DIALOG_OPEN_FILE: return "open-file dialog";
    case DIALOG_SAVE_FILE: return "save-file dialog";
    case DIALOG_CUSTOM: return "dialog";
  }
  return "dialog";
}

// The answer a dialog gives when nobody is there to answer it.
int CancelButtonOf(DialogKind kind) {
  switch (kind) {
    case DIALOG_MESSAGE: return BUTTON_OK;
    case DIALOG_YES_NO: return BUTTON_NO;
    default: return BUTTON_CANCEL;
  }
}

bool Matches(const ScriptedAnswer& answer, const DialogRequest& request) {
  if (answer.kind != request.kind) return false;
  if (answer.szMatch.empty()) return true;
  if (request.kind == DIALOG_CUSTOM) return request.szName == answer.szMatch;
  return request.szCaption.find(answer.szMatch) != std::string::npos ||
         request.szText.find(answer.szMatch) != std::string::npos;
}

int AnswerFromScript(DialogRequest& request) {
  DialogScript& script = Script();
  script.shown.push_back({request.kind, request.szName, request.szCaption, request.szText,
                          request.szStartDir, request.filters});
  const std::string what = std::string(KindName(request.kind)) + " \"" +
                           (request.kind == DIALOG_CUSTOM ? request.szName : request.szCaption) + "\" (" +
                           request.szText + ")";
  if (script.answers.empty()) {
    script.failures.push_back("unexpected " + what);
    return CancelButtonOf(request.kind);
  }
  ScriptedAnswer answer = std::move(script.answers.front());
  script.answers.pop_front();
  if (!Matches(answer, request)) {
    script.failures.push_back("expected " + std::string(KindName(answer.kind)) + " \"" + answer.szMatch +
                              "\" but got " + what);
    return CancelButtonOf(request.kind);
  }
  if (answer.apply) return answer.apply(request);
  if (request.kind == DIALOG_OPEN_FILE || request.kind == DIALOG_SAVE_FILE) {
    request.szPath = answer.szPath;
  }
  return answer.iButton;
}

}  // namespace

int RunDialog(DialogRequest& request) {
  // What an operation reported before this dialog comes first.
  PresentPendingNotices();
  const bool file = request.kind == DIALOG_OPEN_FILE || request.kind == DIALOG_SAVE_FILE;
  if (file) bFileDialogOpen = true;
  const int button = Script().bActive ? AnswerFromScript(request) : Backend().RunDialog(request);
  if (file) bFileDialogOpen = false;
  return button;
}

int RunCustomDialog(WindowHandle owner, const std::string& name, DialogModel* model) {
  DialogRequest request;
  request.kind = DIALOG_CUSTOM;
  request.hOwner = owner;
  request.szName = name;
  request.pModel = model;
  return RunDialog(request);
}

bool FileDialogIsOpen() { return bFileDialogOpen; }

void DialogScriptBegin() {
  Script() = DialogScript{};
  Script().bActive = true;
}

void DialogScriptEnd() { Script() = DialogScript{}; }

bool DialogScriptActive() { return Script().bActive; }

void DialogScriptPush(ScriptedAnswer answer) { Script().answers.push_back(std::move(answer)); }

const std::vector<ShownDialog>& DialogScriptShown() { return Script().shown; }

std::vector<std::string> DialogScriptTakeFailures() {
  std::vector<std::string> out;
  out.swap(Script().failures);
  return out;
}

int DialogScriptPending() { return static_cast<int>(Script().answers.size()); }

ScriptedAnswer AnswerOk(std::string match) { return {DIALOG_MESSAGE, std::move(match), BUTTON_OK, {}, {}}; }
ScriptedAnswer AnswerYes(std::string match) { return {DIALOG_YES_NO, std::move(match), BUTTON_YES, {}, {}}; }
ScriptedAnswer AnswerNo(std::string match) { return {DIALOG_YES_NO, std::move(match), BUTTON_NO, {}, {}}; }
ScriptedAnswer AnswerOpenFile(std::string path) { return {DIALOG_OPEN_FILE, {}, BUTTON_OK, std::move(path), {}}; }
ScriptedAnswer AnswerSaveFile(std::string path) { return {DIALOG_SAVE_FILE, {}, BUTTON_OK, std::move(path), {}}; }
ScriptedAnswer AnswerCancel(DialogKind kind, std::string match) {
  return {kind, std::move(match), CancelButtonOf(kind), {}, {}};
}
ScriptedAnswer AnswerDialog(std::string name, std::function<int(DialogRequest&)> apply) {
  return {DIALOG_CUSTOM, std::move(name), BUTTON_OK, {}, std::move(apply)};
}
