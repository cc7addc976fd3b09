// Texts on a printed PDF page: the surface gathers simple texts into glyph
// runs, which must put every glyph where Qt's own drawText puts it
// (kerning, ligatures, fallback fonts for Chinese, right-to-left scripts,
// combining marks, malformed UTF-8), with lines drawn in their turn.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "output/qt/print_fixture.h"
#include "output/qt/print_surface_qt.h"

namespace {

struct PlacedText {
  int x;
  int y;
  const char* text;
};

constexpr int kWindowWidth = 900;
constexpr int kWindowHeight = 1270;
constexpr int kTextHeight = 12;

// Texts that exercise every path: plain numbers and words, kerning pairs,
// ligatures, Latin-1, Chinese (a fallback font) mixed with Latin and
// full-width punctuation, scripts shaped as a whole, combining marks, a
// character beyond the basic plane, a tab and malformed UTF-8 (a stray
// byte, a cut sequence, an overlong form, a surrogate, beyond U+10FFFF).
const std::vector<PlacedText>& Texts() {
  static const std::vector<PlacedText> texts = {
      {5, 23, "C1"},
      {254, 23, "Name"},
      {5, 43, "12.5"},
      {254, 43, "AVATAR To Wa Yo LT"},
      {503, 43, "office fit ffl"},
      {5, 63, "-1.25E+03"},
      {254, 63, "naïve café ß Ä Ö"},
      {503, 63, "中文表格打印"},
      {5, 83, "表a1，b中2"},
      {254, 83, "ＡＢ１２：（）"},
      {503, 83, "مرحبا بالعالم"},
      {5, 103, "שלום"},
      {254, 103, "e\xCC\x81t\xC3\xA9"},
      {503, 103, "smile \xF0\x9F\x98\x80 end"},
      {5, 123, "tab\there"},
      {254, 123, "bad \xFF byte"},
      {503, 123, "A text much longer than t..."},
      {5, 133, "cut \xE4\xB8"},
      {254, 133, "overlong \xC0\xAF surrogate \xED\xA0\x80"},
      {503, 133, "\xF4\x90\x80\x80 beyond"},
  };
  return texts;
}

// The lines of the test page: a grid under the texts.
const std::vector<QLine>& Lines() {
  static const std::vector<QLine> lines = {
      {0, 20, 752, 20}, {0, 40, 752, 40}, {0, 140, 752, 140}, {249, 20, 249, 140}, {498, 20, 498, 140}};
  return lines;
}

QFont PageFont() {
  QFont font = QGuiApplication::font();
  font.setPixelSize(kTextHeight);
  font.setWeight(QFont::Normal);
  return font;
}

// The page through the print surface, lines and texts interleaved.
void PrintWithSurface(const std::string& path) {
  PrintSetupModel setup;
  setup.szOutputFile = path;
  const std::unique_ptr<PrintSurface> surface = OpenQtPrinter(setup, "Information");
  ASSERT_NE(surface, nullptr);
  ASSERT_EQ(surface->StartPage(), 0);
  surface->SetIsotropicWindow(kWindowWidth, kWindowHeight);
  surface->SetTextHeight(kTextHeight);
  std::size_t line = 0;
  for (const PlacedText& t : Texts()) {
    if (line < Lines().size()) {
      const QLine& l = Lines()[line++];
      surface->DrawLine(l.x1(), l.y1(), l.x2(), l.y2());
    }
    surface->DrawText(t.x, t.y, t.text);
  }
  ASSERT_EQ(surface->Finish(), 0);
}

// The same page drawn by Qt alone: one drawText per text at its baseline.
void PrintWithQt(const std::string& path) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  QPainter painter(&printer);
  const double scale = std::min(static_cast<double>(printer.width()) / kWindowWidth,
                                static_cast<double>(printer.height()) / kWindowHeight);
  painter.scale(scale, scale);
  painter.setPen(QPen(Qt::black, 0));
  for (const QLine& l : Lines()) painter.drawLine(l);
  painter.setFont(PageFont());
  const double ascent = QFontMetricsF(PageFont()).ascent();
  for (const PlacedText& t : Texts()) painter.drawText(QPointF(t.x, t.y + ascent), QString::fromUtf8(t.text));
  painter.end();
}

// The first page of a PDF rendered in grey at `dpi`.
QImage RenderPage(const std::string& pdf, int dpi) {
  const std::string stem = pdf + "-page";
  const std::string command = "pdftoppm -gray -png -singlefile -r " + std::to_string(dpi) + " '" + pdf + "' '" + stem + "'";
  if (std::system(command.c_str()) != 0) return {};
  return QImage(QString::fromStdString(stem + ".png")).convertToFormat(QImage::Format_Grayscale8);
}

TEST(PrintTextTest, TextsLandWhereQtDrawsThem) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "cartovel-print-text";
  std::filesystem::create_directories(dir);
  const std::string surfacePdf = (dir / "surface.pdf").string();
  const std::string qtPdf = (dir / "qt.pdf").string();
  PrintWithSurface(surfacePdf);
  PrintWithQt(qtPdf);

  EXPECT_EQ(PdfText(surfacePdf), PdfText(qtPdf));
  const QImage mine = RenderPage(surfacePdf, 300);
  const QImage qt = RenderPage(qtPdf, 300);
  ASSERT_FALSE(mine.isNull());
  ASSERT_EQ(mine.size(), qt.size());
  // A glyph a fraction of a pixel off changes its edge pixels by far more
  // than the rounding noise allowed here.
  int differing = 0;
  for (int y = 0; y < mine.height(); ++y) {
    const uchar* a = mine.constScanLine(y);
    const uchar* b = qt.constScanLine(y);
    for (int x = 0; x < mine.width(); ++x) differing += std::abs(a[x] - b[x]) > 24 ? 1 : 0;
  }
  EXPECT_EQ(differing, 0);
  std::filesystem::remove_all(dir);
}

}  // namespace
