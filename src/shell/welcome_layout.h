// Geometry of the welcome window and the motion of its picture strip.
#pragma once

#include "platform/window.h"

inline constexpr int WELCOME_WIDTH = 600;
inline constexpr int WELCOME_HEIGHT = 300;
inline constexpr unsigned TIMER_PICTURE_STRIP = 1129;

struct WelcomeLayout {
  WindowRect strip;          // the picture strip
  int iSystemNameX = 0;      // field 0
  int iSystemNameY = 0;
  int iTitleY = 0;           // field 1, top of the text
  int iSubtitleY = 0;        // field 2, top of the text
};

// Layout in a welcome client area of the given size.
WelcomeLayout ComputeWelcomeLayout(int clientHeight, int pictureHeight);

// Left edge of a text of `textWidth` centred in the space right of the strip.
int WelcomeCentredTextX(int clientWidth, int textWidth);

// The picture's horizontal offset inside the strip: it moves left one pixel
// per tick until the picture's right edge is 90 pixels from the strip's left
// edge, then right until it is back at 0, and so on.
struct PictureStripMotion {
  int iOffset = 0;
  int iStep = -1;
};
void PictureStripStep(PictureStripMotion& motion, int pictureWidth);
