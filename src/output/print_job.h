// One print job: the print dialog (a program dialog that the window system
// shows with its printer choice and that tests answer by script), the
// preview of the pages, and the surface a printout draws on. Printing to a
// PDF file is always offered, so a machine without a printer still prints.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "platform/window.h"

struct ClipboardImage;

inline constexpr char PRINT_DIALOG[] = "Print";
inline constexpr char PRINT_PREVIEW_DIALOG[] = "Print preview";

// The printer chosen in the print dialog: a printer's name or a PDF file
// (the file wins when both are set); neither means no printer. The paper
// is its upright size in points (1/72 inch); 0 keeps the printer's own.
class PrintSetupModel : public DialogModel {
 public:
  std::string szPrinter;
  std::string szOutputFile;
  bool bLandscape = false;
  int iPaperWidthPt = 0;
  int iPaperHeightPt = 0;
};

// What a printout draws on: pages of a printer, in logical units mapped
// isotropically onto the page.
class PrintSurface {
 public:
  virtual ~PrintSurface() = default;
  // The page in device pixels (the printer's HORZRES and VERTRES).
  virtual int PageWidth() const = 0;
  virtual int PageHeight() const = 0;
  // The screen's width in pixels.
  virtual int ScreenWidth() const = 0;
  // Whether the printer takes pictures (raster output).
  virtual bool DrawsPictures() const = 0;
  // Start the next page (the first call starts the document); 0 or -1.
  virtual int StartPage() = 0;
  // Map a window of width x height logical units onto the page, keeping
  // the aspect, from the page's top-left corner.
  virtual void SetIsotropicWindow(int width, int height) = 0;
  // Lines and text in black; text in a font `height` units high, normal
  // weight, on opaque white, anchored at its top-left corner.
  virtual void DrawLine(int x0, int y0, int x1, int y1) = 0;
  virtual void SetTextHeight(int height) = 0;
  virtual void DrawText(int x, int y, std::string_view text) = 0;
  // Play a window's own painting into the rectangle 0..width x 0..height.
  virtual void DrawWindowPicture(WindowHandle hwnd, int width, int height) = 0;
  // End the document; 0, or -1 when the output could not be written.
  virtual int Finish() = 0;
};

// Draws a printout's pages on a surface; 0 or -1.
using PrintProducer = std::function<int(PrintSurface& surface)>;

// The preview shows the pages the producer draws on the chosen printer's
// page; OK prints them, Cancel prints nothing.
class PrintPreviewModel : public DialogModel {
 public:
  const PrintSetupModel* pSetup = nullptr;
  std::string szDocument;
  PrintProducer produce;
};

// The window system's side of printing and pictures, set at start-up.
struct OutputHookSet {
  // A surface on the printer or file of `setup` for a document named
  // `document`; null when it cannot be opened.
  std::unique_ptr<PrintSurface> (*pfnOpenPrinter)(const PrintSetupModel& setup, const std::string& document) = nullptr;
  // The client size of a chart or 3D plot window; 0, or -1 for another window.
  int (*pfnPictureSize)(WindowHandle hwnd, int* width, int* height) = nullptr;
  // Paint a window into a 32-bit image of its client size: 0; -1 when no
  // painting context could be had, -2 when no image of that size.
  int (*pfnWindowImage)(WindowHandle hwnd, ClipboardImage* image) = nullptr;
  // Write a window's picture at its client size as PNG, SVG or PDF (by the
  // path's extension, PNG otherwise); 0 or -1.
  int (*pfnSavePicture)(WindowHandle hwnd, const std::string& path) = nullptr;
};

OutputHookSet& OutputHooks();

// Run a print job: the print dialog, the preview, then the pages. 0
// printed; 1 cancelled in a dialog (nothing printed, nothing said); -1
// failed after telling the user ("Cannot find printer" when the dialog
// gave no printer). `pictures`: the printout plays window pictures, which
// a printer without raster output refuses.
int RunPrintJob(WindowHandle owner, const std::string& document, bool pictures, const PrintProducer& produce);
