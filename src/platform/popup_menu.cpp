#include "platform/popup_menu.h"

#include <deque>

#include "platform/backend.h"

namespace {

struct PopupScript {
  bool bActive = false;
  std::deque<int> answers;
  std::vector<PopupMenuList> shown;
};

PopupScript& Script() {
  static PopupScript script;
  return script;
}

}  // namespace

int ShowPopupMenu(WindowHandle owner, int x, int y, const PopupMenuList& menu) {
  PopupScript& script = Script();
  if (!script.bActive) return Backend().RunPopupMenu(owner, x, y, menu);
  script.shown.push_back(menu);
  if (script.answers.empty()) return 0;
  const int command = script.answers.front();
  script.answers.pop_front();
  return command;
}

void PopupScriptBegin() {
  Script() = PopupScript{};
  Script().bActive = true;
}

void PopupScriptEnd() { Script() = PopupScript{}; }

void PopupScriptPush(int command) { Script().answers.push_back(command); }

const std::vector<PopupMenuList>& PopupScriptShown() { return Script().shown; }
