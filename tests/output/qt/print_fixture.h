// Test support for printing: the print and preview dialogs answered by
// script with a PDF file as the printer, and the poppler tools that read
// the file back.
#pragma once

#include <cstdio>
#include <string>

#include "output/print_job.h"
#include "platform/dialogs.h"

// A paper as the print dialog gives it: its upright size in points; 0 x 0
// keeps the printer's own.
struct PaperPoints {
  int iWidth = 0;
  int iHeight = 0;
};

// Answer the print dialog with a PDF file (and the orientation and paper),
// then the preview with Print.
inline void ScriptPrintToPdf(const std::string& path, bool landscape = false, PaperPoints paper = {}) {
  DialogScriptPush(AnswerDialog(PRINT_DIALOG, [path, landscape, paper](DialogRequest& request) {
    auto* model = dynamic_cast<PrintSetupModel*>(request.pModel);
    if (!model) return static_cast<int>(BUTTON_CANCEL);
    model->szOutputFile = path;
    model->bLandscape = landscape;
    model->iPaperWidthPt = paper.iWidth;
    model->iPaperHeightPt = paper.iHeight;
    return static_cast<int>(BUTTON_OK);
  }));
  DialogScriptPush(AnswerDialog(PRINT_PREVIEW_DIALOG, [](DialogRequest& request) {
    auto* model = dynamic_cast<PrintPreviewModel*>(request.pModel);
    return model && model->produce ? static_cast<int>(BUTTON_OK) : static_cast<int>(BUTTON_CANCEL);
  }));
}

// The standard output of a command line.
inline std::string CommandOutput(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

// The value of a "Key:   value" line of pdfinfo for a file.
inline std::string PdfInfo(const std::string& path, const std::string& key) {
  const std::string info = CommandOutput("pdfinfo '" + path + "' 2>/dev/null");
  const std::size_t at = info.find(key + ":");
  if (at == std::string::npos) return {};
  std::size_t from = info.find_first_not_of(' ', at + key.size() + 1);
  return info.substr(from, info.find('\n', from) - from);
}

// The text of a PDF's pages, laid out as printed.
inline std::string PdfText(const std::string& path) { return CommandOutput("pdftotext -layout '" + path + "' - 2>/dev/null"); }
