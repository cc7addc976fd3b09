#include "sources/qt/plugin_views.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QCheckBox>
#include <QVBoxLayout>

#include <array>

#include "platform/notices.h"
#include "resources/qt/dialog_buttons.h"
#include "resources/string_table.h"
#include "sources/plugin_dialog.h"

namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Show, enable or hide widgets as a control state says.
void ApplyState(PluginControlState state, std::initializer_list<QWidget*> widgets) {
  for (QWidget* widget : widgets) {
    widget->setVisible(state != CONTROL_HIDDEN);
    widget->setEnabled(state == CONTROL_ENABLED);
  }
}

// A read-only box of text.
QPlainTextEdit* ReadOnlyText(int height) {
  auto* box = new QPlainTextEdit;
  box->setReadOnly(true);
  box->setFixedHeight(height);
  return box;
}

// The widgets of the function dialog, filled from and read back into the
// model.
class FunctionDialog {
 public:
  FunctionDialog(QWidget* owner, PluginFunctionModel& model) : dialog_(owner), model_(model) { Build(); }
  int Run() { return dialog_.exec() == QDialog::Accepted ? BUTTON_OK : BUTTON_CANCEL; }

 private:
  void Build() {
    dialog_.setWindowTitle(Q(Text(TXT_PLUGIN_DIALOG_TITLE)));
    auto* layout = new QVBoxLayout(&dialog_);
    auto* about = new QGroupBox(Q(Text(TXT_PLUGIN_ABOUT_BOX)));
    auto* aboutLayout = new QVBoxLayout(about);
    auto* aboutText = ReadOnlyText(70);
    aboutText->setPlainText(Q(model_.szAbout));
    aboutLayout->addWidget(aboutText);
    layout->addWidget(about);
    layout->addLayout(BuildChoosers());
    auto* description = new QGroupBox(Q(Text(TXT_PLUGIN_DESCRIPTION)));
    auto* descriptionLayout = new QVBoxLayout(description);
    description_ = ReadOnlyText(60);
    descriptionLayout->addWidget(description_);
    layout->addWidget(description);
    auto* controls = new QGridLayout;
    controls->addWidget(BuildToggles(radioGroup_, radios_), 0, 0);
    controls->addWidget(BuildToggles(checkGroup_, checks_), 0, 1);
    controls->addLayout(BuildLists(), 1, 0, 1, 2);
    controls->addLayout(BuildParameters(), 2, 0, 1, 2);
    layout->addLayout(controls);
    QDialogButtonBox* buttons = OkCancelButtons(dialog_);
    QObject::disconnect(buttons, &QDialogButtonBox::accepted, &dialog_, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::accepted, [this] { Accept(); });
    layout->addWidget(buttons);
    ShowForm();
  }

