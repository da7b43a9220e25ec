#pragma once
// A text the program shows, as the core makes it: an English form with "%1" ... "%9"
// for its variable parts, and those parts. A window shows it in the user's language
// by looking up the form (translation context "ds") and each part that is a text of
// the program itself, then putting the parts in; no English sentence is ever taken
// apart again. Names, numbers and paths are parts kept as they are.
//
// DS_TR("...") marks a form for the translation tools (scripts/update-translations runs
// them with DS_TR as an alias of their no-op marker) and makes a Text of it. A Text
// made from a plain string is a fixed text of the program (looked up whole, shown as
// it is when nothing translates it): the messages of messages() and the like.
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#define DS_TR(text) (::ds::Text(text))
// The same mark for a fixed text kept as a plain string (a grid heading, a choice).
#define DS_TR_NOOP(text) (text)

namespace ds {

class Text {
 public:
  Text() = default;
  Text(std::string fixed) : form_(std::move(fixed)) {}  // NOLINT: implicit by design
  Text(const char* fixed) : form_(fixed) {}             // NOLINT: implicit by design

  // A part shown exactly as given (a name, a number, a path): never looked up.
  static Text as_is(std::string s) {
    Text t(std::move(s));
    t.as_is_ = true;
    return t;
  }

  // This text with one more part ("%1" is the first): a text of the program, or one
  // kept as it is (a string or a number).
  [[nodiscard]] Text arg(const Text& part) const {
    Text t = *this;
    t.parts_.push_back(part);
    return t;
  }
  [[nodiscard]] Text arg(const std::string& s) const { return arg(as_is(s)); }
  [[nodiscard]] Text arg(const char* s) const { return arg(as_is(s)); }
  [[nodiscard]] Text arg(long long n) const { return arg(as_is(std::to_string(n))); }
  [[nodiscard]] Text arg(int n) const { return arg(static_cast<long long>(n)); }
  [[nodiscard]] Text arg(std::size_t n) const { return arg(static_cast<long long>(n)); }

  const std::string& english_form() const { return form_; }
  const std::vector<Text>& parts() const { return parts_; }
  bool kept_as_is() const { return as_is_; }
  bool empty() const { return form_.empty() && parts_.empty(); }

  // The text in English, parts put in: what the command line prints and the files keep.
  std::string english() const;
  operator std::string() const { return english(); }  // NOLINT: the English text where a string is wanted

  // A form filled with parts already in one language: "%n" replaced by parts[n-1] in one
  // pass (a part may hold "%"); a placeholder without a part stays as it is.
  static std::string fill(std::string_view form, const std::vector<std::string>& parts);

 private:
  std::string form_;
  std::vector<Text> parts_;
  bool as_is_ = false;
};

bool operator==(const Text& a, std::string_view b);
inline bool operator==(const Text& a, const char* b) { return a == std::string_view(b); }
inline bool operator==(const Text& a, const std::string& b) { return a == std::string_view(b); }
bool operator==(const Text& a, const Text& b);
std::ostream& operator<<(std::ostream& os, const Text& t);
// Joined with a string: the English text (the command line's lines, the file headers).
inline std::string operator+(const std::string& a, const Text& b) { return a + b.english(); }
inline std::string operator+(const char* a, const Text& b) { return a + b.english(); }
inline std::string operator+(const Text& a, const std::string& b) { return a.english() + b; }
inline std::string operator+(const Text& a, const char* b) { return a.english() + b; }

}  // namespace ds
