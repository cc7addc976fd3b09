// A chart's or 3D plot's picture: printed on one page, copied to the
// clipboard as an image, or saved as a PNG, SVG or PDF file. The window's
// own paint routine draws it (the window system's side, OutputHooks).
#pragma once

#include <string>

#include "output/print_job.h"
#include "platform/window.h"

// The page of a window's picture of width x height: the picture from the
// page's top-left corner, as wide as the page (or as high, for a picture
// relatively taller than the page).
PrintProducer WindowPictureProducer(WindowHandle hwnd, int width, int height);

// "Print": the picture on one page as the document "PrintAccess", filling
// the page width and keeping its proportions (a picture relatively taller
// than the page fills the page height instead, never cut off). 0, 1
// cancelled, -1 failed.
int PrintWindowPicture(WindowHandle hwnd);

// "Copy": the client as an image on the clipboard, replacing what it held.
// 0, or -1 after "hDCCompatible = 0" or "hbmMemory = 0".
int CopyWindowBitmap(WindowHandle hwnd);

// "Save picture as ...": ask for a PNG, SVG or PDF file and write the
// picture at the client's size. 0, 1 cancelled, -1 failed (reported).
int SaveWindowPicture(WindowHandle hwnd);

// The file type a picture path names by its extension (any letter case):
// "svg", "pdf", or "png" for anything else.
std::string PictureKindOf(const std::string& path);
