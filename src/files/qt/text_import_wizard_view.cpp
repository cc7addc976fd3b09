#include "files/qt/text_import_wizard_view.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "files/text_import_wizard.h"
#include "resources/string_table.h"

namespace {

QString Q(const char* text) { return QString::fromUtf8(text); }

// The head of the file with its line ends as the text box knows them.
QString PreviewLines(const std::string& head) {
  QString text = QString::fromUtf8(head.data(), static_cast<qsizetype>(head.size()));
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

}  // namespace

QGroupBox* DataPreviewBox(const std::string& head) {
  auto* previewBox = new QGroupBox(Q(Text(TXT_WIZARD_PREVIEW)));
  auto* previewLayout = new QVBoxLayout(previewBox);
  auto* preview = new QPlainTextEdit(PreviewLines(head));
  preview->setReadOnly(true);
  preview->setLineWrapMode(QPlainTextEdit::NoWrap);
  preview->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  preview->setMinimumSize(480, 140);
  previewLayout->addWidget(preview);
  return previewBox;
}

int TextImportWizardView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<TextImportWizardModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(Q(Text(TXT_WIZARD_TITLE)));
  auto* layout = new QVBoxLayout(&dialog);
  auto* intro = new QLabel(Q(Text(TXT_WIZARD_INTRO)));
  intro->setWordWrap(true);
  layout->addWidget(intro);

  auto* group = new QGroupBox(Q(Text(TXT_WIZARD_SELECT)));
  auto* grid = new QGridLayout(group);
  const TextId labels[] = {TXT_WIZARD_TAB, TXT_WIZARD_SEMICOLON, TXT_WIZARD_COMMA, TXT_WIZARD_SPACE, TXT_WIZARD_OTHER};
  QRadioButton* choices[5] = {};
  for (int i = 0; i < 5; ++i) {
    choices[i] = new QRadioButton(Q(Text(labels[i])));
    grid->addWidget(choices[i], 0, i);
  }
  auto* other = new QLineEdit(QString::fromStdString(model->szOther));
  other->setMaxLength(2);
  other->setMaximumWidth(40);
  // One-byte characters only: the delimiter is a byte of the file.
  other->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[\\x20-\\x7E]{0,2}")), other));
  grid->addWidget(other, 0, 5);
  choices[model->iDelimiter >= 0 && model->iDelimiter < 5 ? model->iDelimiter : 0]->setChecked(true);
  layout->addWidget(group);

  layout->addWidget(DataPreviewBox(model->szPreview));

  auto* merge = new QCheckBox(Q(Text(TXT_WIZARD_MERGE)));
  merge->setChecked(model->bMerge != 0);
  layout->addWidget(merge);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setText(Q(Text(TXT_OK)));
  buttons->button(QDialogButtonBox::Cancel)->setText(Q(Text(TXT_CANCEL)));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);

  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  for (int i = 0; i < 5; ++i) {
    if (choices[i]->isChecked()) model->iDelimiter = i;
  }
  model->szOther = other->text().toStdString();
  model->bMerge = merge->isChecked() ? 1 : 0;
  return BUTTON_OK;
}