  QGridLayout* BuildChoosers() {
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(Q(Text(TXT_PLUGIN_SELECT_FUNCTION))), 0, 0);
    functions_ = new QComboBox;
    for (const std::string& name : model_.functionNames) functions_->addItem(Q(name));
    functions_->setCurrentIndex(model_.iFunction);
    QObject::connect(functions_, &QComboBox::activated, [this](int index) { PickFunction(index); });
    grid->addWidget(functions_, 0, 1);
    grid->addWidget(new QLabel(Q(Text(TXT_PLUGIN_DECIMALS))), 0, 2);
    decimals_ = new QComboBox;
    for (const std::string& choice : PluginDecimalChoices()) decimals_->addItem(Q(choice));
    decimals_->setCurrentIndex(model_.iDecimals);
    grid->addWidget(decimals_, 0, 3);
    grid->setColumnStretch(1, 1);
    return grid;
  }

  template <typename Button, std::size_t N>
  QGroupBox* BuildToggles(QGroupBox*& group, std::array<Button*, N>& buttons) {
    group = new QGroupBox;
    auto* layout = new QVBoxLayout(group);
    for (Button*& button : buttons) {
      button = new Button;
      layout->addWidget(button);
    }
    return group;
  }

  QGridLayout* BuildLists() {
    auto* grid = new QGridLayout;
    for (std::size_t k = 0; k < listLabels_.size(); ++k) {
      listLabels_[k] = new QLabel;
      lists_[k] = new QComboBox;
      grid->addWidget(listLabels_[k], 0, static_cast<int>(2 * k));
      grid->addWidget(lists_[k], 0, static_cast<int>(2 * k + 1));
    }
    return grid;
  }

  QGridLayout* BuildParameters() {
    auto* grid = new QGridLayout;
    for (std::size_t k = 0; k < parameters_.size(); ++k) {
      parameterLabels_[k] = new QLabel;
      parameters_[k] = new QLineEdit;
      grid->addWidget(parameterLabels_[k], static_cast<int>(k), 0);
      grid->addWidget(parameters_[k], static_cast<int>(k), 1);
    }
    return grid;
  }

  // Set a radio button or check box from the form.
  static void ShowToggle(QAbstractButton* button, const PluginToggle& toggle) {
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setText(Q(toggle.szCaption));
    button->setChecked(toggle.bOn);
    button->setAutoExclusive(exclusive);
    ApplyState(toggle.iState, {button});
  }

  // Show the model's form in the widgets.
  void ShowForm() {
    const PluginForm& form = model_.form;
    description_->setPlainText(Q(form.szDescription));
    radioGroup_->setTitle(Q(form.radioGroup.szCaption));
    ApplyState(form.radioGroup.iState, {radioGroup_});
    for (std::size_t k = 0; k < radios_.size(); ++k) ShowToggle(radios_[k], form.radios[k]);
    checkGroup_->setTitle(Q(form.checkGroup.szCaption));
    ApplyState(form.checkGroup.iState, {checkGroup_});
    for (std::size_t k = 0; k < checks_.size(); ++k) ShowToggle(checks_[k], form.checks[k]);
    for (std::size_t k = 0; k < lists_.size(); ++k) {
      const PluginList& list = form.lists[k];
      listLabels_[k]->setText(Q(list.szLabel));
      lists_[k]->clear();
      for (const std::string& choice : list.choices) lists_[k]->addItem(Q(choice));
      lists_[k]->setCurrentIndex(list.iChoice);
      ApplyState(list.iState, {listLabels_[k], lists_[k]});
    }
    for (std::size_t k = 0; k < parameters_.size(); ++k) {
      const PluginParameter& parameter = form.parameters[k];
      parameterLabels_[k]->setText(Q(parameter.szLabel));
      parameters_[k]->setMaxLength(std::max(parameter.iMaxBytes - 1, 0));
      parameters_[k]->setText(Q(parameter.szText));
      ApplyState(parameter.iState, {parameterLabels_[k], parameters_[k]});
    }
  }

  // Another function: its items fill the dialog anew.
  void PickFunction(int index) {
    model_.SelectFunction(index);
    PresentPendingNotices();
    ShowForm();
    dialog_.adjustSize();
  }

  // Read the user's choices back into the model and close.
  void Accept() {
    PluginForm& form = model_.form;
    for (std::size_t k = 0; k < radios_.size(); ++k) form.radios[k].bOn = radios_[k]->isChecked();
    for (std::size_t k = 0; k < checks_.size(); ++k) form.checks[k].bOn = checks_[k]->isChecked();
    for (std::size_t k = 0; k < lists_.size(); ++k) form.lists[k].iChoice = lists_[k]->currentIndex();
    for (std::size_t k = 0; k < parameters_.size(); ++k) form.parameters[k].szText = parameters_[k]->text().toStdString();
    model_.iDecimals = decimals_->currentIndex();
    dialog_.accept();
  }

  QDialog dialog_;
  PluginFunctionModel& model_;
  QComboBox* functions_ = nullptr;
  QComboBox* decimals_ = nullptr;
  QPlainTextEdit* description_ = nullptr;
  QGroupBox* radioGroup_ = nullptr;
  QGroupBox* checkGroup_ = nullptr;
  std::array<QRadioButton*, PLUGIN_RADIOS> radios_{};
  std::array<QCheckBox*, PLUGIN_CHECKS> checks_{};
  std::array<QLabel*, PLUGIN_LISTS> listLabels_{};
  std::array<QComboBox*, PLUGIN_LISTS> lists_{};
  std::array<QLabel*, PLUGIN_PARAMETERS> parameterLabels_{};
  std::array<QLineEdit*, PLUGIN_PARAMETERS> parameters_{};
};

}  // namespace

int PluginAboutView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<PluginAboutModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  QDialog dialog(owner);
  dialog.setWindowTitle(Q(Text(TXT_PLUGIN_ABOUT_TITLE)));
  auto* layout = new QVBoxLayout(&dialog);
  auto* text = ReadOnlyText(160);
  text->setPlainText(Q(model->szText));
  text->setMinimumWidth(360);
  layout->addWidget(text);
  auto* exit = new QPushButton(Q(Text(TXT_PLUGIN_EXIT)));
  QObject::connect(exit, &QPushButton::clicked, &dialog, &QDialog::accept);
  layout->addWidget(exit, 0, Qt::AlignRight);
  dialog.exec();
  return BUTTON_OK;
}

int PluginFunctionView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<PluginFunctionModel*>(request.pModel);
  if (!model) return BUTTON_CANCEL;
  FunctionDialog dialog(owner, *model);
  return dialog.Run();
}
