#include "support/dialog_script_guard.h"

#include <gtest/gtest.h>

DialogScriptGuard::DialogScriptGuard() { DialogScriptBegin(); }

DialogScriptGuard::~DialogScriptGuard() {
  Check();
  DialogScriptEnd();
}

void DialogScriptGuard::Check() {
  for (const std::string& failure : DialogScriptTakeFailures()) ADD_FAILURE() << failure;
  EXPECT_EQ(DialogScriptPending(), 0) << "scripted answers left unused";
}
