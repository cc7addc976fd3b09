#include "shell/program_state.h"

#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "resources/language.h"
#include "table/table_active.h"

namespace {
ProgramState state;
}

ProgramState& Program() { return state; }

void ResetProgramState() {
  state = ProgramState{};
  LanguageSetChinese(false);
  TableSetActive(WindowHandle::None);
  MessageBoxSetOwner(WindowHandle::None);
  FileDialogRememberFolder("");
}
