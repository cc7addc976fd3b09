#include "platform/message_box.h"

#include <string>

#include "platform/dialogs.h"

namespace {

WindowHandle hMessageOwner = WindowHandle::None;

// Run one message box of a kind and return its button.
int RunMessageBox(DialogKind kind, WindowHandle owner, std::string_view caption, std::string_view text) {
  DialogRequest request;
  request.kind = kind;
  request.hOwner = owner;
  request.szCaption = std::string(caption);
  request.szText = std::string(text);
  return RunDialog(request);
}

}  // namespace

void MessageBoxSetOwner(WindowHandle owner) { hMessageOwner = owner; }

void ShowMessage(std::string_view caption, std::string_view text) {
  RunMessageBox(DIALOG_MESSAGE, hMessageOwner, caption, text);
}

int AskYesNo(std::string_view caption, std::string_view text) { return AskYesNoFor(hMessageOwner, caption, text); }

int AskYesNoFor(WindowHandle owner, std::string_view caption, std::string_view text) {
  return RunMessageBox(DIALOG_YES_NO, owner, caption, text) == BUTTON_YES ? 1 : -1;
}
