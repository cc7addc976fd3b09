#include "platform/popup_menu.h"

#include <deque>

#include "platform/backend.h"

namespace {

// The answers and the menus shown while a test scripts the pop-ups.
struct PopupScript {
  bool bActive = false;
  std::deque<int> answers;
  std::vector<PopupMenuList> shown;
};

PopupScript& Script() {
  static PopupScript script;
  return script;
}

// `command` when it names an item of `menu` that can be chosen, else 0.
int ChoosableCommand(const PopupMenuList& menu, int command) {
  if (command == 0) return 0;
  for (const PopupMenuItem& item : menu.items) {
    if (item.iCommand == command && !item.bGrayed) return command;
  }
  return 0;
}

}  // namespace

int ShowPopupMenu(WindowHandle owner, int x, int y, const PopupMenuList& menu) {
  PopupScript& script = Script();
  if (!script.bActive) return ChoosableCommand(menu, Backend().RunPopupMenu(owner, x, y, menu));
  script.shown.push_back(menu);
  if (script.answers.empty()) return 0;
  const int command = script.answers.front();
  script.answers.pop_front();
  return ChoosableCommand(menu, command);
}

void PopupScriptBegin() {
  Script() = PopupScript{};
  Script().bActive = true;
}

void PopupScriptEnd() { Script() = PopupScript{}; }

void PopupScriptPush(int command) { Script().answers.push_back(command); }

const std::vector<PopupMenuList>& PopupScriptShown() { return Script().shown; }
