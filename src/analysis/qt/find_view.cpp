#include "analysis/qt/find_view.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>

#include "analysis/find_command.h"
#include "analysis/trend_colour.h"
#include "resources/qt/dialog_buttons.h"
#include "resources/string_table.h"
#include "table/cell_text.h"
#include "table/colour.h"

namespace {

QString Q(const char* text) { return QString::fromUtf8(text); }

constexpr int FIND_EDIT_CHARS = 20;
constexpr int STRIP_DELAY_MS = 100;  // the strip and edit states settle after opening

// The colour strip: one line per pixel column in the hue of its x, red at
// the left ("Height") through the hues to the right ("Low").
class HueStrip final : public QWidget {
 public:
  HueStrip() { setMinimumSize(240, 16); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    for (int x = 0; x < width(); ++x) {
      const RgbColour rgb = HlsToRgb(std::min(x, 239), TREND_SATURATION, TREND_LIGHTNESS);
      p.setPen(QColor(rgb.iRed, rgb.iGreen, rgb.iBlue));
      p.drawLine(x, 0, x, height() - 1);
    }
  }
};

}  // namespace

int FindView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<FindDialogModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  FindChoice& c = model->choice;
  QDialog dialog(owner);
  dialog.setWindowTitle(Q(Text(TXT_FIND_TITLE)));
  auto* grid = new QGridLayout(&dialog);

  auto* target = new QGroupBox(Q(Text(TXT_FIND_TARGET)));
  auto* targetGrid = new QGridLayout(target);
  targetGrid->addWidget(new QLabel(Q(Text(TXT_FIND_LABEL))), 0, 0);
  auto* text = new QLineEdit(QString::fromStdString(c.szText));
  text->setMaxLength(FIND_EDIT_CHARS);
  targetGrid->addWidget(text, 0, 1, 1, 2);
  // In the order OK reads them: Equal, Above, Below, Not Equal, Between.
  const struct {
    int iMode;
    TextId iText;
  } modes[] = {{FIND_EQUAL, TXT_FIND_EQUAL},
               {FIND_ABOVE, TXT_FIND_ABOVE},
               {FIND_BELOW, TXT_FIND_BELOW},
               {FIND_NOT_EQUAL, TXT_FIND_NOT_EQUAL},
               {FIND_BETWEEN, TXT_FIND_BETWEEN}};
  QRadioButton* radios[5] = {};
  const int checkedMode =
      c.iMode == FIND_BELOW || c.iMode == FIND_ABOVE || c.iMode == FIND_NOT_EQUAL || c.iMode == FIND_BETWEEN
          ? c.iMode
          : FIND_EQUAL;
  for (int i = 0; i < 5; ++i) {
    radios[i] = new QRadioButton(Q(Text(modes[i].iText)));
    radios[i]->setChecked(modes[i].iMode == checkedMode);
    targetGrid->addWidget(radios[i], 1 + i, 0);
  }
  auto* low = new QLineEdit;
  auto* high = new QLineEdit;
  low->setMaxLength(FIND_EDIT_CHARS);
  high->setMaxLength(FIND_EDIT_CHARS);
  targetGrid->addWidget(low, 5, 1);
  targetGrid->addWidget(high, 5, 2);
  grid->addWidget(target, 0, 0);

  auto* style = new QGroupBox(Q(Text(TXT_FIND_STYLE)));
  auto* styleGrid = new QGridLayout(style);
  auto* single = new QRadioButton(Q(Text(TXT_FIND_SINGLE)));
  auto* multi = new QRadioButton(Q(Text(TXT_FIND_MULTI)));
  single->setChecked(c.iStyle == HIGHLIGHT_SINGLE);
  multi->setChecked(c.iStyle != HIGHLIGHT_SINGLE);
  styleGrid->addWidget(single, 0, 0);
  styleGrid->addWidget(multi, 0, 1);
  auto* colour = new QPushButton(Q(Text(TXT_FIND_SET_COLOUR)));
  styleGrid->addWidget(colour, 0, 2);
  auto* strip = new HueStrip;
  styleGrid->addWidget(strip, 1, 0, 1, 3);
  styleGrid->addWidget(new QLabel(Q(Text(TXT_TREND_HEIGHT))), 2, 0);
  auto* value = new QLabel(Q(Text(TXT_TREND_DATA_VALUE)));
  value->setAlignment(Qt::AlignCenter);
  styleGrid->addWidget(value, 2, 1);
  auto* lowLabel = new QLabel(Q(Text(TXT_TREND_LOW)));
  lowLabel->setAlignment(Qt::AlignRight);
  styleGrid->addWidget(lowLabel, 2, 2);
  grid->addWidget(style, 1, 0);

  QRadioButton* between = radios[4];
  // The edits follow the checked condition: Between takes two bounds
  // (filled from the first selected cell), the others the find text.
  auto followCondition = [&] {
    const bool range = between->isChecked();
    low->setReadOnly(!range);
    high->setReadOnly(!range);
    text->setReadOnly(range);
    const QString bound = range ? QString::fromStdString(model->szRangeText) : QString();
    low->setText(bound);
    high->setText(bound);
    if (range) low->setFocus();
  };
  for (QRadioButton* radio : radios) QObject::connect(radio, &QRadioButton::clicked, followCondition);
  // A text that is no number can only be searched for.
  auto followText = [&] {
    const std::string typed = text->text().toStdString();
    const bool number = CellIsText(typed) == 0;
    if (!number) radios[0]->setChecked(true);
    for (int i = 1; i < 5; ++i) radios[i]->setEnabled(number);
    for (QWidget* w : std::initializer_list<QWidget*>{low, high, single, multi, colour, strip}) w->setEnabled(number);
    if (!number) {
      low->clear();
      high->clear();
    }
    strip->update();
  };
  QObject::connect(text, &QLineEdit::textChanged, followText);
  QObject::connect(colour, &QPushButton::clicked, [&] {
    if (model->pfnChooseColour && model->pfnChooseColour(&model->iRgb)) single->setChecked(true);
  });
  low->setReadOnly(true);
  high->setReadOnly(true);
  text->setFocus();
  followText();
  QTimer::singleShot(STRIP_DELAY_MS, &dialog, [&] {
    followCondition();
    followText();
  });

  grid->addWidget(OkCancelButtons(dialog), 2, 0);
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  for (int i = 4; i >= 0; --i) {
    if (radios[i]->isChecked()) c.iMode = modes[i].iMode;
  }
  c.szText = text->text().toStdString();
  c.szLow = low->text().toStdString();
  c.szHigh = high->text().toStdString();
  c.iStyle = single->isChecked() ? HIGHLIGHT_SINGLE : HIGHLIGHT_SCALE;
  return BUTTON_OK;
}
