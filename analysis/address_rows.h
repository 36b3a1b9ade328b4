// From the parsing service's answer page to the rows of the results list.
#pragma once

#include <string_view>
#include <vector>

#include "text/text.h"
#include "text/text_array.h"

// The service's query address up to the encoded page address, which follows it.
inline constexpr std::string_view kServiceQueryPrefix =
    "http://parse.polvane.example/parse.php?flag=&format=&kw=";

// One row of the results list.
struct AddressRow {
  Text id;       // 1 for the first row of an analysis, 2 for the second, ...
  Text title;    // the page title, the same in every row of one analysis
  Text address;  // the link exactly as found in the page
};

// What one answer page yields.
struct PageRows {
  TextArray links;               // every link fragment in page order, dropped ones too
  Text title;                    // empty when the page has no title
  std::vector<AddressRow> rows;  // the kept links, numbered from 1
};

// Cuts every link and the title out of `pageText` and makes one row per link
// that contains neither "flvcd" nor "taobao" (exact case). A page without
// links gives no rows; one without a title gives empty titles.
PageRows ExtractRows(std::string_view pageText);

// The service's query address for the typed page address: `queryPrefix`
// followed by the address with every byte percent-encoded.
Text QueryAddress(std::string_view typedAddress,
                  std::string_view queryPrefix = kServiceQueryPrefix);
