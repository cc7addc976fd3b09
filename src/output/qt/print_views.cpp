#include "output/qt/print_views.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include "output/print_job.h"
#include "output/qt/print_surface_qt.h"
#include "platform/file_dialogs.h"
#include "resources/qt/dialog_buttons.h"
#include "resources/qt/text_qt.h"
#include "resources/string_table.h"

namespace {


}  // namespace

// Without any printer the dialog offers printing to a PDF file in the
// folder of the last file dialog.
int PrintDialogView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<PrintSetupModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QPrinter printer(QPrinter::HighResolution);
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(FileDialogFolder() + "/print.pdf"));
  }
  QPrintDialog dialog(&printer, owner);
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
  model->szOutputFile = toFile ? printer.outputFileName().toStdString() : std::string();
  model->szPrinter = toFile ? std::string() : printer.printerName().toStdString();
  model->bLandscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
  const QSize paper = printer.pageLayout().pageSize().sizePoints();
  model->iPaperWidthPt = paper.width();
  model->iPaperHeightPt = paper.height();
  return BUTTON_OK;
}

int PrintPreviewView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<PrintPreviewModel*>(request.pModel);
  if (!model || !model->pSetup || !model->produce) return BUTTON_CANCEL;
  QPrinter printer(QPrinter::HighResolution);
  ConfigurePrinter(printer, *model->pSetup, model->szDocument);
  QDialog dialog(owner);
  dialog.setWindowTitle(TextQ(TXT_PRINT_PREVIEW_TITLE));
  dialog.resize(720, 860);
  auto* layout = new QVBoxLayout(&dialog);
  auto* preview = new QPrintPreviewWidget(&printer, &dialog);
  QObject::connect(preview, &QPrintPreviewWidget::paintRequested, &dialog, [model](QPrinter* target) {
    std::unique_ptr<PrintSurface> surface = SurfaceOnPrinter(*target);
    model->produce(*surface);
    surface->Finish();
  });
  auto* tools = new QHBoxLayout;
  auto* fit = new QPushButton(QStringLiteral("↔"));
  auto* zoomIn = new QPushButton(QStringLiteral("+"));
  auto* zoomOut = new QPushButton(QStringLiteral("−"));
  auto* all = new QPushButton(QStringLiteral("▦"));
  QObject::connect(fit, &QPushButton::clicked, preview, &QPrintPreviewWidget::fitToWidth);
  QObject::connect(zoomIn, &QPushButton::clicked, preview, [preview] { preview->zoomIn(); });
  QObject::connect(zoomOut, &QPushButton::clicked, preview, [preview] { preview->zoomOut(); });
  QObject::connect(all, &QPushButton::clicked, preview, &QPrintPreviewWidget::setAllPagesViewMode);
  for (QPushButton* button : {fit, zoomIn, zoomOut, all}) tools->addWidget(button);
  tools->addStretch();
  layout->addLayout(tools);
  layout->addWidget(preview, 1);
  QDialogButtonBox* buttons = OkCancelButtons(dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(TextQ(TXT_MENU_PRINT));
  layout->addWidget(buttons);
  preview->fitToWidth();
  return dialog.exec() == QDialog::Accepted ? BUTTON_OK : BUTTON_CANCEL;
}
