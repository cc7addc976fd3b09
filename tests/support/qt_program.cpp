#include "support/qt_program.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <fstream>
#include <random>

#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_language.h"
#include "platform/window.h"
#include "resources/language.h"
#include "shell/frame_window.h"
#include "shell/program_state.h"

namespace {

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void PutLe(std::string& s, std::size_t at, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) s[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string MakeBitmap(int width, int height, unsigned char r, unsigned char g, unsigned char b) {
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  std::string s(54 + stride * static_cast<std::size_t>(height), '\0');
  s[0] = 'B';
  s[1] = 'M';
  PutLe(s, 2, static_cast<std::uint32_t>(s.size()), 4);
  PutLe(s, 10, 54, 4);
  PutLe(s, 14, 40, 4);
  PutLe(s, 18, static_cast<std::uint32_t>(width), 4);
  PutLe(s, 22, static_cast<std::uint32_t>(height), 4);
  PutLe(s, 26, 1, 2);
  PutLe(s, 28, 24, 2);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::size_t at = 54 + stride * static_cast<std::size_t>(y) + static_cast<std::size_t>(x) * 3;
      s[at] = static_cast<char>(b);
      s[at + 1] = static_cast<char>(g);
      s[at + 2] = static_cast<char>(r);
    }
  }
  return s;
}

void QtProgramTest::SetUp() {
  static std::mt19937 rng(std::random_device{}());
  oldDir_ = std::filesystem::current_path();
  dir_ = std::filesystem::temp_directory_path() / ("cartovel-test-" + std::to_string(rng()));
  std::filesystem::create_directories(dir_ / "CVLib");
  const std::string names = SystemNameText();
  if (!names.empty()) WriteFile(dir_ / "CVLib" / "SysName.TXT", names);
  const std::string bitmap = RootBitmapBytes();
  if (!bitmap.empty()) WriteFile(dir_ / "CVLib" / "Root.bmp", bitmap);
  std::filesystem::current_path(dir_);
  ResetProgramState();
  script_ = new DialogScriptGuard;
  ASSERT_FALSE(IsNone(CreateFrameWindow()));
  InstallQtLanguage(LanguageIsChinese());
  ProcessEvents();
}

void QtProgramTest::TearDown() {
  if (!IsNone(Program().hFrameWnd)) {
    Program().bClosingAll = 1;
    DestroyWindowOf(Program().hFrameWnd);
  }
  ProcessEvents();
  PumpPostedMessages();
  ClearQuitRequest();
  delete script_;
  script_ = nullptr;
  InstallQtLanguage(false);
  std::filesystem::current_path(oldDir_);
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

void QtProgramTest::ActivateFrame() const {
  QWidget* top = WidgetOf(frame())->window();
  top->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(top));
}

void QtProgramTest::ProcessEvents() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

QImage QtProgramTest::Render(WindowHandle hwnd) {
  QWidget* widget = WidgetOf(hwnd);
  if (!widget) return {};
  QImage image(widget->size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  widget->render(&image);
  return image;
}

WindowHandle QtProgramTest::frame() const { return Program().hFrameWnd; }

void OnNextDialog(std::function<void(QDialog*)> act) {
  QTimer::singleShot(0, [act = std::move(act)] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr) << "no dialog showed";
    act(dialog);
  });
}

int RunDialogView(DialogViewFn view, const std::string& name, DialogModel* model,
                  std::function<void(QDialog*)> act) {
  DialogRequest request;
  request.kind = DIALOG_CUSTOM;
  request.szName = name;
  request.pModel = model;
  OnNextDialog(std::move(act));
  DialogScriptEnd();  // let the real view run
  const int button = view(nullptr, request);
  DialogScriptBegin();
  return button;
}
