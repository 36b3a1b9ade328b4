#include "app/owner_window.h"

#include "app/window_list.h"

namespace {

// The bytes the system's buffers hold: 256 for a caption, 50 for a class
// name, each with its ending zero.
constexpr std::size_t kTitleBytes = 255;
constexpr std::size_t kClassNameBytes = 49;

}  // namespace

int GatherWindows(std::vector<WindowRecord>& records) {
  std::vector<WindowRecord>& collected = State().windowRecords;
  collected.clear();
  Windows().ForEachWindow([&collected](const ListedWindow& listed) {
    if (!listed.visible) return;
    collected.push_back(WindowRecord{listed.window, listed.processId, listed.threadId,
                                     listed.title.substr(0, kTitleBytes),
                                     listed.className.substr(0, kClassNameBytes)});
  });
  records = collected;
  collected.clear();
  collected.shrink_to_fit();
  return static_cast<int>(records.size());
}

WindowHandle FindProcessWindow(std::int32_t processId) {
  std::vector<WindowRecord> records;
  GatherWindows(records);
  for (const WindowRecord& record : records) {
    if (record.processId == processId) return record.window;
  }
  return 0;
}
