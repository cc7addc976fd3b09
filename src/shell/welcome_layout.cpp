#include "shell/welcome_layout.h"

#include <algorithm>

WelcomeLayout ComputeWelcomeLayout(int clientHeight, int pictureHeight) {
  WelcomeLayout layout;
  layout.strip = {10, 10, 100, std::max(0, std::min(clientHeight - 20, pictureHeight))};
  layout.iSystemNameX = 140;
  layout.iSystemNameY = 21;
  layout.iTitleY = clientHeight / 2 - 40;
  layout.iSubtitleY = clientHeight / 2 + 30;
  return layout;
}

int WelcomeCentredTextX(int clientWidth, int textWidth) { return (clientWidth + 110) / 2 - textWidth / 2; }

void PictureStripStep(PictureStripMotion& motion, int pictureWidth) {
  constexpr int kStopAt = 90;  // the right edge's nearest distance to the strip's left edge
  if (pictureWidth <= kStopAt) {
    motion = PictureStripMotion{};
    return;
  }
  motion.iOffset += motion.iStep;
  if (motion.iOffset + pictureWidth <= kStopAt) {
    motion.iOffset = kStopAt - pictureWidth;
    motion.iStep = 1;
  } else if (motion.iOffset >= 0) {
    motion.iOffset = 0;
    motion.iStep = -1;
  }
}
