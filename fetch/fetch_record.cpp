#include "fetch/fetch_record.h"

bool WriteRecord(MemoryFile& file, const FetchRecord& record) { return WriteValues(file, record); }

namespace {

// Reads with `read` (ReadValues or TakeValues) and keeps exactly seven slots.
bool ReadSlots(MemoryFile& file, FetchRecord& record, bool (*read)(MemoryFile&, BytesArray&)) {
  FetchRecord slots;
  if (!read(file, slots)) return false;
  slots.resize(kFetchSlots);
  record = std::move(slots);
  return true;
}

}  // namespace

bool ReadRecord(MemoryFile& file, FetchRecord& record) { return ReadSlots(file, record, ReadValues); }

bool TakeRecord(MemoryFile& file, FetchRecord& record) { return ReadSlots(file, record, TakeValues); }
