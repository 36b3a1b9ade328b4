// polvane-links: the analysis without a window. Prints the rows that the
// windowed program would list for an address.
#include <cstdio>
#include <string>
#include <vector>

#include "analysis/answer_page.h"
#include "app/links_options.h"
#include "fetch/fetch_page.h"
#include "text/code_page.h"

namespace {

std::string ToUtf8(std::string_view gbk) {
  return EncodeText(DecodeText(gbk, kGbkCodePage), kUtf8CodePage);
}

std::string JsonString(std::string_view utf8) {
  std::string quoted = "\"";
  for (char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", byte);
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

void PrintRows(const PageRows& page, bool json) {
  if (!json) {
    for (const AddressRow& row : page.rows) {
      std::printf("%s\t%s\t%s\n", row.id.c_str(), ToUtf8(row.title).c_str(), row.address.c_str());
    }
    return;
  }
  std::printf("[");
  for (std::size_t i = 0; i < page.rows.size(); ++i) {
    const AddressRow& row = page.rows[i];
    std::printf("%s\n  {\"id\": %s, \"title\": %s, \"address\": %s}", i == 0 ? "" : ",", row.id.c_str(),
                JsonString(ToUtf8(row.title)).c_str(), JsonString(ToUtf8(row.address)).c_str());
  }
  std::printf("%s]\n", page.rows.empty() ? "" : "\n");
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const std::optional<LinksOptions> options =
      ParseLinksOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) {
    std::fprintf(stderr, "polvane-links: %s\n%s", error.c_str(), kLinksUsage);
    return 2;
  }
  if (options->help) {
    std::fputs(kLinksUsage, stdout);
    return 0;
  }
  // The typed address crosses into the program's own code page, as the
  // window's address box does.
  const std::string typed = EncodeText(DecodeText(options->address, kUtf8CodePage), kGbkCodePage);
  const Text page = FetchAnswerPage(typed, options->queryPrefix, options->timeLimit);
  const PageRows rows = ExtractRows(page);
  if (rows.rows.empty()) {
    const char* why = page == kFetchTimeoutMessage ? "no answer from the service within the time limit"
                      : page.empty()               ? "the service gave an empty answer"
                                                   : "the answer holds no download links";
    std::fprintf(stderr, "polvane-links: %s\n", why);
    if (options->json) PrintRows(rows, true);
    return 1;
  }
  PrintRows(rows, options->json);
  return 0;
}
