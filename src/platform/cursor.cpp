#include "platform/cursor.h"

#include "platform/backend.h"

int SetCursorSlot(int slot) {
  if (slot < 0 || slot >= CURSOR_SLOT_COUNT) return -1;
  Backend().SetCursorShape(slot);
  return 0;
}

int CurrentCursorSlot() { return Backend().CurrentCursorShape(); }
