// Shaded balls and 4-pixel dots drawn from cached images: each size and
// colour is drawn once with its rings and then copied, so thousands of
// points cost one image copy each.
#pragma once

#include <QRgb>

class QImage;
class QPainter;

// The image of a shaded ball of `size` (radius size / 4) in `rgb`, centred
// at (origin, origin) of the image; transparent outside the ball.
const QImage& BallSprite(int size, QRgb rgb, bool lighter, int* origin);
// Draw a shaded ball centred at (x, y).
void DrawBall(QPainter& p, int size, int x, int y, QRgb rgb, bool lighter);
// Draw the ball ring by ring without the cache (the reference drawing).
void DrawBallRings(QPainter& p, int size, int x, int y, QRgb rgb, bool lighter);
// Draw a filled circle of radius 2 centred at (x, y) from the cache.
void DrawDotSprite(QPainter& p, int x, int y, QRgb rgb);
// Forget every cached image.
void ClearBallSprites();
