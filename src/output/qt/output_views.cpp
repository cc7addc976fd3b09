#include "output/qt/output_views.h"

#include "output/print_job.h"
#include "output/qt/picture_files.h"
#include "output/qt/print_surface_qt.h"
#include "output/qt/window_painters.h"

void InstallOutputWindowSystem() {
  OutputHookSet& hooks = OutputHooks();
  hooks.pfnOpenPrinter = OpenQtPrinter;
  hooks.pfnPictureSize = WindowPictureSize;
  hooks.pfnWindowImage = WindowImagePixels;
  hooks.pfnSavePicture = SaveWindowPictureFile;
}
