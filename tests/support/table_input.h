// Test support: a headless table window of a known client size that is the
// active table, driven with the messages the window system would send.
#pragma once

#include <string_view>

#include "platform/keys.h"
#include "platform/timers.h"
#include "platform/window.h"
#include "support/headless_program.h"
#include "table/table_access.h"
#include "table/table_window.h"

class TableInputTest : public HeadlessTableTest {
 protected:
  // A new table is 600 x 400 pixels: the header column is 40 wide and the
  // header row 18 high, columns 80 and rows 18, so cell (r, c) spans
  // x 40 + 80(c-1) .. 40 + 80c and y 18r .. 18(r+1).
  void SetUp() override {
    HeadlessTableTest::SetUp();
    MoveWindowTo(table_, 0, 0, 600, 400);
    Activate(table_);
  }

  static void Activate(WindowHandle table) {
    SendMessageTo(table, MSG_MDIACTIVATE, 1);
    FireTimer(table, TIMER_TABLE_ACTIVE);
  }

  // The middle of a visible cell with the default sizes and origin (1, 1).
  static int CellX(int col) { return 40 + 80 * (col - 1) + 40; }
  static int CellY(int row) { return 18 * row + 9; }

  void Press(int x, int y, unsigned keys = 0) const { Send(MSG_LBUTTONDOWN, MK_LBUTTON | keys, x, y); }
  void Drag(int x, int y, unsigned keys = 0) const { Send(MSG_MOUSEMOVE, MK_LBUTTON | keys, x, y); }
  void Release(int x, int y, unsigned keys = 0) const { Send(MSG_LBUTTONUP, keys, x, y); }
  void Click(int x, int y, unsigned keys = 0) const {
    Press(x, y, keys);
    Release(x, y, keys);
  }
  void ClickCell(int row, int col, unsigned keys = 0) const { Click(CellX(col), CellY(row), keys); }
  // What the window system sends for a double click: press, release,
  // double click, release.
  void DoubleClickCell(int row, int col) const {
    ClickCell(row, col);
    Send(MSG_LBUTTONDBLCLK, MK_LBUTTON, CellX(col), CellY(row));
    Release(CellX(col), CellY(row));
  }
  void Key(unsigned key, unsigned keys = 0) const { SendMessageTo(table_, MSG_KEYDOWN, key, keys); }
  // Type into the cell editor as a user would.
  void Type(std::string_view text) const {
    for (const char c : text) SendMessageTo(Editor(), MSG_CHAR, static_cast<unsigned char>(c));
  }
  void Send(unsigned msg, unsigned keys, int x, int y) const {
    SendMessageTo(table_, msg, keys, MakePointParam(x, y));
  }

  WindowHandle Editor() const {
    TableLockGuard t(table_);
    return t ? t->hCellEdit : WindowHandle::None;
  }
  TableRecord& T() const { return *static_cast<TableRecord*>(WindowUserData(table_)); }
};
