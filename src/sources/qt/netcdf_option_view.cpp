#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/qt/dialog_buttons.h"
#include "resources/string_table.h"
#include "sources/netcdf_choice.h"
#include "sources/qt/netcdf_views.h"

namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The widgets of the dialog and their refilling from the model.
class OptionDialog {
 public:
  OptionDialog(QWidget* owner, NetcdfChoiceModel& model) : dialog_(owner), model_(model) { Build(); }
  int Run() { return dialog_.exec() == QDialog::Accepted ? BUTTON_OK : BUTTON_CANCEL; }

 private:
  // A dimension's name as the drop-downs show it.
  QString DimensionName(int dim) const {
    return Q(TextOf(model_.dims[static_cast<std::size_t>(dim)].szName).substr(0, NETCDF_SHOWN_DIMENSION_NAME));
  }

  void Build() {
    dialog_.setWindowTitle(Q(Text(TXT_NC_OPTION_TITLE)));
    auto* layout = new QVBoxLayout(&dialog_);
    layout->addWidget(BuildDimensionOptions());
    layout->addWidget(BuildVariables());
    auto* checks = new QHBoxLayout;
    image_ = new QCheckBox(Q(Text(TXT_NC_IMAGE_DATA)));
    adjust_ = new QCheckBox(Q(Text(TXT_NC_ADJUST_SIZE)));
    area_ = new QCheckBox(Q(Text(TXT_NC_SELECT_AREA)));
    time_ = new QCheckBox(Q(Text(TXT_NC_SELECT_TIME)));
    for (QCheckBox* box : {image_, adjust_, area_, time_}) checks->addWidget(box);
    checks->addStretch();
    layout->addLayout(checks);
    QDialogButtonBox* buttons = OkCancelButtons(dialog_);
    QObject::disconnect(buttons, &QDialogButtonBox::accepted, &dialog_, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::accepted, [this] { Accept(); });
    layout->addWidget(buttons);
    RefillLevels(0);
    RefillOptions();
  }

  QGroupBox* BuildDimensionOptions() {
    auto* group = new QGroupBox(Q(Text(TXT_NC_DIMENSION_OPTIONS)));
    auto* grid = new QGridLayout(group);
    optionDim_ = new QComboBox;
    all_ = new QRadioButton(Q(Text(TXT_NC_ALL)));
    sampled_ = new QRadioButton(Q(Text(TXT_NC_SAMPLED)));
    range_ = new QRadioButton(Q(Text(TXT_NC_RECORD_RANGE)));
    spacing_ = new QLineEdit;
    first_ = new QLineEdit;
    last_ = new QLineEdit;
    auto* set = new QPushButton(Q(Text(TXT_NC_SET)));
    dimInfo_ = new QLabel;
    grid->addWidget(optionDim_, 0, 0);
    grid->addWidget(all_, 1, 0);
    grid->addWidget(sampled_, 2, 0);
    grid->addWidget(new QLabel(Q(Text(TXT_NC_SAMPLED_SPACING))), 2, 1);
    grid->addWidget(spacing_, 2, 2);
    grid->addWidget(range_, 3, 0);
    grid->addWidget(new QLabel(Q(Text(TXT_NC_START_RECORD))), 3, 1);
    grid->addWidget(first_, 3, 2);
    grid->addWidget(new QLabel(Q(Text(TXT_NC_END_RECORD))), 4, 1);
    grid->addWidget(last_, 4, 2);
    grid->addWidget(set, 5, 0);
    grid->addWidget(dimInfo_, 0, 3, 6, 1);
    QObject::connect(optionDim_, QOverload<int>::of(&QComboBox::activated), [this](int) {
      model_.iOptionDim = optionDim_->currentData().toInt();
      ShowOption();
    });
    QObject::connect(set, &QPushButton::clicked, [this] { ApplyOption(); });
    return group;
  }

  QGroupBox* BuildVariables() {
    auto* group = new QGroupBox(Q(Text(TXT_NC_SELECT_VARIABLES)));
    auto* grid = new QGridLayout(group);
    const TextId titles[NETCDF_LEVELS] = {TXT_NC_V1, TXT_NC_V2, TXT_NC_V3, TXT_NC_V4};
    for (int l = 0; l < NETCDF_LEVELS; ++l) {
      grid->addWidget(new QLabel(Q(JoinText("D", FormatInt(l + 1)))), 0, l);
      levelDim_[l] = new QComboBox;
      grid->addWidget(levelDim_[l], 1, l);
      grid->addWidget(new QLabel(Q(Text(titles[l]))), 2, l);
      lists_[l] = new QListWidget;
      lists_[l]->setSelectionMode(QAbstractItemView::MultiSelection);
      lists_[l]->setMouseTracking(true);
      lists_[l]->setMinimumWidth(170);
      grid->addWidget(lists_[l], 3, l);
      QObject::connect(levelDim_[l], QOverload<int>::of(&QComboBox::activated), [this, l](int) {
        NetcdfSetLevelDimension(model_, l, levelDim_[l]->currentData().toInt());
        RefillLevels(l);
        RefillOptions();
      });
      QObject::connect(lists_[l], &QListWidget::itemSelectionChanged, [this, l] { TakeSelection(l); });
      QObject::connect(lists_[l], &QListWidget::itemEntered, [this](QListWidgetItem* item) { Describe(item); });
      QObject::connect(lists_[l], &QListWidget::currentItemChanged,
                       [this](QListWidgetItem* item, QListWidgetItem*) { Describe(item); });
    }
    grid->addWidget(new QLabel(Q(Text(TXT_NC_ATTRIBUTE))), 4, 0);
    attribute_ = new QLabel;
    attribute_->setWordWrap(true);
    attribute_->setMinimumHeight(40);
    grid->addWidget(attribute_, 5, 0, 1, NETCDF_LEVELS);
    selectionInfo_ = new QLabel;
    grid->addWidget(selectionInfo_, 6, 0, 1, NETCDF_LEVELS);
    return group;
  }

