#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/colour_dialog.h"
#include "plots/plot3d_dialogs.h"
#include "plots/qt/plot3d_view.h"
#include "plots/qt/plot_canvas.h"
#include "resources/qt/dialog_buttons.h"
#include "resources/string_table.h"

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
QString Q(const char* text) { return QString::fromUtf8(text); }

// A trackbar of 1..240 with its caption.
QSlider* SizeSlider(int value) {
  auto* slider = new QSlider(Qt::Horizontal);
  slider->setRange(1, PLOT3D_GRID);
  slider->setValue(value);
  slider->setMinimumWidth(260);
  return slider;
}

// The lightness preview: hues across the strip at saturation 240 and the
// lightness of the thumb.
class LightnessStrip : public QWidget {
 public:
  explicit LightnessStrip(QSlider* slider) : slider_(slider) { setMinimumSize(160, 14); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const int lightness = std::clamp(slider_->value() + 40, 0, 240);
    for (int x = 0; x < width(); ++x) FillBox(p, x, 0, x + 1, height(), HslColour(x % 240, 240, lightness));
  }

 private:
  QSlider* slider_;
};

QComboBox* ChoiceBox(const std::vector<std::string>& choices, const std::string& current) {
  auto* box = new QComboBox;
  for (const std::string& c : choices) box->addItem(Q(c));
  const int at = box->findText(Q(current));
  box->setCurrentIndex(at >= 0 ? at : box->findText(QStringLiteral("0")));
  return box;
}

}  // namespace

int Plot3DPerformanceView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<Plot3DPerformanceModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(Q(Text(TXT_PLOT3D_PERF_TITLE)));
  auto* grid = new QGridLayout(&dialog);
  QSlider* rows = SizeSlider(model->iRows);
  QSlider* cols = SizeSlider(model->iCols);
  auto* size = new QLabel;
  auto* rowsText = new QLabel;
  auto* colsText = new QLabel;
  auto* mode = new QLabel;
  grid->addWidget(new QLabel(Q(Text(TXT_PLOT3D_PERF_ROW))), 0, 0);
  grid->addWidget(rows, 0, 1);
  grid->addWidget(rowsText, 0, 2);
  grid->addWidget(new QLabel(Q(Text(TXT_PLOT3D_PERF_COL))), 1, 0);
  grid->addWidget(cols, 1, 1);
  grid->addWidget(colsText, 1, 2);
  grid->addWidget(size, 2, 0, 1, 3);
  grid->addWidget(mode, 3, 0, 1, 3);
  auto refresh = [&] {
    model->iRows = rows->value();
    model->iCols = cols->value();
    const Plot3DPerformanceTexts texts = Plot3DPerformanceTextsFor(model->iRows, model->iCols);
    size->setText(Q(texts.szSize));
    rowsText->setText(Q(texts.szRows));
    colsText->setText(Q(texts.szCols));
    mode->setText(Q(texts.szMode));
  };
  QObject::connect(rows, &QSlider::valueChanged, refresh);
  QObject::connect(cols, &QSlider::valueChanged, refresh);
  refresh();
  grid->addWidget(OkCancelButtons(dialog), 4, 0, 1, 3);
  return dialog.exec() == QDialog::Accepted ? BUTTON_OK : BUTTON_CANCEL;
}

