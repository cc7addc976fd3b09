// The skip-next-pop-up flag of a table: an interaction of a linked plot
// that ends on the table sets it, so the table's next pop-up request opens
// nothing and only clears it.
#pragma once

#include "platform/window.h"

// Make the table's next pop-up request open nothing.
void SkipNextPopup(WindowHandle hwnd);

// Every pop-up request asks first: 1 when the flag was set (it is now
// cleared and no menu may open), else 0. 1 for a window that is not a
// table, which has no menu to open either.
int TakePopupSkip(WindowHandle hwnd);
