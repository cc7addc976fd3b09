#include "platform/byte_run.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

#include "platform/memory.h"

namespace {

// Pieces appended past the first block and past its doubling read back in
// order, byte for byte.
TEST(ByteRun, KeepsEveryByteAcrossGrowth) {
  ByteRun run;
  EXPECT_EQ(run.Size(), 0u);
  EXPECT_TRUE(run.View().empty());
  std::string expected;
  for (int i = 0; expected.size() < (std::size_t{9} << 20); ++i) {
    const std::string piece = "piece " + std::to_string(i) + std::string(static_cast<std::size_t>(i % 97), 'x');
    ASSERT_TRUE(run.Append(piece));
    expected += piece;
  }
  ASSERT_EQ(run.Size(), expected.size());
  EXPECT_TRUE(run.View() == expected);
  EXPECT_TRUE(run.Append(""));
  EXPECT_EQ(run.Size(), expected.size());
}

TEST(ByteRun, NoMemoryLeavesTheRunAsItWas) {
  ByteRun run;
  MemoryFailNextAllocations(1);
  EXPECT_FALSE(run.Append("first"));
  EXPECT_EQ(run.Size(), 0u);
  ASSERT_TRUE(run.Append("first"));
  const std::string big(std::size_t{5} << 20, 'b');  // needs a larger block
  MemoryFailNextAllocations(1);
  EXPECT_FALSE(run.Append(big));
  EXPECT_EQ(run.View(), "first");
  ASSERT_TRUE(run.Append(big));
  EXPECT_EQ(run.Size(), 5 + big.size());
}

TEST(ByteRun, SizedValuesReadBackWithTheirLengths) {
  ByteRun run;
  ASSERT_TRUE(run.AppendSized(3, "abc"));
  ASSERT_TRUE(run.AppendSized(0xFFFFFFFFu, ""));  // a length word alone
  const std::string_view all = run.View();
  ASSERT_EQ(all.size(), 4u + 3u + 4u);
  std::uint32_t length = 0;
  std::memcpy(&length, all.data(), 4);
  EXPECT_EQ(length, 3u);
  EXPECT_EQ(all.substr(4, 3), "abc");
  std::memcpy(&length, all.data() + 7, 4);
  EXPECT_EQ(length, 0xFFFFFFFFu);
  MemoryFailNextAllocations(1);
  ByteRun empty;
  EXPECT_FALSE(empty.AppendSized(1, "x"));
  EXPECT_EQ(empty.Size(), 0u);
}

TEST(ByteRun, TruncateAndMove) {
  ByteRun run;
  ASSERT_TRUE(run.Append("abcdef"));
  run.Truncate(10);  // never grows
  EXPECT_EQ(run.View(), "abcdef");
  run.Truncate(3);
  EXPECT_EQ(run.View(), "abc");
  ByteRun moved(std::move(run));
  EXPECT_EQ(moved.View(), "abc");
  EXPECT_EQ(run.Size(), 0u);
  ByteRun other;
  ASSERT_TRUE(other.Append("xyz"));
  other = std::move(moved);
  EXPECT_EQ(other.View(), "abc");
  ASSERT_TRUE(other.Append("d"));
  EXPECT_EQ(other.View(), "abcd");
}

}  // namespace
