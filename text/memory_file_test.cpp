#include "text/memory_file.h"

#include <gtest/gtest.h>

#include "text/bytes.h"

namespace {

TEST(MemoryFile, RoundTripsAnArrayOfBytesWithZeroBytes) {
  const BytesArray record = {Bytes{'a', 0, 'b'}, Bytes{}, Bytes{0, 0}, Bytes(5000, 0x7F)};
  MemoryFile file = OpenMemoryFile();
  ASSERT_TRUE(WriteValues(file, record));
  ASSERT_TRUE(SeekToStart(file));
  BytesArray read = {Bytes{'x'}};
  ASSERT_TRUE(ReadValues(file, read));
  EXPECT_EQ(read, record);
  EXPECT_TRUE(AtEnd(file));
}

TEST(MemoryFile, RefusesDataThatHoldsNoArray) {
  BytesArray kept = {Bytes{'k'}};
  MemoryFile empty = OpenMemoryFile();
  EXPECT_FALSE(ReadValues(empty, kept));

  MemoryFile text = OpenMemoryFile();
  WriteText(text, "not an array at all");
  SeekToStart(text);
  EXPECT_FALSE(ReadValues(text, kept));

  // A record cut short, and one whose count claims far more than it holds.
  MemoryFile whole = OpenMemoryFile();
  WriteValues(whole, {Bytes{1, 2, 3}, Bytes{4, 5}});
  for (std::size_t cut = 0; cut < whole.data.size(); ++cut) {
    MemoryFile shorter = whole;
    shorter.data.resize(cut);
    SeekToStart(shorter);
    EXPECT_FALSE(ReadValues(shorter, kept)) << "cut at " << cut;
  }
  MemoryFile huge = whole;
  huge.data[4] = huge.data[5] = huge.data[6] = huge.data[7] = 0xFF;
  SeekToStart(huge);
  EXPECT_FALSE(ReadValues(huge, kept));
  EXPECT_EQ(kept, BytesArray{Bytes{'k'}});
}

TEST(MemoryFile, ReadsLines) {
  MemoryFile file = OpenMemoryFile();
  WriteText(file, "a\r\nb");
  SeekToStart(file);
  EXPECT_EQ(ReadLine(file), "a");
  EXPECT_EQ(ReadLine(file), "b");
  EXPECT_TRUE(AtEnd(file));
  EXPECT_EQ(ReadLine(file), "");
}

TEST(MemoryFile, LineEndsAtZeroOr1AAndStepsOverDoubleByteCharacters) {
  MemoryFile file = OpenMemoryFile();
  // 0xB0 0x0A is one character: its trail byte does not end the line.
  file.data = Bytes{'x', 0xB0, 0x0A, 'y', 0x00, 'z', 0x1A, 'w', '\n', '\n', 0xB0};
  std::vector<Text> lines;
  while (!AtEnd(file)) lines.push_back(ReadLine(file));
  EXPECT_EQ(lines, (std::vector<Text>{"x\xB0\ny", "z", "w", "", "\xB0"}));
}

TEST(MemoryFile, WritesOverwriteAtThePositionAndGrow) {
  MemoryFile file = OpenMemoryFile();
  WriteText(file, "hello");
  SeekToStart(file);
  WriteText(file, "J");
  EXPECT_EQ(BytesView(file.data), "Jello");
  CloseFile(file);
  EXPECT_TRUE(file.data.empty());
  EXPECT_TRUE(AtEnd(file));
}

}  // namespace

namespace {

TEST(MemoryFile, TakeValuesGivesTheSameArrayAndClosesTheFile) {
  const std::vector<BytesArray> records = {
      {Bytes{'a'}, Bytes(70000, 0x41), Bytes{0, 'b'}, Bytes{}},
      {Bytes(3, 9)},
      {},
      {Bytes{}, Bytes{}},
  };
  for (const BytesArray& record : records) {
    MemoryFile file = OpenMemoryFile();
    WriteText(file, "head");
    WriteValues(file, record);
    file.position = 4;
    BytesArray taken = {Bytes{'x'}};
    ASSERT_TRUE(TakeValues(file, taken));
    EXPECT_EQ(taken, record);
    EXPECT_TRUE(file.data.empty());
    EXPECT_TRUE(AtEnd(file));
  }
}

TEST(MemoryFile, TakeValuesLeavesADamagedFileAlone) {
  MemoryFile file = OpenMemoryFile();
  WriteValues(file, {Bytes{1, 2, 3}});
  file.data.pop_back();
  const Bytes before = file.data;
  SeekToStart(file);
  BytesArray kept = {Bytes{'k'}};
  EXPECT_FALSE(TakeValues(file, kept));
  EXPECT_EQ(kept, BytesArray{Bytes{'k'}});
  EXPECT_EQ(file.data, before);
}

}  // namespace
