#include "fetch/fetch_record.h"

#include "fetch/huge_pages.h"

bool WriteRecord(MemoryFile& file, const FetchRecord& record) {
  // Room for every member and generous room for the stored form's own counts,
  // so that a large body is copied into the file once instead of regrown.
  std::size_t size = 64 + 16 * record.size();
  for (const Bytes& member : record) size += member.size();
  if (file.data.capacity() < file.position + size) {
    file.data.reserve(file.position + size);
    AdviseHugePages(file.data);
  }
  return WriteValues(file, record);
}

bool ReadRecord(MemoryFile& file, FetchRecord& record) {
  FetchRecord read;
  if (!ReadValues(file, read)) return false;
  read.resize(kFetchSlots);
  record = std::move(read);
  return true;
}