  // Refill the drop-downs and lists from level `from` down.
  void RefillLevels(int from) {
    for (int l = from; l < NETCDF_LEVELS; ++l) {
      QSignalBlocker blockCombo(levelDim_[l]);
      QSignalBlocker blockList(lists_[l]);
      levelDim_[l]->clear();
      for (const int dim : NetcdfLevelOffers(model_, l)) levelDim_[l]->addItem(DimensionName(dim), dim);
      levelDim_[l]->setCurrentIndex(levelDim_[l]->findData(model_.iLevelDim[static_cast<std::size_t>(l)]));
      lists_[l]->clear();
      for (const int v : NetcdfLevelVariables(model_, l)) {
        const NetcdfVariable& var = model_.pCatalogue->vars[static_cast<std::size_t>(v)];
        auto* item = new QListWidgetItem(
            Q(JoinText(TextOf(var.szName).substr(0, NETCDF_SHOWN_VARIABLE_NAME), "  (", NetcdfTypeName(var.iType), ")")));
        item->setData(Qt::UserRole, v);
        lists_[l]->addItem(item);
        const auto& chosen = model_.selected[static_cast<std::size_t>(l)];
        item->setSelected(std::find(chosen.begin(), chosen.end(), v) != chosen.end());
      }
    }
    RefreshInfo();
  }

  void TakeSelection(int level) {
    std::vector<int> chosen;
    for (QListWidgetItem* item : lists_[level]->selectedItems()) chosen.push_back(item->data(Qt::UserRole).toInt());
    NetcdfSetLevelSelection(model_, level, chosen);
    RefreshInfo();
  }

  void Describe(QListWidgetItem* item) {
    if (!item) return;
    const int v = item->data(Qt::UserRole).toInt();
    const std::string& text = model_.pCatalogue->vars[static_cast<std::size_t>(v)].szDescription;
    attribute_->setText(Q(std::string_view(text).substr(0, NETCDF_SHOWN_DESCRIPTION)));
  }

  // The "Dimension options" drop-down offers the chosen dimensions.
  void RefillOptions() {
    QSignalBlocker block(optionDim_);
    optionDim_->clear();
    const std::vector<int> dims = NetcdfChosenDimensions(model_);
    for (const int dim : dims) optionDim_->addItem(DimensionName(dim), dim);
    if (std::find(dims.begin(), dims.end(), model_.iOptionDim) == dims.end()) {
      model_.iOptionDim = dims.empty() ? -1 : dims.front();
    }
    optionDim_->setCurrentIndex(optionDim_->findData(model_.iOptionDim));
    ShowOption();
  }

  void ShowOption() {
    const int dim = model_.iOptionDim;
    if (dim >= 0) {
      const NetcdfDimension& d = model_.dims[static_cast<std::size_t>(dim)];
      all_->setChecked(d.iReadMode == NC_READ_ALL);
      sampled_->setChecked(d.iReadMode == NC_READ_SAMPLED);
      range_->setChecked(d.iReadMode == NC_READ_RANGE);
      spacing_->setText(Q(FormatInt(d.iSpacing)));
      first_->setText(Q(FormatInt(d.iFirst)));
      last_->setText(Q(FormatInt(d.iLast)));
    }
    RefreshInfo();
  }

  void ApplyOption() {
    const int mode = sampled_->isChecked() ? NC_READ_SAMPLED : range_->isChecked() ? NC_READ_RANGE : NC_READ_ALL;
    NetcdfApplyReadMode(model_, model_.iOptionDim, mode, spacing_->text().toStdString(),
                        first_->text().toStdString(), last_->text().toStdString());
    ShowOption();
  }

  void RefreshInfo() {
    dimInfo_->setText(Q(NetcdfDimensionInfo(model_)));
    selectionInfo_->setText(Q(NetcdfSelectionInfo(model_)));
    area_->setVisible(NetcdfAreaOffered(model_));
    time_->setVisible(NetcdfTimeOffered(model_));
  }

  void Accept() {
    model_.bImage = image_->isChecked();
    model_.bAdjustSize = adjust_->isChecked();
    model_.bArea = !area_->isHidden() && area_->isChecked();
    model_.bTime = !time_->isHidden() && time_->isChecked();
    if (NetcdfChoiceAccept(model_) == 0) dialog_.accept();
  }

  QDialog dialog_;
  NetcdfChoiceModel& model_;
  QComboBox* optionDim_ = nullptr;
  QRadioButton* all_ = nullptr;
  QRadioButton* sampled_ = nullptr;
  QRadioButton* range_ = nullptr;
  QLineEdit* spacing_ = nullptr;
  QLineEdit* first_ = nullptr;
  QLineEdit* last_ = nullptr;
  QLabel* dimInfo_ = nullptr;
  QComboBox* levelDim_[NETCDF_LEVELS] = {};
  QListWidget* lists_[NETCDF_LEVELS] = {};
  QLabel* attribute_ = nullptr;
  QLabel* selectionInfo_ = nullptr;
  QCheckBox* image_ = nullptr;
  QCheckBox* adjust_ = nullptr;
  QCheckBox* area_ = nullptr;
  QCheckBox* time_ = nullptr;
};

}  // namespace

int NetcdfOptionView(QWidget* owner, DialogRequest& request) {
  auto* model = dynamic_cast<NetcdfChoiceModel*>(request.pModel);
  if (!model || !model->pCatalogue) return BUTTON_CANCEL;
  OptionDialog dialog(owner, *model);
  return dialog.Run();
}
