#include "analysis/address_rows.h"

#include "analysis/encode_query.h"
#include "text/all_between.h"
#include "text/delimiters.h"
#include "text/text_build.h"
#include "text/text_change.h"
#include "text/text_search.h"

namespace {

constexpr std::string_view kLinkStart = "<a href=\"";
constexpr std::string_view kLinkEnd = "\" target=\"_blank\"";
constexpr std::string_view kTitleStart = "document.title = \"";
// "- FLVCD硕鼠官网|FLV下载\";" in GBK.
constexpr std::string_view kTitleEnd =
    "- FLVCD\xCB\xB6\xCA\xF3\xB9\xD9\xCD\xF8|FLV\xCF\xC2\xD4\xD8\";";
// A title the page's script writes as quoted parts joined by plus signs.
constexpr std::string_view kTitleJoint = "\" + \"";

}  // namespace

PageRows ExtractRows(std::string_view pageText) {
  PageRows page;
  AllBetween(pageText, kLinkStart, kLinkEnd, page.links);
  page.title = TextBetween(pageText, kTitleStart, kTitleEnd);
  page.title = ReplaceText(page.title, kTitleJoint, "", 1, -1, false);
  for (int linkIndex = 1; linkIndex <= page.links.Count(); ++linkIndex) {
    const Text& link = page.links.At(linkIndex);
    if (FindText(link, "flvcd") != -1) continue;
    if (FindText(link, "taobao") != -1) continue;
    const int rowCount = static_cast<int>(page.rows.size()) + 1;
    page.rows.push_back({NumberText(rowCount), page.title, link});
  }
  return page;
}

Text QueryAddress(std::string_view typedAddress, std::string_view queryPrefix) {
  return JoinText(queryPrefix, EncodeQuery(typedAddress));
}
