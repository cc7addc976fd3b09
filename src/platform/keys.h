// Key codes of MSG_KEYDOWN / MSG_KEYUP (the virtual-key numbering: letters
// and digits are their upper-case ASCII codes).
#pragma once

enum KeyCode : unsigned {
  KEY_NONE = 0,
  KEY_BACK = 0x08,
  KEY_TAB = 0x09,
  KEY_RETURN = 0x0D,
  KEY_SHIFT = 0x10,
  KEY_CONTROL = 0x11,
  KEY_MENU = 0x12,
  KEY_ESCAPE = 0x1B,
  KEY_SPACE = 0x20,
  KEY_PRIOR = 0x21,  // page up
  KEY_NEXT = 0x22,   // page down
  KEY_END = 0x23,
  KEY_HOME = 0x24,
  KEY_LEFT = 0x25,
  KEY_UP = 0x26,
  KEY_RIGHT = 0x27,
  KEY_DOWN = 0x28,
  KEY_INSERT = 0x2D,
  KEY_DELETE = 0x2E,
  KEY_F1 = 0x70,
  KEY_F12 = 0x7B,
};

// Modifier bits in the lParam of key messages and the wParam of mouse
// messages.
enum ModifierKeys : unsigned {
  MK_LBUTTON = 0x0001,
  MK_RBUTTON = 0x0002,
  MK_SHIFT = 0x0004,
  MK_CONTROL = 0x0008,
};

// The modifier keys and mouse buttons as of the last input message: the
// backend records them before it delivers a mouse or key message, and tests
// set them before sending their own messages.
void SetModifierState(unsigned bits);
unsigned ModifierState();
// Whether KEY_SHIFT or KEY_CONTROL is down; false for other keys.
bool KeyIsDown(unsigned key);
