// polvane-links run as a program against a stand-in service.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "analysis/fake_service.h"
#include "text/gbk_literal.h"

namespace {

struct ProgramRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string ReadAll(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

ProgramRun RunLinks(const std::vector<std::string>& arguments) {
  // Tests run side by side in separate processes: each has files of its own.
  const std::string stem = testing::TempDir() + "links-" + std::to_string(getpid());
  const std::string outPath = stem + ".out";
  const std::string errPath = stem + ".err";
  pid_t child = fork();
  if (child == 0) {
    std::freopen(outPath.c_str(), "w", stdout);
    std::freopen(errPath.c_str(), "w", stderr);
    std::vector<char*> argv = {const_cast<char*>(POLVANE_LINKS_PATH)};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(POLVANE_LINKS_PATH, argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ProgramRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadAll(outPath), ReadAll(errPath)};
  std::remove(outPath.c_str());
  std::remove(errPath.c_str());
  return run;
}

std::string Page(const std::string& title, const std::vector<std::string>& links) {
  std::string page = "document.title = \"" + title + "- FLVCD" + Gbk("硕鼠官网") + "|FLV" + Gbk("下载") + "\";\n";
  for (const std::string& link : links) page += "<a href=\"" + link + "\" target=\"_blank\">x</a>\n";
  return page;
}

TEST(PolvaneLinks, PrintsRowsAsTabSeparatedLines) {
  FakeService service;
  service.SetPage(Page(Gbk("标题"), {"http://a/1", "http://taobao/x", "http://a/2"}));
  const ProgramRun run = RunLinks({"--service", service.base(), "http://v/1"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "1\t标题\thttp://a/1\n2\t标题\thttp://a/2\n");
  ASSERT_EQ(service.targets().size(), 1u);
  EXPECT_EQ(service.targets()[0].substr(0, 30), "/parse.php?flag=&format=&kw=%6");
}

TEST(PolvaneLinks, PrintsJson) {
  FakeService service;
  service.SetPage(Page("a\"b\\c", {"http://a/1?x=\"y\""}));
  const ProgramRun run = RunLinks({"--json", "--service", service.base(), "v"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "[\n  {\"id\": 1, \"title\": \"a\\\"b\\\\c\", \"address\": \"http://a/1?x=\\\"y\\\"\"}\n]\n");
}

TEST(PolvaneLinks, SaysWhyNothingWasFound) {
  FakeService service;
  service.SetPage(Page("t", {}));
  ProgramRun run = RunLinks({"--service", service.base(), "v"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "polvane-links: the answer holds no download links\n");

  service.SetPage("");
  run = RunLinks({"--service", service.base(), "v"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "polvane-links: the service gave an empty answer\n");

  service.SetSilent(true);
  run = RunLinks({"--service", service.base(), "--time-limit", "1", "v"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "polvane-links: no answer from the service within the time limit\n");
}

TEST(PolvaneLinks, UsageErrorsAndHelp) {
  ProgramRun run = RunLinks({});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("usage: polvane-links"), std::string::npos);
  run = RunLinks({"--service", "nonsense", "v"});
  EXPECT_EQ(run.exitCode, 2);
  run = RunLinks({"--help"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out.rfind("usage: polvane-links", 0), 0u);
}

}  // namespace
