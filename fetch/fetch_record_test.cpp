#include "fetch/fetch_record.h"

#include <gtest/gtest.h>

#include "text/bytes.h"

namespace {

FetchRecord Numbered(std::size_t members) {
  FetchRecord record;
  for (std::size_t i = 0; i < members; ++i) record.push_back(TextToBytes(std::to_string(i + 1)));
  return record;
}

TEST(FetchRecord, TravelsThroughAMemoryFile) {
  FetchRecord record = Numbered(kFetchSlots);
  record[kPostDataSlot] = Bytes{'a', 0, 'b', 0};
  MemoryFile file = OpenMemoryFile();
  ASSERT_TRUE(WriteRecord(file, record));
  SeekToStart(file);
  FetchRecord read;
  ASSERT_TRUE(ReadRecord(file, read));
  EXPECT_EQ(read, record);
}

TEST(FetchRecord, KeepsExactlySevenSlots) {
  const std::size_t sizes[] = {0, 1, 6, 7, 8, 12};
  for (auto* reader : {ReadRecord, TakeRecord})
  for (std::size_t members : sizes) {
    MemoryFile file = OpenMemoryFile();
    ASSERT_TRUE(WriteRecord(file, Numbered(members)));
    SeekToStart(file);
    FetchRecord read;
    ASSERT_TRUE(reader(file, read)) << members;
    ASSERT_EQ(read.size(), kFetchSlots) << members;
    for (std::size_t i = 0; i < kFetchSlots; ++i) {
      EXPECT_EQ(BytesToText(read[i]), i < members ? std::to_string(i + 1) : "") << members << " " << i;
    }
  }
}

TEST(FetchRecord, NoRecordLeavesTheRecordAlone) {
  MemoryFile file = OpenMemoryFile();
  WriteText(file, "not a record");
  SeekToStart(file);
  FetchRecord record = Numbered(kFetchSlots);
  EXPECT_FALSE(ReadRecord(file, record));
  EXPECT_EQ(record, Numbered(kFetchSlots));
}

}  // namespace
