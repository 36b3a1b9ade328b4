#include "app/links_options.h"

#include <cerrno>
#include <cstdlib>

#include "analysis/address_rows.h"

namespace {

constexpr std::string_view kQueryPath = "/parse.php?flag=&format=&kw=";

// "http://HOST[:PORT]" or "https://...", with at most a trailing "/"; empty
// when it is anything else.
std::string ServiceBase(std::string service) {
  if (!service.empty() && service.back() == '/') service.pop_back();
  for (std::string_view scheme : {"http://", "https://"}) {
    if (service.rfind(scheme, 0) != 0) continue;
    std::string_view host = std::string_view(service).substr(scheme.size());
    if (host.empty() || host.find_first_of("/?#@ ") != std::string_view::npos) return std::string();
    return service;
  }
  return std::string();
}

}  // namespace

std::optional<LinksOptions> ParseLinksOptions(const std::vector<std::string>& arguments,
                                              std::string& error) {
  LinksOptions options;
  options.queryPrefix = std::string(kServiceQueryPrefix);
  bool haveAddress = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (argument == "--help" || argument == "-h") {
      options.help = true;
    } else if (argument == "--json") {
      options.json = true;
    } else if (argument == "--service") {
      const std::string base = hasValue ? ServiceBase(arguments[++i]) : std::string();
      if (base.empty()) {
        error = "--service needs an address of the form http://HOST[:PORT]";
        return std::nullopt;
      }
      options.queryPrefix = base + std::string(kQueryPath);
    } else if (argument == "--time-limit") {
      if (!hasValue) {
        error = "--time-limit needs a number of seconds";
        return std::nullopt;
      }
      const std::string& value = arguments[++i];
      char* end = nullptr;
      errno = 0;
      const long seconds = std::strtol(value.c_str(), &end, 10);
      if (value.empty() || *end != '\0' || errno != 0 || seconds < 1 || seconds > 86400) {
        error = "--time-limit needs a whole number of seconds from 1 to 86400";
        return std::nullopt;
      }
      options.timeLimit = static_cast<int>(seconds);
    } else if (argument.size() > 1 && argument[0] == '-' && argument != "--") {
      error = "unknown option " + argument;
      return std::nullopt;
    } else {
      if (argument == "--") {
        if (!hasValue) break;
        ++i;
      }
      if (haveAddress) {
        error = "only one ADDRESS may be given";
        return std::nullopt;
      }
      options.address = arguments[i];
      haveAddress = true;
    }
  }
  if (!haveAddress && !options.help) {
    error = "no ADDRESS given";
    return std::nullopt;
  }
  return options;
}
