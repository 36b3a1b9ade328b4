// MemoryFile: an in-memory byte stream with one position shared by reads and
// writes. It carries a request record between threads and splits text into lines.
#pragma once

#include <vector>

#include "text/text.h"

struct MemoryFile {
  Bytes data;
  std::size_t position = 0;
};

using BytesArray = std::vector<Bytes>;

// An empty file at position 0.
inline MemoryFile OpenMemoryFile() { return MemoryFile(); }

// Writes the whole array, with its member count, at the position in a form that
// ReadValues reads back; moves the position behind it. Always true.
bool WriteValues(MemoryFile& file, const BytesArray& values);

// Reads an array written by WriteValues at the position into `values`,
// replacing what it held; false (values untouched, position unchanged) when the
// data there holds no such array or the file ends before it does.
bool ReadValues(MemoryFile& file, BytesArray& values);

// Reads like ReadValues, then closes the file: the largest member takes over
// the file's storage instead of being copied, so a large body needs no second
// buffer. False (values untouched, file unchanged) as for ReadValues.
bool TakeValues(MemoryFile& file, BytesArray& values);

// Writes the bytes of the text at the position, with no separator. Always true.
bool WriteText(MemoryFile& file, std::string_view text);

// Reads up to the next line feed, zero byte or 0x1A (stepping over double-byte
// characters), without that byte and without one carriage return ending the
// line; the position goes behind the ending byte. Empty at the end of the file.
Text ReadLine(MemoryFile& file);

inline bool AtEnd(const MemoryFile& file) { return file.position >= file.data.size(); }
inline bool SeekToStart(MemoryFile& file) { file.position = 0; return true; }
// Empties the file and frees its memory.
inline void CloseFile(MemoryFile& file) { file = MemoryFile(); }
