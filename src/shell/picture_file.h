// Reading a Windows bitmap file (the welcome picture "CVLib/Root.bmp").
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// A decoded picture: rows top to bottom, pixels 0xFFRRGGBB.
struct Picture {
  int iWidth = 0;
  int iHeight = 0;
  std::vector<std::uint32_t> pixels;
};

inline constexpr int PICTURE_MAX_SIDE = 8192;
inline constexpr std::size_t PICTURE_MAX_FILE = 64u << 20;

// Decode the bytes of a bitmap file: a 14-byte file header starting "BM",
// then a 12-byte core header or a 40-byte-or-longer info header, a colour
// table for 1, 4 and 8 bits, and uncompressed rows of 1, 4, 8, 16, 24 or 32
// bits. Returns -1 (picture empty) for anything else or anything cut short.
int DecodeBitmap(std::string_view bytes, Picture* picture);

// Read and decode a bitmap file; -1 (picture empty) when it is missing,
// unreadable or larger than PICTURE_MAX_FILE.
int ReadBitmapFile(std::string_view path, Picture* picture);
