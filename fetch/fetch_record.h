// FetchRecord: one HTTP request and, after the worker has run, its results, as
// seven Bytes slots. The record travels between the caller and the worker
// thread in a MemoryFile.
#pragma once

#include <cstddef>

#include "text/memory_file.h"

// Always exactly kFetchSlots members. The same slots carry the request in and
// the results out; Text slots hold the Text's bytes, with no ending zero:
//   slot 1  the address in; the response body out (empty on failure)
//   slot 2  "GET" or "POST" in; the cookies the response set out ("a=1;b=2;")
//   slot 3  the http proxy, "host:port"; empty for a direct connection
//   slot 4  extra request header lines, each ending in "\r\n"
//   slot 5  the body of a POST
//   slot 6  the cookies to send in; the raw response headers out
//   slot 7  "真" when redirects may be followed; anything else forbids them
using FetchRecord = BytesArray;

inline constexpr std::size_t kFetchSlots = 7;

// Index in a FetchRecord of each slot (slot n is member n - 1).
enum FetchSlot : std::size_t {
  kAddressSlot = 0,  // and the body coming back
  kMethodSlot = 1,   // and the response cookies coming back
  kProxySlot = 2,
  kHeadersSlot = 3,
  kPostDataSlot = 4,
  kCookiesSlot = 5,  // and the response headers coming back
  kRedirectsSlot = 6,
};
inline constexpr FetchSlot kBodySlot = kAddressSlot;
inline constexpr FetchSlot kResponseCookiesSlot = kMethodSlot;
inline constexpr FetchSlot kResponseHeadersSlot = kCookiesSlot;

// Writes the record at the file's position as one array of Bytes, growing the
// file once for all of it. False when the file refuses the write.
bool WriteRecord(MemoryFile& file, const FetchRecord& record);

// Reads an array written by WriteRecord at the file's position and keeps
// exactly seven slots of it: members beyond the seventh are dropped, missing
// ones are empty. False (record untouched) when no array stands there.
bool ReadRecord(MemoryFile& file, FetchRecord& record);

// Reads like ReadRecord, then closes the file; the largest slot (the body,
// coming back) takes over the file's storage instead of being copied.
bool TakeRecord(MemoryFile& file, FetchRecord& record);
