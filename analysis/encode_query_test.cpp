#include "analysis/encode_query.h"

#include <gtest/gtest.h>

#include "platform/ui_services.h"

namespace {

TEST(EncodeQuery, EncodesEveryByteWithTwoDigits) {
  const struct {
    std::string text;
    bool keepSafe;
    std::string expected;
  } cases[] = {
      {"abc", false, "%61%62%63"},
      {"abc", true, "abc"},
      {"   ", false, "%20%20%20"},
      {"\t", false, "%09"},
      {"\xCA\xD3", false, "%CA%D3"},
      {"\xCA\xD3", true, "%CA%D3"},
      {"a,-./09AZaz:?", true, "a,-./09AZaz%3A%3F"},
      {"", false, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncodeQuery(c.text, c.keepSafe), c.expected) << c.text;
  }
}

// Counts the event pumps that encoding asks for.
class CountingServices : public UiServices {
 public:
  void ProcessEvents() override { ++pumps; }
  void WaitForEvents(int) override {}
  void Wake() override {}
  bool SetClipboardText(std::string_view) override { return false; }
  void ShowMessage(std::string_view, int, std::string_view) override {}
  int pumps = 0;
};

TEST(EncodeQuery, LetsEventsRunAfterEveryByte) {
  CountingServices services;
  InstallUiServices(&services);
  EncodeQuery("12345");
  InstallUiServices(nullptr);
  EXPECT_EQ(services.pumps, 5);
}

}  // namespace
