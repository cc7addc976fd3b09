// A window's picture as an image (for the clipboard) and as PNG, SVG or
// PDF files, drawn by the window's own painter at its client size.
#pragma once

#include <string>

#include "platform/clipboard.h"
#include "platform/window.h"

class QImage;

// The client painted into an ARGB32 image; a null image when the window
// has no painter or no client.
QImage WindowImage(WindowHandle hwnd);

// The client as clipboard pixels: 0; -1 no painter for the window; -2 no
// image of the client's size.
int WindowImagePixels(WindowHandle hwnd, ClipboardImage* out);

// Write the picture to `path` as PNG, SVG or PDF (by its extension); 0 or -1.
int SaveWindowPictureFile(WindowHandle hwnd, const std::string& path);
