// The "NetCDF file option" dialog's real view on a real file: its texts,
// the level drop-downs and lists, and the choice it hands back.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "platform/notices.h"
#include "sources/netcdf_choice.h"
#include "sources/netcdf_open.h"
#include "sources/qt/netcdf_views.h"
#include "support/qt_program.h"

namespace {

class NetcdfOptionViewTest : public QtProgramTest {
 protected:
  void SetUp() override {
    QtProgramTest::SetUp();
    api_ = NetcdfOpenCatalogue("/work/shared/data/netcdf/netcdf-c-cdl-generated/pres_temp_4D_classic.nc",
                               &fileId_, &catalogue_);
    if (!api_) GTEST_SKIP() << "no netCDF library or file";
    NetcdfChoiceStart(model_, catalogue_);
  }
  void TearDown() override {
    if (api_) api_->nc_close(fileId_);
    QtProgramTest::TearDown();
  }
  const NetcdfApi* api_ = nullptr;
  int fileId_ = -1;
  NetcdfCatalogue catalogue_;
  NetcdfChoiceModel model_;
};

// The lists follow the drop-downs; selections go back into the choice; OK
// closes the dialog once the chain from D1 is whole.
TEST_F(NetcdfOptionViewTest, LevelsListsAndChoice) {
  QString title;
  QStringList d1;
  QStringList v1;
  QStringList texts;
  bool areaShown = true;
  const int button = RunDialogView(NetcdfOptionView, "NetCDF file option", &model_, [&](QDialog* dialog) {
    title = dialog->windowTitle();
    const QList<QComboBox*> combos = dialog->findChildren<QComboBox*>();
    const QList<QListWidget*> lists = dialog->findChildren<QListWidget*>();
    ASSERT_EQ(lists.size(), 4);
    ASSERT_EQ(combos.size(), 5);  // the dimension options and D1 .. D4
    for (QGroupBox* group : dialog->findChildren<QGroupBox*>()) texts << group->title();
    for (QCheckBox* box : dialog->findChildren<QCheckBox*>()) texts << box->text();
    for (QLabel* label : dialog->findChildren<QLabel*>()) texts << label->text();
    QComboBox* level1 = combos[1];
    for (int i = 0; i < level1->count(); ++i) d1 << level1->itemText(i);
    // D1 = time: pressure and temperature start with it.
    level1->setCurrentIndex(level1->findText("time"));
    emit level1->activated(level1->currentIndex());
    for (int i = 0; i < lists[0]->count(); ++i) v1 << lists[0]->item(i)->text();
    for (int l = 0; l < 4; ++l) lists[l]->item(0)->setSelected(true);
    areaShown = !dialog->findChildren<QCheckBox*>()[2]->isHidden();
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  EXPECT_EQ(button, BUTTON_OK);
  EXPECT_EQ(title.toStdString(), "NetCDF file option");
  EXPECT_EQ(d1, (QStringList{"level", "latitude", "longitude", "time"}));
  EXPECT_EQ(v1, (QStringList{"pressure  (float)", "temperature  (float)"}));
  for (const char* text : {"Dimension options", "Select read Variables", "Image data",
                           "Adiust table ( Row, Column ) size", " Variables:  V1( D1 )", "V4( D1, D2, D3, D4 )"}) {
    EXPECT_TRUE(texts.contains(text)) << text;
  }
  EXPECT_FALSE(areaShown);
  EXPECT_EQ(model_.iUsedLevels, 4);
  for (int l = 0; l < 4; ++l) EXPECT_EQ(model_.selected[static_cast<std::size_t>(l)], std::vector<int>{2}) << l;
  EXPECT_EQ(NetcdfRecordProduct(model_), 288);
}

}  // namespace
