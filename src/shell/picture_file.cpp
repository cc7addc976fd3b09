#include "shell/picture_file.h"

#include <cstdio>
#include <string>

namespace {

std::uint32_t Read16(std::string_view b, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}

std::uint32_t Read32(std::string_view b, std::size_t at) { return Read16(b, at) | Read16(b, at + 2) << 16; }

std::uint32_t Rgb(unsigned r, unsigned g, unsigned b) { return 0xFF000000u | (r << 16) | (g << 8) | b; }

// Value of a 16/32-bit pixel under a channel mask, scaled to 0..255.
unsigned MaskedChannel(std::uint32_t pixel, std::uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (((mask >> shift) & 1u) == 0) ++shift;
  const std::uint32_t max = mask >> shift;
  return static_cast<unsigned>((((pixel & mask) >> shift) * 255u + max / 2) / max);
}

}  // namespace

int DecodeBitmap(std::string_view bytes, Picture* picture) {
  *picture = Picture{};
  if (bytes.size() < 14 + 12 || bytes[0] != 'B' || bytes[1] != 'M') return -1;
  const std::string_view dib = bytes.substr(14);
  const std::uint32_t headerSize = Read32(dib, 0);
  long long width = 0;
  long long height = 0;
  unsigned bits = 0;
  std::uint32_t compression = 0;
  std::uint32_t usedColours = 0;
  std::size_t paletteEntry = 4;
  if (headerSize == 12) {
    width = Read16(dib, 4);
    height = static_cast<std::int16_t>(Read16(dib, 6));
    bits = Read16(dib, 10);
    paletteEntry = 3;
  } else if (headerSize >= 40 && headerSize <= dib.size()) {
    width = static_cast<std::int32_t>(Read32(dib, 4));
    height = static_cast<std::int32_t>(Read32(dib, 8));
    bits = Read16(dib, 14);
    compression = Read32(dib, 16);
    usedColours = Read32(dib, 32);
  } else {
    return -1;
  }
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0 || width > PICTURE_MAX_SIDE || height > PICTURE_MAX_SIDE) return -1;

  std::uint32_t masks[3] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
  if (bits == 16) {
    masks[0] = 0x7C00u;
    masks[1] = 0x03E0u;
    masks[2] = 0x001Fu;
  }
  std::size_t position = headerSize;
  if (compression == 3 && (bits == 16 || bits == 32)) {
    // Bit-field masks follow a 40-byte header (or sit inside a longer one).
    if (dib.size() < 40 + 12) return -1;
    for (int i = 0; i < 3; ++i) masks[i] = Read32(dib, 40 + 4 * static_cast<std::size_t>(i));
    if (headerSize == 40) position += 12;
  } else if (compression != 0) {
    return -1;
  }
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return -1;

  std::vector<std::uint32_t> palette;
  if (bits <= 8) {
    std::size_t colours = usedColours != 0 && usedColours < (1u << bits) ? usedColours : (1u << bits);
    if (position + colours * paletteEntry > dib.size()) return -1;
    for (std::size_t i = 0; i < colours; ++i) {
      const std::size_t at = position + i * paletteEntry;
      palette.push_back(Rgb(static_cast<unsigned char>(dib[at + 2]), static_cast<unsigned char>(dib[at + 1]),
                            static_cast<unsigned char>(dib[at])));
    }
    position += colours * paletteEntry;
  }

  // Pixels start where the file header says when that lies beyond the
  // headers and colours (some writers leave a gap); otherwise right after.
  const std::size_t pixelOffset = Read32(bytes, 10);
  if (pixelOffset >= 14 + position && pixelOffset - 14 <= dib.size()) position = pixelOffset - 14;

  const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
  if (position > dib.size() || stride * static_cast<std::size_t>(height) > dib.size() - position) return -1;

  picture->iWidth = static_cast<int>(width);
  picture->iHeight = static_cast<int>(height);
  picture->pixels.assign(static_cast<std::size_t>(width * height), 0xFF000000u);
  for (long long y = 0; y < height; ++y) {
    const std::string_view row = dib.substr(position + stride * static_cast<std::size_t>(y), stride);
    const long long outY = topDown ? y : height - 1 - y;
    std::uint32_t* out = &picture->pixels[static_cast<std::size_t>(outY * width)];
    for (long long x = 0; x < width; ++x) {
      const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(row[i]); };
      std::uint32_t colour = 0;
      if (bits <= 8) {
        const std::size_t bitPos = static_cast<std::size_t>(x) * bits;
        const unsigned index = (byteAt(bitPos / 8) >> (8 - bits - bitPos % 8)) & ((1u << bits) - 1);
        colour = index < palette.size() ? palette[index] : 0xFF000000u;
      } else if (bits == 24) {
        const std::size_t at = static_cast<std::size_t>(x) * 3;
        colour = Rgb(byteAt(at + 2), byteAt(at + 1), byteAt(at));
      } else {
        const std::size_t at = static_cast<std::size_t>(x) * (bits / 8);
        const std::uint32_t pixel = bits == 16 ? Read16(row, at) : Read32(row, at);
        colour = Rgb(MaskedChannel(pixel, masks[0]), MaskedChannel(pixel, masks[1]), MaskedChannel(pixel, masks[2]));
      }
      out[x] = colour;
    }
  }
  return 0;
}

int ReadBitmapFile(std::string_view path, Picture* picture) {
  *picture = Picture{};
  const std::string name(path);
  std::FILE* file = std::fopen(name.c_str(), "rb");
  if (!file) return -1;
  std::string bytes;
  char buf[65536];
  std::size_t n = 0;
  while ((n = std::fread(buf, 1, sizeof buf, file)) > 0) {
    bytes.append(buf, n);
    if (bytes.size() > PICTURE_MAX_FILE) {
      std::fclose(file);
      return -1;
    }
  }
  std::fclose(file);
  return DecodeBitmap(bytes, picture);
}
