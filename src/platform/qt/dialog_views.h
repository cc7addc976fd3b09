// Views of the program's own dialogs, looked up by dialog name when a
// custom dialog runs with the Qt backend.
#pragma once

#include <QWidget>

#include "platform/dialogs.h"

// Show the dialog modally over `owner`, change request.pModel, return the
// button that closed it.
using DialogViewFn = int (*)(QWidget* owner, DialogRequest& request);

struct DialogViewEntry {
  const char* szName;
  DialogViewFn pfnView;
};

// Install the table of views (called once at start-up).
void SetDialogViews(const DialogViewEntry* entries, int count);
DialogViewFn FindDialogView(const std::string& name);
