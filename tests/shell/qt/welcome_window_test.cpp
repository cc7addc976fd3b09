#include <QColor>
#include <QImage>

#include "platform/dialogs.h"
#include "platform/menu.h"
#include "platform/timers.h"
#include "resources/language.h"
#include "resources/command_ids.h"
#include "shell/program_state.h"
#include "shell/welcome_layout.h"
#include "shell/welcome_window.h"
#include "support/qt_program.h"

namespace {

int CountPixels(const QImage& image, const QRect& area, QRgb colour) {
  int count = 0;
  const QRect r = area.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) count += image.pixel(x, y) == colour ? 1 : 0;
  }
  return count;
}

class WelcomeTest : public QtProgramTest {
  std::string RootBitmapBytes() override { return MakeBitmap(300, 120, 200, 30, 30); }
};

TEST_F(WelcomeTest, PaintsTheTitleInDarkBlueAndThePictureInItsStrip) {
  const WindowHandle welcome = Program().hWelcomeWnd;
  ASSERT_FALSE(IsNone(welcome));
  EXPECT_TRUE(TimerIsActive(welcome, TIMER_PICTURE_STRIP));
  EXPECT_EQ(TimerInterval(welcome, TIMER_PICTURE_STRIP), 60u);
  const QImage image = Render(welcome);
  ASSERT_FALSE(image.isNull());
  const int height = image.height();
  // The product title: 60-pixel letters in RGB(0,0,128) around 40 pixels
  // above the vertical centre, right of the strip.
  const QRect titleBand(120, height / 2 - 45, image.width() - 120, 70);
  EXPECT_GT(CountPixels(image, titleBand, qRgb(0, 0, 128)), 500);
  // Nothing dark blue in the top quarter, left of the title band.
  EXPECT_EQ(CountPixels(image, QRect(0, 0, 110, height / 4), qRgb(0, 0, 128)), 0);
  // The picture shows through the strip at (10,10), 100 pixels wide.
  const QImage strip = Render(WelcomeStateOf(welcome)->hStrip);
  ASSERT_EQ(strip.width(), 100);
  EXPECT_EQ(strip.height(), 120);
  EXPECT_EQ(strip.pixel(50, 50), qRgb(200, 30, 30));
}

TEST_F(WelcomeTest, PictureStripMovesOnEachTick) {
  const WindowHandle welcome = Program().hWelcomeWnd;
  // The real timer may have ticked already on a busy machine: count from
  // where the strip stands.
  const int before = WelcomeStateOf(welcome)->motion.iOffset;
  for (int i = 0; i < 5; ++i) ASSERT_EQ(FireTimer(welcome, TIMER_PICTURE_STRIP), 0);
  EXPECT_EQ(WelcomeStateOf(welcome)->motion.iOffset, before - 5);
}

TEST_F(WelcomeTest, GoesAwayWithTheFirstNewTable) {
  const WindowHandle welcome = Program().hWelcomeWnd;
  ASSERT_EQ(ChooseMenuItem(Program().hFrameWnd, CMD_NEW), 0);
  EXPECT_FALSE(IsWindowAlive(welcome));
  EXPECT_TRUE(IsNone(Program().hWelcomeWnd));
}

// Bad start-up files: the program starts, with empty fields or no picture.
struct BadFiles {
  const char* szName;
  std::string sysName;
  std::string rootBmp;
};

// Name the case in test listings instead of dumping its bytes.
void PrintTo(const BadFiles& files, std::ostream* out) { *out << files.szName; }

class BadStartupFiles : public QtProgramTest, public ::testing::WithParamInterface<BadFiles> {
  std::string SystemNameText() override { return GetParam().sysName; }
  std::string RootBitmapBytes() override { return GetParam().rootBmp; }
};

std::string Binary(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7919u) >> 3);
  return bytes;
}

std::string TruncatedBitmap() { return MakeBitmap(64, 64, 1, 2, 3).substr(0, 200); }

std::string HugeDimensionsBitmap() {
  std::string bmp = MakeBitmap(4, 4, 1, 2, 3);
  bmp[18] = bmp[19] = bmp[20] = static_cast<char>(0xFF);
  bmp[21] = 0x7F;
  return bmp;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadStartupFiles,
    ::testing::Values(BadFiles{"Binary", Binary(5000), Binary(3000)},
                      BadFiles{"Unbalanced", "[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[", "BM"},
                      BadFiles{"HugeField", "[" + std::string(5000, 'x') + "]", TruncatedBitmap()},
                      BadFiles{"HugeDimensions", std::string(1 << 20, '['), HugeDimensionsBitmap()}),
    [](const ::testing::TestParamInfo<BadFiles>& param) { return std::string(param.param.szName); });

TEST_P(BadStartupFiles, StartWithEmptyFieldsOrNoPicture) {
  const WindowHandle welcome = Program().hWelcomeWnd;
  ASSERT_FALSE(IsNone(welcome));
  EXPECT_TRUE(WelcomeStateOf(welcome)->picture.pixels.empty());
  for (int i = 0; i < 3; ++i) FireTimer(welcome, TIMER_PICTURE_STRIP);
  EXPECT_FALSE(Render(welcome).isNull());
  EXPECT_LE(WindowTitle(Program().hFrameWnd).size(), 2 * 400u + 20u);
}

class ChineseFrame : public QtProgramTest {
  std::string SystemNameText() override { return "[数据][工作台][副标题][][][][][][][][1][C]"; }
};

TEST_F(ChineseFrame, FieldElevenChoosesChinese) {
  EXPECT_TRUE(LanguageIsChinese());
  EXPECT_EQ(WindowTitle(Program().hFrameWnd), "欢迎你使用 工作台 -> 数据");
  const MenuBarSpec* menu = WindowMenu(Program().hFrameWnd);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->popups[0].szText, "文件");
  DialogScriptPush(AnswerOk("计算公式编辑方法提示"));
  ChooseMenuItem(Program().hFrameWnd, CMD_FORMULA_EXAMPLE);
  ASSERT_EQ(DialogScriptShown().size(), 1u);
  EXPECT_EQ(DialogScriptShown()[0].szText.rfind("1. 用鼠标左键双点击一个单元来显示运算结果.\r\n", 0), 0u);
  ASSERT_EQ(ChooseMenuItem(Program().hFrameWnd, CMD_NEW), 0);
  EXPECT_EQ(WindowTitle(MdiActiveChild(Program().hMdiClient)), "新数表");
}

}  // namespace
