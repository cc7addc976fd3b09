#include "output/window_picture.h"

#include <algorithm>
#include <cctype>

#include "output/print_job.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "resources/string_table.h"

namespace {

void ReportError(const std::string& text) { ShowMessage(Text(TXT_CAPTION_ERROR), text); }

}  // namespace

PrintProducer WindowPictureProducer(WindowHandle hwnd, int width, int height) {
  return [hwnd, width, height](PrintSurface& surface) {
    if (surface.StartPage() != 0) return -1;
    const int pageHeight = static_cast<int>(static_cast<long long>(width) * surface.PageHeight() /
                                            std::max(surface.PageWidth(), 1));
    // A picture relatively taller than the page fills its height instead
    // of running off the bottom.
    surface.SetIsotropicWindow(width, std::max(height, pageHeight));
    surface.DrawWindowPicture(hwnd, width, height);
    return 0;
  };
}

int PrintWindowPicture(WindowHandle hwnd) {
  int width = 0;
  int height = 0;
  if (!OutputHooks().pfnPictureSize || OutputHooks().pfnPictureSize(hwnd, &width, &height) != 0) return -1;
  if (width <= 0 || height <= 0) return -1;
  return RunPrintJob(hwnd, "PrintAccess", true, WindowPictureProducer(hwnd, width, height));
}

int CopyWindowBitmap(WindowHandle hwnd) {
  ClipboardImage image;
  const int status = OutputHooks().pfnWindowImage ? OutputHooks().pfnWindowImage(hwnd, &image) : -1;
  if (status != 0) {
    ReportError(Text(status == -2 ? TXT_COPY_NO_BITMAP : TXT_COPY_NO_CONTEXT));
    return -1;
  }
  ClipboardSetImage(std::move(image));
  return 0;
}

std::string PictureKindOf(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "png";
  std::string ext = path.substr(dot + 1);
  for (char& ch : ext) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return ext == "svg" || ext == "pdf" ? ext : "png";
}

int SaveWindowPicture(WindowHandle hwnd) {
  DialogRequest request;
  request.kind = DIALOG_SAVE_FILE;
  request.hOwner = hwnd;
  request.filters = {{Text(TXT_SAVE_PICTURE_PNG), "*.png"},
                     {Text(TXT_SAVE_PICTURE_SVG), "*.svg"},
                     {Text(TXT_SAVE_PICTURE_PDF), "*.pdf"}};
  request.szDefaultExt = "png";
  request.szStartDir = FileDialogFolder();
  request.bPromptOverwrite = true;
  if (RunDialog(request) != BUTTON_OK || request.szPath.empty()) return 1;
  // A name without an extension is written as PNG and named so.
  const std::size_t dot = request.szPath.rfind('.');
  const std::size_t slash = request.szPath.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) request.szPath += ".png";
  std::string dir;
  std::string name;
  SplitPath(request.szPath, &dir, &name);
  FileDialogRememberFolder(dir);
  if (!OutputHooks().pfnSavePicture || OutputHooks().pfnSavePicture(hwnd, request.szPath) != 0) {
    ReportError(std::string(Text(TXT_SAVE_PICTURE_FAILED)) + request.szPath);
    return -1;
  }
  return 0;
}
