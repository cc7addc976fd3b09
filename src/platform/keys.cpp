#include "platform/keys.h"

namespace {
unsigned iModifiers = 0;
}

void SetModifierState(unsigned bits) { iModifiers = bits; }

unsigned ModifierState() { return iModifiers; }

bool KeyIsDown(unsigned key) {
  if (key == KEY_CONTROL) return (iModifiers & MK_CONTROL) != 0;
  if (key == KEY_SHIFT) return (iModifiers & MK_SHIFT) != 0;
  return false;
}
