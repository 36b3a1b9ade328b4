#define PCRE2_CODE_UNIT_WIDTH 16
#include "text/regex_object.h"

#include <pcre2.h>

#include "text/code_page.h"
#include "text/text_search.h"

struct RegexObject::Engine {
  Text pattern;
  bool ignoreCase = true;
  bool global = true;
  pcre2_code* code = nullptr;  // null when the pattern did not compile

  ~Engine() { pcre2_code_free(code); }
};

struct RegexObject::Matches {
  std::u16string subject;
  int groups = 0;                   // capture groups per match
  std::vector<PCRE2_SIZE> offsets;  // per match: (groups + 1) begin/end pairs

  int Count() const { return static_cast<int>(offsets.size() / Stride()); }
  std::size_t Stride() const { return 2 * (static_cast<std::size_t>(groups) + 1); }
  const PCRE2_SIZE* Match(int index) const { return offsets.data() + Stride() * (index - 1); }
};

namespace {

constexpr std::size_t kJitStackLimit = 16 * 1024 * 1024;
// The engine's step budget per match. Its default cuts off a single lazy group
// that spans a few million characters, which whole pages on one line need.
constexpr std::uint32_t kMatchLimit = 0xFFFFFFFFu;

pcre2_code* Compile(std::u16string_view pattern, bool ignoreCase, bool multiline) {
  pcre2_compile_context* context = pcre2_compile_context_create(nullptr);
  if (context == nullptr) return nullptr;
  pcre2_set_newline(context, PCRE2_NEWLINE_LF);
  std::uint32_t options = PCRE2_UTF | PCRE2_ALT_BSUX;
  if (ignoreCase) options |= PCRE2_CASELESS;
  options |= multiline ? PCRE2_MULTILINE : PCRE2_DOLLAR_ENDONLY;
  int error = 0;
  PCRE2_SIZE errorOffset = 0;
  pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(),
                                   options, &error, &errorOffset, context);
  pcre2_compile_context_free(context);
  if (code != nullptr) pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);
  return code;
}

// Owns what one run of matches needs; freed on every return path.
struct MatchRun {
  pcre2_match_data* data = nullptr;
  pcre2_match_context* context = nullptr;
  pcre2_jit_stack* stack = nullptr;
  ~MatchRun() {
    pcre2_match_data_free(data);
    pcre2_match_context_free(context);
    pcre2_jit_stack_free(stack);
  }
};

// Width in UTF-16 units of the character at `at` (2 for a surrogate pair).
std::size_t CharacterWidth(std::u16string_view text, std::size_t at) {
  bool pair = at + 1 < text.size() && text[at] >= 0xD800 && text[at] <= 0xDBFF &&
              text[at + 1] >= 0xDC00 && text[at + 1] <= 0xDFFF;
  return pair ? 2 : 1;
}

// Collects the matches of `code` in `subject`, moving on by one character after
// an empty match. False on an engine error (such as a hit resource limit).
bool CollectMatches(const pcre2_code* code, bool global, RegexObject::Matches& matches) {
  std::uint32_t captures = 0;
  pcre2_pattern_info(code, PCRE2_INFO_CAPTURECOUNT, &captures);
  matches.groups = static_cast<int>(captures);
  MatchRun run;
  run.data = pcre2_match_data_create_from_pattern(code, nullptr);
  run.context = pcre2_match_context_create(nullptr);
  run.stack = pcre2_jit_stack_create(32 * 1024, kJitStackLimit, nullptr);
  if (run.data == nullptr || run.context == nullptr) return false;
  if (run.stack != nullptr) pcre2_jit_stack_assign(run.context, nullptr, run.stack);
  pcre2_set_match_limit(run.context, kMatchLimit);
  const std::u16string& subject = matches.subject;
  const auto* units = reinterpret_cast<PCRE2_SPTR>(subject.data());
  PCRE2_SIZE start = 0;
  // Subjects come from our own decoder, which makes well-formed UTF-16 only.
  const std::uint32_t options = PCRE2_NO_UTF_CHECK;
  while (start <= subject.size()) {
    int found = pcre2_match(code, units, subject.size(), start, options, run.data, run.context);
    if (found == PCRE2_ERROR_NOMATCH) break;
    if (found < 0) return false;
    const PCRE2_SIZE* vector = pcre2_get_ovector_pointer(run.data);
    matches.offsets.insert(matches.offsets.end(), vector, vector + matches.Stride());
    if (!global) break;
    start = vector[1] > vector[0] ? vector[1]
            : vector[1] < subject.size() ? vector[1] + CharacterWidth(subject, vector[1])
                                         : subject.size() + 1;
  }
  return true;
}

}  // namespace

RegexObject::RegexObject() = default;
RegexObject::~RegexObject() = default;
RegexObject::RegexObject(const RegexObject&) = default;
RegexObject& RegexObject::operator=(const RegexObject&) = default;

