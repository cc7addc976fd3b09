#pragma once

#include <QPixmap>

// The marker of a locked row or column, drawn like an icon (32 x 32) from
// ten pixels left of the header's right edge: a small padlock in its
// top-left corner, the rest transparent so the cells beside stay readable.
const QPixmap& LockMarkerPixmap();
