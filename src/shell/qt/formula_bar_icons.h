// The 32 x 32 icons of the formula bar's upper buttons, drawn rather than
// loaded: in colour for an enabled button, in greys for a disabled one.
#pragma once

class QPainter;

void DrawToolIcon(QPainter& p, int button, int x, int y, bool enabled);
