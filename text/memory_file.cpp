#include "text/memory_file.h"

#include "text/huge_pages.h"

#include <algorithm>
#include <cstring>

namespace {

// Serialised form: the tag, the member count, then each member as its length
// and its bytes; counts and lengths are 32-bit little-endian.
constexpr std::uint8_t kArrayTag[4] = {'B', 'A', 'R', '1'};

void WriteBytesAt(MemoryFile& file, const std::uint8_t* bytes, std::size_t size) {
  if (file.position + size > file.data.size()) file.data.resize(file.position + size);
  if (size != 0) std::memcpy(file.data.data() + file.position, bytes, size);
  file.position += size;
}

void WriteCount(MemoryFile& file, std::uint32_t count) {
  std::uint8_t le[4] = {static_cast<std::uint8_t>(count), static_cast<std::uint8_t>(count >> 8),
                        static_cast<std::uint8_t>(count >> 16), static_cast<std::uint8_t>(count >> 24)};
  WriteBytesAt(file, le, 4);
}

bool ReadCount(const MemoryFile& file, std::size_t& at, std::uint32_t& count) {
  if (file.data.size() - at < 4) return false;
  const std::uint8_t* p = file.data.data() + at;
  count = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
  at += 4;
  return true;
}

}  // namespace

bool WriteValues(MemoryFile& file, const BytesArray& values) {
  // Room for the whole array at once: large bodies pass through here.
  std::size_t size = sizeof kArrayTag + 4;
  for (const Bytes& member : values) size += 4 + member.size();
  if (file.data.capacity() < file.position + size) {
    file.data.reserve(file.position + size);
    AdviseHugePages(file.data);
  }
  WriteBytesAt(file, kArrayTag, sizeof kArrayTag);
  WriteCount(file, static_cast<std::uint32_t>(values.size()));
  for (const Bytes& member : values) {
    WriteCount(file, static_cast<std::uint32_t>(member.size()));
    WriteBytesAt(file, member.data(), member.size());
  }
  return true;
}

namespace {

// Where one member's bytes stand in the file.
struct MemberSpan {
  std::size_t offset;
  std::size_t length;
};

// Finds the members of the array stored at the file's position, and the end
// of that array; false when no whole array stands there.
bool FindMembers(const MemoryFile& file, std::vector<MemberSpan>& members, std::size_t& end) {
  std::size_t at = file.position;
  if (at > file.data.size() || file.data.size() - at < sizeof kArrayTag) return false;
  if (std::memcmp(file.data.data() + at, kArrayTag, sizeof kArrayTag) != 0) return false;
  at += sizeof kArrayTag;
  std::uint32_t count = 0;
  if (!ReadCount(file, at, count)) return false;
  // Each member needs at least its four length bytes: a count beyond that is
  // damage, and must not make us reserve memory for it.
  if (count > (file.data.size() - at) / 4) return false;
  members.reserve(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint32_t length = 0;
    if (!ReadCount(file, at, length)) return false;
    if (file.data.size() - at < length) return false;
    members.push_back({at, length});
    at += length;
  }
  end = at;
  return true;
}

Bytes CopyMember(const MemoryFile& file, MemberSpan span) {
  Bytes member;
  member.reserve(span.length);
  AdviseHugePages(member);
  const auto begin = file.data.begin() + static_cast<std::ptrdiff_t>(span.offset);
  member.insert(member.end(), begin, begin + static_cast<std::ptrdiff_t>(span.length));
  return member;
}

}  // namespace

bool ReadValues(MemoryFile& file, BytesArray& values) {
  std::vector<MemberSpan> members;
  std::size_t end = 0;
  if (!FindMembers(file, members, end)) return false;
  BytesArray read;
  read.reserve(members.size());
  for (const MemberSpan& span : members) read.push_back(CopyMember(file, span));
  values = std::move(read);
  file.position = end;
  return true;
}

bool TakeValues(MemoryFile& file, BytesArray& values) {
  std::vector<MemberSpan> members;
  std::size_t end = 0;
  if (!FindMembers(file, members, end)) return false;
  std::size_t largest = 0;
  for (std::size_t i = 1; i < members.size(); ++i) {
    if (members[i].length > members[largest].length) largest = i;
  }
  BytesArray read(members.size());
  for (std::size_t i = 0; i < members.size(); ++i) {
    if (i != largest) read[i] = CopyMember(file, members[i]);
  }
  if (!members.empty()) {
    // The largest member moves to the front of the file's own storage, which
    // then becomes that member: no second buffer of its size is made.
    const MemberSpan span = members[largest];
    std::memmove(file.data.data(), file.data.data() + span.offset, span.length);
    file.data.resize(span.length);
    read[largest] = std::move(file.data);
  }
  values = std::move(read);
  CloseFile(file);
  return true;
}

bool WriteText(MemoryFile& file, std::string_view text) {
  WriteBytesAt(file, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  return true;
}

Text ReadLine(MemoryFile& file) {
  const Bytes& data = file.data;
  std::size_t begin = file.position;
  std::size_t p = begin;
  while (p < data.size()) {
    std::uint8_t c = data[p];
    if (c == '\n' || c == 0 || c == 0x1A) break;
    p += (c >= 0x80) ? 2 : 1;
  }
  std::size_t end = p < data.size() ? p : data.size();
  file.position = p < data.size() ? p + 1 : data.size();
  if (end > begin && data[end - 1] == '\r') --end;
  return Text(reinterpret_cast<const char*>(data.data()) + begin,
              reinterpret_cast<const char*>(data.data()) + std::max(begin, end));
}
