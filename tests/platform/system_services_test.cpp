#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/clipboard.h"
#include "platform/cursor.h"
#include "platform/library.h"
#include "platform/memory.h"

namespace {

TEST(Library, LoadsASystemLibraryAndFindsASymbol) {
  std::string error;
  LoadedLibrary* libm = LibraryLoad("libm.so.6", &error);
  ASSERT_NE(libm, nullptr) << error;
  using Cosine = double (*)(double);
  auto cosine = reinterpret_cast<Cosine>(LibrarySymbol(libm, "cos"));
  ASSERT_NE(cosine, nullptr);
  EXPECT_DOUBLE_EQ(cosine(0.0), 1.0);
  EXPECT_EQ(LibrarySymbol(libm, "no_such_symbol_here"), nullptr);
  LibraryFree(libm);
}

TEST(Library, MissingLibraryGivesTheLoadersReason) {
  std::string error;
  EXPECT_EQ(LibraryLoad("/nonexistent/libcartovel-missing.so", &error), nullptr);
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(LibraryLoad("/nonexistent/libcartovel-missing.so", nullptr), nullptr);
  EXPECT_EQ(LibrarySymbol(nullptr, "cos"), nullptr);
  LibraryFree(nullptr);
}

TEST(Memory, AllocationsAreZeroFilledAndFailOnRequest) {
  constexpr std::size_t kSize = 1 << 20;
  auto* block = static_cast<unsigned char*>(MemoryAllocZeroed(kSize));
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block[0], 0);
  EXPECT_EQ(block[kSize - 1], 0);
  MemoryFree(block);

  MemoryFailNextAllocations(2);
  EXPECT_EQ(MemoryAllocZeroed(16), nullptr);
  EXPECT_EQ(MemoryAllocZeroed(16), nullptr);
  void* third = MemoryAllocZeroed(16);
  EXPECT_NE(third, nullptr);
  MemoryFree(third);

  MemoryFailNextAllocations(3);
  MemoryFailNextAllocations(-1);  // cancels
  void* again = MemoryAllocZeroed(16);
  EXPECT_NE(again, nullptr);
  MemoryFree(again);
}

TEST(Cursor, SlotsOutsideTheTableAreRefused) {
  const int before = CurrentCursorSlot();
  EXPECT_EQ(SetCursorSlot(CURSOR_WAIT), 0);
  EXPECT_EQ(CurrentCursorSlot(), CURSOR_WAIT);
  EXPECT_EQ(SetCursorSlot(CURSOR_SLOT_COUNT), -1);
  EXPECT_EQ(SetCursorSlot(-1), -1);
  EXPECT_EQ(CurrentCursorSlot(), CURSOR_WAIT);
  SetCursorSlot(before);
}

TEST(Clipboard, HeadlessClipboardKeepsText) {
  ClipboardSetText("1\t2\r\n你好");
  EXPECT_EQ(ClipboardGetText(), "1\t2\r\n你好");
  ClipboardSetText("");
}

}  // namespace
