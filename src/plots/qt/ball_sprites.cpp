#include "plots/qt/ball_sprites.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <tuple>

#include <QImage>
#include <QPainter>

#include "plots/qt/plot_canvas.h"
#include "plots/shaded_ball.h"

namespace {

// Sprites kept at most; the cache starts again when full.
constexpr std::size_t SPRITE_LIMIT = 2048;

struct Sprite {
  QImage image;
  int iOrigin = 0;
};

using SpriteKey = std::tuple<int, QRgb, bool>;

std::map<SpriteKey, Sprite>& Cache() {
  static std::map<SpriteKey, Sprite> cache;
  return cache;
}

// The rings of a ball drawn centred at (x, y).
void PaintRings(QPainter& p, int size, int x, int y, QRgb rgb, bool lighter) {
  const RgbColour colour{qRed(rgb), qGreen(rgb), qBlue(rgb)};
  for (const BallRing& ring : ShadedBallRings(size, colour, lighter)) {
    const QColor c = ToQColor(ring.colour);
    const int cx = x + ring.iDx;
    const int cy = y + ring.iDy;
    DrawEllipseBox(p, cx - ring.iRadius, cy - ring.iRadius, cx + ring.iRadius, cy + ring.iRadius, c, c);
  }
}

// A new transparent sprite of `radius` painted by `paint` around its origin.
template <class Paint>
Sprite MakeSprite(int radius, Paint paint) {
  Sprite sprite;
  sprite.iOrigin = radius + 1;
  sprite.image = QImage(2 * radius + 3, 2 * radius + 3, QImage::Format_ARGB32_Premultiplied);
  sprite.image.fill(Qt::transparent);
  QPainter p(&sprite.image);
  paint(p, sprite.iOrigin);
  return sprite;
}

const Sprite& CachedSprite(const SpriteKey& key, int radius, void (*paint)(QPainter&, int, const SpriteKey&)) {
  auto& cache = Cache();
  auto found = cache.find(key);
  if (found != cache.end()) return found->second;
  if (cache.size() >= SPRITE_LIMIT) cache.clear();
  Sprite sprite = MakeSprite(radius, [&](QPainter& p, int origin) { paint(p, origin, key); });
  return cache.emplace(key, std::move(sprite)).first->second;
}

// Copy the opaque pixels of a sprite straight into an RGB32 image that the
// painter draws on, when nothing (transform, clip, opacity, composition)
// would change them on the way: the same pixels as drawImage, without its
// set-up per call. False when the painter needs drawImage.
bool CopyOpaque(QPainter& p, const QImage& sprite, int left, int top) {
  if (!p.isActive() || p.device()->devType() != QInternal::Image || p.hasClipping() ||
      !p.worldTransform().isIdentity() || p.opacity() != 1.0 || p.compositionMode() != QPainter::CompositionMode_SourceOver) {
    return false;
  }
  auto* target = static_cast<QImage*>(p.device());
  if (target->format() != QImage::Format_RGB32 && target->format() != QImage::Format_ARGB32_Premultiplied) return false;
  const int x0 = std::max(left, 0);
  const int y0 = std::max(top, 0);
  const int x1 = std::min(left + sprite.width(), target->width());
  const int y1 = std::min(top + sprite.height(), target->height());
  for (int y = y0; y < y1; ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(sprite.constScanLine(y - top));
    auto* to = reinterpret_cast<QRgb*>(target->scanLine(y));
    for (int x = x0; x < x1; ++x) {
      const QRgb pixel = from[x - left];
      if (qAlpha(pixel) == 255) to[x] = pixel;
    }
  }
  return true;
}

}  // namespace

const QImage& BallSprite(int size, QRgb rgb, bool lighter, int* origin) {
  const int radius = std::max(size / 4, 1);
  const Sprite& sprite =
      CachedSprite(SpriteKey{size, rgb, lighter}, radius, [](QPainter& p, int at, const SpriteKey& key) {
        PaintRings(p, std::get<0>(key), at, at, std::get<1>(key), std::get<2>(key));
      });
  if (origin) *origin = sprite.iOrigin;
  return sprite.image;
}

void DrawBall(QPainter& p, int size, int x, int y, QRgb rgb, bool lighter) {
  int origin = 0;
  const QImage& image = BallSprite(size, rgb, lighter, &origin);
  if (!CopyOpaque(p, image, x - origin, y - origin)) p.drawImage(x - origin, y - origin, image);
}

void DrawBallRings(QPainter& p, int size, int x, int y, QRgb rgb, bool lighter) {
  PaintRings(p, size, x, y, rgb, lighter);
}

void DrawDotSprite(QPainter& p, int x, int y, QRgb rgb) {
  // Size -1 marks the dot among the balls.
  const Sprite& sprite = CachedSprite(SpriteKey{-1, rgb, false}, 2, [](QPainter& sp, int at, const SpriteKey& key) {
    DrawDot(sp, at, at, QColor::fromRgb(std::get<1>(key)));
  });
  if (!CopyOpaque(p, sprite.image, x - sprite.iOrigin, y - sprite.iOrigin)) {
    p.drawImage(x - sprite.iOrigin, y - sprite.iOrigin, sprite.image);
  }
}

void ClearBallSprites() { Cache().clear(); }