bool RegexObject::Search(std::string_view pattern, std::string_view subject,
                         bool caseSensitive, bool multiline, bool global) {
  engine_.reset();
  auto engine = std::make_shared<Engine>();
  engine->pattern = Text(pattern);
  engine->ignoreCase = !caseSensitive;
  engine->global = global;
  engine->code = Compile(DecodeText(pattern, kGbkCodePage), !caseSensitive, multiline);
  engine_ = engine;

  matches_.reset();
  if (engine->code != nullptr) {
    auto matches = std::make_shared<Matches>();
    matches->subject = DecodeText(subject, kGbkCodePage);
    if (CollectMatches(engine->code, global, *matches)) matches_ = std::move(matches);
  }
  subject_ = Text(subject);
  return matches_ != nullptr;
}

Text RegexObject::PatternText() const { return engine_ ? engine_->pattern : Text(); }

int RegexObject::MatchCount() const { return matches_ ? matches_->Count() : 0; }

int RegexObject::SubMatchCount() const {
  return MatchCount() > 0 ? matches_->groups : 0;
}

Text RegexObject::SpanText(std::size_t begin, std::size_t end) const {
  if (begin == PCRE2_UNSET || end < begin) return Text();
  std::u16string_view span = std::u16string_view(matches_->subject).substr(begin, end - begin);
  std::string text = EncodeText(span, kGbkCodePage);
  return Text(text.substr(0, text.find('\0')));
}

int RegexObject::PositionOf(std::string_view found, std::size_t matchStart) const {
  // The engine's offset counts UTF-16 units; it is used as a byte position to
  // start a byte search from, which finds the text again at or after it.
  int at = FindText(subject_, found, static_cast<int>(matchStart), engine_->ignoreCase);
  return at < 0 ? -2 : at - 1;
}

Text RegexObject::MatchText(int index, int* position) const {
  if (index < 1 || index > MatchCount()) return Text();
  const PCRE2_SIZE* match = matches_->Match(index);
  Text text = SpanText(match[0], match[1]);
  if (position != nullptr) *position = PositionOf(text, match[0]);
  return text;
}

Text RegexObject::SubMatchText(int matchIndex, int groupIndex, int* position) const {
  if (matchIndex < 1 || matchIndex > MatchCount()) return Text();
  if (groupIndex < 1 || groupIndex > matches_->groups) return Text();
  const PCRE2_SIZE* match = matches_->Match(matchIndex);
  Text text = SpanText(match[2 * groupIndex], match[2 * groupIndex + 1]);
  if (position != nullptr) *position = PositionOf(text, match[0]);
  return text;
}

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Appends the expansion of `replacement` for one match to `out`.
void ExpandReplacement(std::u16string_view replacement, std::u16string_view subject,
                       const PCRE2_SIZE* match, int groups, std::u16string& out) {
  auto group = [&](int n) {
    PCRE2_SIZE begin = match[2 * n];
    PCRE2_SIZE end = match[2 * n + 1];
    if (begin != PCRE2_UNSET && end >= begin) out.append(subject.substr(begin, end - begin));
  };
  for (std::size_t i = 0; i < replacement.size(); ++i) {
    char16_t c = replacement[i];
    if (c != u'$' || i + 1 >= replacement.size()) {
      out.push_back(c);
      continue;
    }
    char16_t next = replacement[i + 1];
    if (next == u'$') {
      out.push_back(u'$');
    } else if (next == u'&') {
      group(0);
    } else if (next == u'`') {
      out.append(subject.substr(0, match[0]));
    } else if (next == u'\'') {
      out.append(subject.substr(match[1]));
    } else if (IsDigit(next)) {
      int one = next - u'0';
      bool twoDigits = i + 2 < replacement.size() && IsDigit(replacement[i + 2]);
      int two = twoDigits ? one * 10 + (replacement[i + 2] - u'0') : 0;
      if (twoDigits && two >= 1 && two <= groups) {
        group(two);
        i += 2;
        continue;
      }
      if (one < 1 || one > groups) {
        out.push_back(c);
        continue;
      }
      group(one);
    } else {
      out.push_back(c);
      continue;
    }
    ++i;
  }
}

}  // namespace

Text RegexObject::ReplaceMatches(std::string_view replacement) const {
  if (!engine_ || !matches_) return Text();
  const std::u16string& subject = matches_->subject;
  std::u16string wideReplacement = DecodeText(replacement, kGbkCodePage);
  std::u16string out;
  out.reserve(subject.size());
  std::size_t copied = 0;
  for (int i = 1; i <= matches_->Count(); ++i) {
    const PCRE2_SIZE* match = matches_->Match(i);
    out.append(subject, copied, match[0] - copied);
    ExpandReplacement(wideReplacement, subject, match, matches_->groups, out);
    copied = match[1];
  }
  out.append(subject, copied);
  std::string text = EncodeText(out, kGbkCodePage);
  return Text(text.substr(0, text.find('\0')));
}
