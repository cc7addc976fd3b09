#include "shell/picture_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "support/headless_program.h"

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000u;
constexpr std::uint32_t kGreen = 0xFF00FF00u;
constexpr std::uint32_t kBlue = 0xFF0000FFu;
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kBlack = 0xFF000000u;

void Put16(std::string& out, std::uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void Put32(std::string& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// A bitmap file in memory: file header, info header (40 bytes) or core
// header (12 bytes), palette and the rows as given (already padded).
struct BitmapSpec {
  std::uint32_t headerSize = 40;
  std::int32_t width = 1;
  std::int32_t height = 1;
  int bits = 24;
  std::uint32_t compression = 0;
  std::uint32_t usedColours = 0;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB
  std::string extra;                   // bytes between header and palette (bit-field masks)
  std::string rows;
};

std::string Build(const BitmapSpec& s) {
  std::string dib;
  Put32(dib, s.headerSize);
  if (s.headerSize == 12) {
    Put16(dib, static_cast<std::uint32_t>(s.width));
    Put16(dib, static_cast<std::uint32_t>(s.height));
    Put16(dib, 1);
    Put16(dib, static_cast<std::uint32_t>(s.bits));
  } else {
    Put32(dib, static_cast<std::uint32_t>(s.width));
    Put32(dib, static_cast<std::uint32_t>(s.height));
    Put16(dib, 1);
    Put16(dib, static_cast<std::uint32_t>(s.bits));
    Put32(dib, s.compression);
    Put32(dib, static_cast<std::uint32_t>(s.rows.size()));
    Put32(dib, 2835);
    Put32(dib, 2835);
    Put32(dib, s.usedColours);
    Put32(dib, 0);
    while (dib.size() < s.headerSize && s.headerSize < 4096) dib.push_back('\0');
  }
  dib += s.extra;
  for (std::uint32_t c : s.palette) {
    dib.push_back(static_cast<char>(c & 0xFF));
    dib.push_back(static_cast<char>((c >> 8) & 0xFF));
    dib.push_back(static_cast<char>((c >> 16) & 0xFF));
    if (s.headerSize != 12) dib.push_back('\0');
  }
  dib += s.rows;
  std::string file = "BM";
  Put32(file, static_cast<std::uint32_t>(14 + dib.size()));
  Put32(file, 0);
  Put32(file, static_cast<std::uint32_t>(14 + dib.size() - s.rows.size()));
  return file + dib;
}

std::string Bgr(std::uint32_t c) {
  return {static_cast<char>(c & 0xFF), static_cast<char>((c >> 8) & 0xFF), static_cast<char>((c >> 16) & 0xFF)};
}

// 2 x 2, 24 bits, bottom row first: bottom blue, green; top red, white.
BitmapSpec TwoByTwo() {
  BitmapSpec s;
  s.width = 2;
  s.height = 2;
  s.rows = Bgr(kBlue) + Bgr(kGreen) + std::string(2, '\0') + Bgr(kRed) + Bgr(kWhite) + std::string(2, '\0');
  return s;
}

TEST(DecodeBitmap, TwentyFourBitsBottomUp) {
  Picture p;
  ASSERT_EQ(DecodeBitmap(Build(TwoByTwo()), &p), 0);
  EXPECT_EQ(p.iWidth, 2);
  EXPECT_EQ(p.iHeight, 2);
  EXPECT_EQ(p.pixels, (std::vector<std::uint32_t>{kRed, kWhite, kBlue, kGreen}));
}

TEST(DecodeBitmap, TwentyFourBitsTopDown) {
  BitmapSpec s = TwoByTwo();
  s.height = -2;
  Picture p;
  ASSERT_EQ(DecodeBitmap(Build(s), &p), 0);
  EXPECT_EQ(p.iHeight, 2);
  EXPECT_EQ(p.pixels, (std::vector<std::uint32_t>{kBlue, kGreen, kRed, kWhite}));
}

TEST(DecodeBitmap, PixelsStartWhereTheFileHeaderSays) {
  BitmapSpec s = TwoByTwo();
  s.extra = std::string(8, '\x55');  // a gap the file header's offset skips
  Picture p;
  ASSERT_EQ(DecodeBitmap(Build(s), &p), 0);
  EXPECT_EQ(p.pixels, (std::vector<std::uint32_t>{kRed, kWhite, kBlue, kGreen}));
}

TEST(DecodeBitmap, PalettedPictures) {
  {  // 8 bits, three used colours, 3 pixels and a pad byte
    BitmapSpec s;
    s.width = 3;
    s.bits = 8;
    s.usedColours = 3;
    s.palette = {0xFF0000, 0x00FF00, 0x0000FF};
    s.rows = std::string("\x02\x00\x01\x00", 4);
    Picture p;
    ASSERT_EQ(DecodeBitmap(Build(s), &p), 0);
    EXPECT_EQ(p.pixels, (std::vector<std::uint32_t>{kBlue, kRed, kGreen}));
  }
  {  // 4 bits: high nibble first
    BitmapSpec s;
    s.width = 3;
    s.bits = 4;
    s.usedColours = 2;
    s.palette = {0x000000, 0xFFFFFF};
    s.rows = std::string("\x10\x10\x00\x00", 4);
    Picture p;
    ASSERT_EQ(DecodeBitmap(Build(s), &p), 0);
    EXPECT_EQ(p.pixels, (std::vector<std::uint32_t>{kWhite, kBlack, kWhite}));
  }
  {  // 1 bit, ten pixels: 1010000011, full two-colour palette
    BitmapSpec s;
    s.width = 10;
    s.bits = 1;
    s.palette = {0x000000, 0xFFFFFF};
    s.rows = std::string("\xA0\xC0\x00\x00", 4);
    Picture p;
    ASSERT_EQ(DecodeBitmap(Build(s), &p), 0);
    const std::uint32_t w = kWhite, b = kBlack;
    EXPECT_EQ(p.pixels, (std::vector<std::uint32_t>{w, b, w, b, b, b, b, b, w, w}));
  }
}

TEST(DecodeBitmap, CoreHeaderWithThreeBytePalette) {
  BitmapSpec s;
  s.headerSize = 12;
  s.width = 2;
  s.bits = 8;
  s.palette.assign(256, 0);
  s.palette[7] = 0x00FF00;
  s.palette[9] = 0xFF0000;
  s.rows = std::string("\x07\x09\x00\x00", 4);
  Picture p;
  ASSERT_EQ(DecodeBitmap(Build(s), &p), 0);
  EXPECT_EQ(p.pixels, (std::vector<std::uint32_t>{kGreen, kRed}));

  BitmapSpec direct;
  direct.headerSize = 12;
  direct.rows = Bgr(kBlue) + std::string(1, '\0');
  ASSERT_EQ(DecodeBitmap(Build(direct), &p), 0);
  EXPECT_EQ(p.pixels, std::vector<std::uint32_t>{kBlue});
}

TEST(DecodeBitmap, SixteenAndThirtyTwoBits) {
  {  // 5-5-5 by default
    BitmapSpec s;
    s.width = 2;
    s.bits = 16;
    s.rows = std::string("\x00\x7C\x1F\x00", 4);
    Picture p;
    ASSERT_EQ(DecodeBitmap(Build(s), &p), 0);
    EXPECT_EQ(p.pixels, (std::vector<std::uint32_t>{kRed, kBlue}));
  }
  {  // 32 bits, blue green red and an unused byte
    BitmapSpec s;
    s.bits = 32;
    s.rows = std::string("\x10\x20\x30\x00", 4);
    Picture p;
    ASSERT_EQ(DecodeBitmap(Build(s), &p), 0);
    EXPECT_EQ(p.pixels, std::vector<std::uint32_t>{0xFF302010u});
  }
  {  // 16 bits with 5-6-5 bit-field masks after the header
    BitmapSpec s;
    s.bits = 16;
    s.compression = 3;
    Put32(s.extra, 0xF800);
    Put32(s.extra, 0x07E0);
    Put32(s.extra, 0x001F);
    s.rows = std::string("\xE0\x07\x00\x00", 4);  // all green bits
    Picture p;
    ASSERT_EQ(DecodeBitmap(Build(s), &p), 0);
    EXPECT_EQ(p.pixels, std::vector<std::uint32_t>{kGreen});
  }
}

TEST(DecodeBitmap, MalformedFilesGiveAnEmptyPicture) {
  std::vector<std::pair<std::string, std::string>> cases;
  std::string file = Build(TwoByTwo());
  file[1] = 'N';
  cases.push_back({"wrong magic", file});
  cases.push_back({"empty", ""});
  cases.push_back({"only the file header", Build(TwoByTwo()).substr(0, 14)});
  auto with = [](auto change) {
    BitmapSpec s = TwoByTwo();
    change(s);
    return Build(s);
  };
  cases.push_back({"zero width", with([](BitmapSpec& s) { s.width = 0; })});
  cases.push_back({"negative width", with([](BitmapSpec& s) { s.width = -2; })});
  cases.push_back({"zero height", with([](BitmapSpec& s) { s.height = 0; })});
  cases.push_back({"absurd width", with([](BitmapSpec& s) { s.width = 100000; })});
  cases.push_back({"absurd top-down height", with([](BitmapSpec& s) { s.height = -100000; })});
  cases.push_back({"most negative height", with([](BitmapSpec& s) { s.height = INT32_MIN; })});
  cases.push_back({"large but short of data", with([](BitmapSpec& s) { s.width = s.height = 8192; })});
  cases.push_back({"header size 0xFFFFFFFF", with([](BitmapSpec& s) { s.headerSize = 0xFFFFFFFFu; })});
  cases.push_back({"header size 13", with([](BitmapSpec& s) { s.headerSize = 13; })});
  cases.push_back({"header size 0", with([](BitmapSpec& s) { s.headerSize = 0; })});
  cases.push_back({"2 bits per pixel", with([](BitmapSpec& s) { s.bits = 2; })});
  cases.push_back({"0 bits per pixel", with([](BitmapSpec& s) { s.bits = 0; })});
  cases.push_back({"RLE8", with([](BitmapSpec& s) {
                     s.bits = 8;
                     s.compression = 1;
                   })});
  cases.push_back({"RLE4", with([](BitmapSpec& s) {
                     s.bits = 4;
                     s.compression = 2;
                   })});
  cases.push_back({"bit fields on 8 bits", with([](BitmapSpec& s) {
                     s.bits = 8;
                     s.compression = 3;
                   })});
  cases.push_back({"palette cut short", with([](BitmapSpec& s) {
                     s.bits = 8;
                     s.palette = {0, 0};
                     s.rows.clear();
                   })});
  for (const auto& [what, bytes] : cases) {
    Picture p;
    p.iWidth = 5;
    p.pixels.assign(3, 1);
    EXPECT_EQ(DecodeBitmap(bytes, &p), -1) << what;
    EXPECT_EQ(p.iWidth, 0) << what;
    EXPECT_EQ(p.iHeight, 0) << what;
    EXPECT_TRUE(p.pixels.empty()) << what;
  }
}

TEST(DecodeBitmap, EveryTruncationIsRefused) {
  const std::string file = Build(TwoByTwo());
  for (std::size_t n = 0; n < file.size(); ++n) {
    Picture p;
    EXPECT_EQ(DecodeBitmap(file.substr(0, n), &p), -1) << n << " bytes";
    EXPECT_TRUE(p.pixels.empty());
  }
}

TEST(DecodeBitmap, DamagedBytesNeverBreakIt) {
  BitmapSpec paletted;
  paletted.width = 5;
  paletted.height = 3;
  paletted.bits = 4;
  paletted.palette.assign(16, 0x123456);
  paletted.rows = std::string(12, '\x5A');
  const std::string originals[] = {Build(TwoByTwo()), Build(paletted)};
  std::mt19937 random(99);
  for (const std::string& original : originals) {
    for (int round = 0; round < 3000; ++round) {
      std::string bytes = original;
      const int flips = 1 + static_cast<int>(random() % 4);
      for (int i = 0; i < flips; ++i) bytes[random() % bytes.size()] = static_cast<char>(random());
      Picture p;
      const int result = DecodeBitmap(bytes, &p);
      if (result == 0) {
        ASSERT_EQ(p.pixels.size(), static_cast<std::size_t>(p.iWidth) * static_cast<std::size_t>(p.iHeight));
      } else {
        ASSERT_EQ(result, -1);
        ASSERT_TRUE(p.pixels.empty());
      }
    }
  }
}

TEST(ReadBitmapFile, ReadsAFileOrGivesAnEmptyPicture) {
  TempDir dir;
  dir.WriteFile("CVLib/Root.bmp", Build(TwoByTwo()));
  Picture p;
  EXPECT_EQ(ReadBitmapFile(dir.path() + "/CVLib/Root.bmp", &p), 0);
  EXPECT_EQ(p.iWidth, 2);
  EXPECT_EQ(ReadBitmapFile(dir.path() + "/CVLib/Missing.bmp", &p), -1);
  EXPECT_EQ(p.iWidth, 0);
  EXPECT_TRUE(p.pixels.empty());
}

}  // namespace
