#include "platform/qt/dialog_views.h"

namespace {
const DialogViewEntry* pEntries = nullptr;
int iCount = 0;
}  // namespace

void SetDialogViews(const DialogViewEntry* entries, int count) {
  pEntries = entries;
  iCount = count;
}

DialogViewFn FindDialogView(const std::string& name) {
  for (int i = 0; i < iCount; ++i) {
    if (name == pEntries[i].szName) return pEntries[i].pfnView;
  }
  return nullptr;
}
