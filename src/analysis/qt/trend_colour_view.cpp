#include "analysis/qt/trend_colour_view.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QSlider>

#include "analysis/trend_colour.h"
#include "analysis/trend_colour_command.h"
#include "resources/qt/dialog_buttons.h"
#include "resources/string_table.h"
#include "table/colour.h"

namespace {

QString Q(const char* text) { return QString::fromUtf8(text); }

// A colour of the program's own hue scale.
QColor HueColour(int hue) {
  const RgbColour rgb = HlsToRgb(hue, TREND_SATURATION, TREND_LIGHTNESS);
  return QColor(rgb.iRed, rgb.iGreen, rgb.iBlue);
}

// The preview strip: one step per hue from H1 to H2 - 2, then H2 up to the
// right edge.
class HueStrip final : public QWidget {
 public:
  explicit HueStrip(const TrendDialogModel& model) : model_(model) { setMinimumSize(200, 16); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const int step = TrendStripStep(width(), model_.iHueStart, model_.iHueEnd);
    int x = 0;
    for (int hue = model_.iHueStart; hue <= model_.iHueEnd - 2 && x < width(); ++hue, x += step) {
      p.fillRect(x, 0, step, height(), HueColour(hue));
    }
    if (x < width()) p.fillRect(x, 0, width() - x, height(), HueColour(model_.iHueEnd));
  }

 private:
  const TrendDialogModel& model_;
};

}  // namespace

int TrendColourView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<TrendDialogModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(Q(Text(TXT_TREND_TITLE)));
  auto* grid = new QGridLayout(&dialog);

  auto* colours = new QGroupBox(Q(Text(TXT_TREND_COLOUR_SET)));
  auto* colourGrid = new QGridLayout(colours);
  colourGrid->addWidget(new QLabel(Q(Text(TXT_TREND_HUE))), 0, 0);
  auto* start = new QSlider(Qt::Horizontal);
  start->setRange(0, TREND_HUE_START_MAX);
  start->setValue(model->iHueStart);
  auto* end = new QSlider(Qt::Horizontal);
  end->setRange(0, TREND_HUE_END_MAX - TREND_HUE_END_MIN);
  end->setValue(model->iHueEnd - TREND_HUE_END_MIN);
  colourGrid->addWidget(start, 0, 1);
  colourGrid->addWidget(end, 0, 2);
  auto* strip = new HueStrip(*model);
  colourGrid->addWidget(strip, 1, 0, 1, 3);
  colourGrid->addWidget(new QLabel(Q(Text(TXT_TREND_HEIGHT))), 2, 0);
  auto* value = new QLabel(Q(Text(TXT_TREND_DATA_VALUE)));
  value->setAlignment(Qt::AlignCenter);
  colourGrid->addWidget(value, 2, 1);
  auto* low = new QLabel(Q(Text(TXT_TREND_LOW)));
  low->setAlignment(Qt::AlignRight);
  colourGrid->addWidget(low, 2, 2);
  auto* relief = new QCheckBox(Q(Text(TXT_TREND_SHADED)));
  relief->setChecked(model->bRelief);
  colourGrid->addWidget(relief, 3, 0, 1, 3);
  grid->addWidget(colours, 0, 0);

  auto* relevance = new QGroupBox(Q(Text(TXT_TREND_RELEVANCE)));
  auto* relevanceGrid = new QGridLayout(relevance);
  const struct {
    int iMode;
    TextId iText;
  } modes[] = {{TREND_ALL_DATA, TXT_TREND_ALL_DATA}, {TREND_ROW, TXT_TREND_ROW}, {TREND_COLUMN, TXT_TREND_COLUMN}};
  QRadioButton* radios[3] = {};
  for (int i = 0; i < 3; ++i) {
    radios[i] = new QRadioButton(Q(Text(modes[i].iText)));
    radios[i]->setChecked(model->iCompareMode == modes[i].iMode);
    relevanceGrid->addWidget(radios[i], i, 0);
  }
  grid->addWidget(relevance, 1, 0);

  // The hues follow the thumbs; a released thumb stores both in the table.
  auto follow = [&] {
    model->iHueStart = start->value();
    model->iHueEnd = end->value() + TREND_HUE_END_MIN;
    strip->update();
  };
  auto store = [&] {
    follow();
    if (model->pfnStoreHues) model->pfnStoreHues(model->iHueStart, model->iHueEnd);
  };
  QObject::connect(start, &QSlider::valueChanged, follow);
  QObject::connect(end, &QSlider::valueChanged, follow);
  QObject::connect(start, &QSlider::sliderReleased, store);
  QObject::connect(end, &QSlider::sliderReleased, store);

  auto* buttons = OkCancelButtons(dialog);
  grid->addWidget(buttons, 2, 0);
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  follow();
  for (int i = 0; i < 3; ++i) {
    if (radios[i]->isChecked()) model->iCompareMode = modes[i].iMode;
  }
  model->bRelief = relief->isChecked();
  return BUTTON_OK;
}
