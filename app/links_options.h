// The command line of polvane-links.
#pragma once

#include <optional>
#include <string>
#include <vector>

inline constexpr const char* kLinksUsage =
    "usage: polvane-links [--service http://HOST[:PORT]] [--time-limit SECONDS] [--json] ADDRESS\n"
    "Asks the parsing service for ADDRESS and prints every download link found:\n"
    "one row a line as number, title and address separated by tabs, or a JSON\n"
    "array with --json. Exit status: 0 when links were found, 1 when none, 2 for\n"
    "a usage error.\n"
    "  --service URL       ask this service (scheme, host and port) instead of the usual one\n"
    "  --time-limit N      wait at most N seconds for the answer (default 60)\n"
    "  --json              print a JSON array of {\"id\", \"title\", \"address\"}\n"
    "  --help              print this text\n";

struct LinksOptions {
  std::string address;            // the video page's address, as typed (UTF-8)
  std::string queryPrefix;        // the service's query address before the encoded address
  std::optional<int> timeLimit;   // seconds
  bool json = false;
  bool help = false;
};

// Reads the arguments (without the program name). Empty optional with `error`
// set on a usage error.
std::optional<LinksOptions> ParseLinksOptions(const std::vector<std::string>& arguments,
                                              std::string& error);
