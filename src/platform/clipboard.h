// The clipboard: text (UTF-8) and images.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

void ClipboardSetText(std::string_view text);
std::string ClipboardGetText();

// An image as 32-bit 0xAARRGGBB pixels, row by row from the top.
struct ClipboardImage {
  int iWidth = 0;
  int iHeight = 0;
  std::vector<std::uint32_t> pixels;
};

// Replace what the clipboard holds with an image. The pixels move to the
// clipboard when the caller gives them up (std::move): a window-sized
// image is not copied again.
void ClipboardSetImage(ClipboardImage image);
// The clipboard's image; an empty one (0 x 0) when it holds none.
ClipboardImage ClipboardGetImage();
