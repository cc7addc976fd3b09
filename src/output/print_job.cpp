#include "output/print_job.h"

#include "platform/message_box.h"
#include "resources/string_table.h"

OutputHookSet& OutputHooks() {
  static OutputHookSet hooks;
  return hooks;
}

namespace {

void ReportError(const std::string& text) { ShowMessage(Text(TXT_CAPTION_ERROR), text); }

}  // namespace

int RunPrintJob(WindowHandle owner, const std::string& document, bool pictures, const PrintProducer& produce) {
  PrintSetupModel setup;
  if (RunCustomDialog(owner, PRINT_DIALOG, &setup) != BUTTON_OK) return 1;
  std::unique_ptr<PrintSurface> surface;
  if ((!setup.szPrinter.empty() || !setup.szOutputFile.empty()) && OutputHooks().pfnOpenPrinter) {
    surface = OutputHooks().pfnOpenPrinter(setup, document);
  }
  if (!surface) {
    ReportError(Text(TXT_PRINT_NO_PRINTER));
    return -1;
  }
  if (pictures && !surface->DrawsPictures()) {
    ReportError(Text(TXT_PRINT_NO_PICTURES));
    return -1;
  }
  PrintPreviewModel preview;
  preview.pSetup = &setup;
  preview.szDocument = document;
  preview.produce = produce;
  if (RunCustomDialog(owner, PRINT_PREVIEW_DIALOG, &preview) != BUTTON_OK) return 1;
  const int drawn = produce(*surface);
  if (surface->Finish() != 0 || drawn != 0) {
    const std::string& target = setup.szOutputFile.empty() ? setup.szPrinter : setup.szOutputFile;
    ReportError(std::string(Text(TXT_PRINT_FAILED)) + target);
    return -1;
  }
  return 0;
}
