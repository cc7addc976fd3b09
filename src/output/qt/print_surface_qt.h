// The print surface on a Qt printer: a PDF file or a printer of the
// system, painted with QPainter; window pictures are drawn onto the page
// by the window's own painter, mapped from its pixels.
#pragma once

#include <memory>
#include <string>

#include "output/print_job.h"

class QPrinter;

// Set up a printer for the choice in `setup` (a PDF file or a named
// printer) and the document name.
void ConfigurePrinter(QPrinter& printer, const PrintSetupModel& setup, const std::string& document);

// A surface drawing on `printer`, which must outlive it.
std::unique_ptr<PrintSurface> SurfaceOnPrinter(QPrinter& printer);

// A surface owning a printer set up for `setup`; null when neither a file
// nor a known printer was chosen.
std::unique_ptr<PrintSurface> OpenQtPrinter(const PrintSetupModel& setup, const std::string& document);
