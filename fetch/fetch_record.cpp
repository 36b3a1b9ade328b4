#include "fetch/fetch_record.h"

bool WriteRecord(MemoryFile& file, const FetchRecord& record) { return WriteValues(file, record); }

bool ReadRecord(MemoryFile& file, FetchRecord& record) {
  FetchRecord read;
  if (!ReadValues(file, read)) return false;
  read.resize(kFetchSlots);
  record = std::move(read);
  return true;
}