int Plot3DOptionsView(QWidget* owner, DialogRequest& request) {
  auto* m = dynamic_cast<Plot3DOptionsModel*>(request.pModel);
  if (!m) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(Q(Text(TXT_PLOT3D_OPTIONS_TITLE)));
  auto* grid = new QGridLayout(&dialog);
  const bool coords = m->bCoordinateMode;

  // Colouring.
  auto* colouring = new QGroupBox(Q(Text(TXT_PLOT3D_OPT_COLORING)));
  auto* cl = new QVBoxLayout(colouring);
  auto* surface = new QRadioButton(Q(Text(TXT_PLOT3D_OPT_SURFACE_COLOR)));
  auto* falseColour = new QRadioButton(Q(Text(TXT_PLOT3D_OPT_FALSE_COLOR)));
  auto* custom = new QRadioButton(Q(Text(TXT_PLOT3D_OPT_CUSTOM_COLOR)));
  auto* pick = new QPushButton(Q(Text(TXT_PLOT3D_OPT_SELECT_COLOR)));
  for (QWidget* w : {static_cast<QWidget*>(surface), static_cast<QWidget*>(falseColour), static_cast<QWidget*>(custom),
                     static_cast<QWidget*>(pick)}) {
    cl->addWidget(w);
  }
  (m->iColouring == 1192 ? surface : m->iColouring == 1206 ? custom : falseColour)->setChecked(true);
  QObject::connect(pick, &QPushButton::clicked, [&] {
    int rgb = m->iCustomRgb;
    if (ChooseColour(WindowHandle::None, &rgb) == 0) {
      m->iCustomRgb = rgb;
      custom->setChecked(true);
    }
  });
  grid->addWidget(colouring, 0, 0, 3, 1);

  // Smoothing lists.
  QComboBox* colourSmooth = ChoiceBox(Plot3DColourSmoothChoices(m->iMinSide), m->szColourSmooth);
  QComboBox* dataSmooth = ChoiceBox(Plot3DDataSmoothChoices(m->iMinSide), m->szDataSmooth);
  grid->addWidget(new QLabel(Q(Text(TXT_PLOT3D_OPT_COLOR_SMOOTH))), 0, 1);
  grid->addWidget(colourSmooth, 0, 2);
  grid->addWidget(new QLabel(Q(Text(TXT_PLOT3D_OPT_DATA_SMOOTH))), 1, 1);
  grid->addWidget(dataSmooth, 1, 2);

  // Lightness with its preview strip.
  auto* lightness = new QSlider(Qt::Horizontal);
  lightness->setRange(0, 160);
  lightness->setValue(m->iLightnessPos);
  auto* strip = new LightnessStrip(lightness);
  QObject::connect(lightness, &QSlider::sliderReleased, strip, qOverload<>(&QWidget::update));
  QTimer::singleShot(100, strip, qOverload<>(&QWidget::update));
  grid->addWidget(new QLabel(Q(Text(TXT_PLOT3D_OPT_LIGHTNESS))), 2, 1);
  grid->addWidget(lightness, 2, 2);
  grid->addWidget(strip, 3, 1, 1, 2);

  // Background, grid, Z scale, centre mark.
  auto* background = new QPushButton(Q(Text(TXT_PLOT3D_OPT_BACKGROUND)));
  auto* artificial = new QCheckBox(Q(Text(TXT_PLOT3D_OPT_ARTIFICIAL)));
  artificial->setChecked(m->bArtificial);
  QObject::connect(background, &QPushButton::clicked, [&] {
    int rgb = m->iBackgroundRgb;
    if (ChooseColour(WindowHandle::None, &rgb) == 0) {
      m->iBackgroundRgb = rgb;
      artificial->setChecked(false);
    }
  });
  auto* showGrid = new QCheckBox(Q(Text(TXT_PLOT3D_OPT_GRID)));
  showGrid->setChecked(m->bGrid);
  showGrid->setEnabled(m->iMinSide <= 120 && !coords);
  auto* mark = new QCheckBox(Q(Text(TXT_PLOT3D_OPT_MARK)));
  mark->setChecked(m->bMarkCentre);
  grid->addWidget(background, 4, 0);
  grid->addWidget(artificial, 5, 0);
  grid->addWidget(showGrid, 6, 0);
  grid->addWidget(mark, 7, 0);
  auto* zScale = new QGroupBox(Q(m->szPrefix + Text(TXT_PLOT3D_OPT_SCALE_CONTROL)));
  auto* zl = new QVBoxLayout(zScale);
  auto* fit = new QRadioButton(Q(Text(TXT_PLOT3D_OPT_FIT)));
  auto* user = new QRadioButton(Q(Text(TXT_PLOT3D_OPT_USER)));
  zl->addWidget(fit);
  zl->addWidget(user);
  (m->bAutoZ ? fit : user)->setChecked(true);
  grid->addWidget(zScale, 4, 1, 2, 1);

  // Style.
  auto* style = new QGroupBox(Q(Text(TXT_PLOT3D_OPT_PLOT)));
  auto* sl = new QVBoxLayout(style);
  struct StyleButton {
    int iStyle;
    QRadioButton* button;
  };
  const char* scatterText = coords ? Text(m->bZDeclared ? TXT_PLOT3D_OPT_BUBBLE : TXT_PLOT3D_OPT_XYZ)
                                   : Text(TXT_PLOT3D_OPT_SCATTER);
  StyleButton styles[] = {{PLOT3D_HISTOGRAM, new QRadioButton(Q(Text(TXT_PLOT3D_OPT_BARCHART)))},
                          {PLOT3D_SURFACE, new QRadioButton(Q(Text(TXT_PLOT3D_OPT_SURFACE)))},
                          {PLOT3D_FAST_SURFACE, new QRadioButton(Q(Text(TXT_PLOT3D_OPT_FAST)))},
                          {PLOT3D_SCATTER, new QRadioButton(Q(scatterText))}};
  for (StyleButton& s : styles) {
    sl->addWidget(s.button);
    s.button->setChecked(s.iStyle == m->iStyle);
    if (coords && s.iStyle != PLOT3D_SCATTER) s.button->setEnabled(false);
  }
  grid->addWidget(style, 4, 2, 4, 1);
  if (coords) {
    for (QWidget* w : {static_cast<QWidget*>(colourSmooth), static_cast<QWidget*>(dataSmooth),
                       static_cast<QWidget*>(surface), static_cast<QWidget*>(custom), static_cast<QWidget*>(pick),
                       static_cast<QWidget*>(lightness), static_cast<QWidget*>(strip)}) {
      w->setEnabled(false);
    }
  }

  auto* buttons = OkCancelButtons(dialog);
  QPushButton* byDefault = buttons->addButton(Q(Text(TXT_PLOT3D_OPT_DEFAULT)), QDialogButtonBox::ResetRole);
  QObject::connect(byDefault, &QPushButton::clicked, [&] {
    m->bDefault = true;
    dialog.accept();
  });
  grid->addWidget(buttons, 8, 0, 1, 3);
  if (dialog.exec() != QDialog::Accepted) return BUTTON_CANCEL;
  m->iColouring = surface->isChecked() ? 1192 : custom->isChecked() ? 1206 : 1193;
  m->szColourSmooth = colourSmooth->currentText().toStdString();
  m->szDataSmooth = dataSmooth->currentText().toStdString();
  m->iLightnessPos = lightness->value();
  m->bArtificial = artificial->isChecked();
  m->bGrid = showGrid->isChecked();
  m->bAutoZ = fit->isChecked();
  m->bMarkCentre = mark->isChecked();
  for (const StyleButton& s : styles) {
    if (s.button->isChecked()) m->iStyle = s.iStyle;
  }
  return BUTTON_OK;
}
