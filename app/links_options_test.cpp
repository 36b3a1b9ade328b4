#include "app/links_options.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseLinksOptions, ReadsTheCommandLine) {
  std::string error;
  auto plain = ParseLinksOptions({"http://v.example/1"}, error);
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->address, "http://v.example/1");
  EXPECT_EQ(plain->queryPrefix.substr(0, 7), "http://");
  EXPECT_FALSE(plain->json);
  EXPECT_FALSE(plain->timeLimit);

  auto full = ParseLinksOptions({"--json", "--service", "http://127.0.0.1:8080/", "--time-limit", "5", "x"},
                                error);
  ASSERT_TRUE(full);
  EXPECT_EQ(full->queryPrefix, "http://127.0.0.1:8080/parse.php?flag=&format=&kw=");
  EXPECT_EQ(full->timeLimit, 5);
  EXPECT_TRUE(full->json);
  EXPECT_EQ(full->address, "x");

  auto dashed = ParseLinksOptions({"--", "-strange-address"}, error);
  ASSERT_TRUE(dashed);
  EXPECT_EQ(dashed->address, "-strange-address");

  auto help = ParseLinksOptions({"--help"}, error);
  ASSERT_TRUE(help);
  EXPECT_TRUE(help->help);
}

TEST(ParseLinksOptions, RefusesUsageErrors) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"a", "b"},
      {"--bogus", "a"},
      {"--service"},
      {"--service", "ftp://h", "a"},
      {"--service", "http://h/other/path", "a"},
      {"--service", "http://", "a"},
      {"--time-limit", "abc", "a"},
      {"--time-limit", "0", "a"},
      {"--time-limit", "-3", "a"},
      {"--time-limit", "5s", "a"},
      {"--time-limit"},
  };
  for (const auto& arguments : cases) {
    std::string error;
    EXPECT_FALSE(ParseLinksOptions(arguments, error)) << testing::PrintToString(arguments);
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
