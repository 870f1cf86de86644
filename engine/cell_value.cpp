#include "engine/cell_value.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace kolbex::engine {
namespace {

bool ignored(char ch) { return ch == ' ' || ch == '\t' || ch == '\n'; }

bool is_digit(char ch) { return ch >= '0' && ch <= '9'; }

// The next character of the text that is not ignored, or '\0' past the end.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) { skip(); }
  char peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
  bool at_end() const { return at_ >= text_.size(); }
  void advance() {
    ++at_;
    skip();
  }

 private:
  void skip() {
    while (at_ < text_.size() && ignored(text_[at_])) ++at_;
  }
  std::string_view text_;
  std::size_t at_ = 0;
};

// Appends the decimal digits that follow to `out`; false when there are none.
bool take_digits(Reader& in, std::string& out) {
  const std::size_t before = out.size();
  for (; is_digit(in.peek()); in.advance()) out += in.peek();
  return out.size() != before;
}

int radix_digit(char ch, int radix) {
  int d = -1;
  if (is_digit(ch))
    d = ch - '0';
  else if (ch >= 'a' && ch <= 'f')
    d = ch - 'a' + 10;
  else if (ch >= 'A' && ch <= 'F')
    d = ch - 'A' + 10;
  return d < radix ? d : -1;
}

// "&H1F", "&o17": the digits after the prefix as an unsigned integer. Exact up to 2^64; beyond that the
// value is accumulated in long double and reads 0 when it leaves the range of a double.
double radix_integer(Reader& in, int radix) {
  std::uint64_t exact = 0;
  long double wide = 0;
  bool overflowed = false;
  for (int d; !in.at_end() && (d = radix_digit(in.peek(), radix)) >= 0; in.advance()) {
    if (!overflowed && exact > (std::numeric_limits<std::uint64_t>::max() - static_cast<unsigned>(d)) /
                                   static_cast<unsigned>(radix)) {
      overflowed = true;
      wide = static_cast<long double>(exact);
    }
    if (overflowed)
      wide = wide * radix + d;
    else
      exact = exact * static_cast<unsigned>(radix) + static_cast<unsigned>(d);
  }
  if (!overflowed) return static_cast<double>(exact);
  if (wide > std::numeric_limits<double>::max()) return 0.0;
  return static_cast<double>(wide);
}

}  // namespace

double cell_value(std::string_view text) {
  Reader in(text);
  if (in.peek() == '&') {
    in.advance();
    const char kind = in.peek();
    if (kind == 'H' || kind == 'h') {
      in.advance();
      return radix_integer(in, 16);
    }
    if (kind == 'O' || kind == 'o') {
      in.advance();
      return radix_integer(in, 8);
    }
    return 0.0;
  }

  // Gather the number without the ignored characters, in the form from_chars reads.
  std::string number;  // short texts stay in the string's own buffer: no allocation on the hot path
  if (in.peek() == '+' || in.peek() == '-') {
    if (in.peek() == '-') number += '-';
    in.advance();
  }
  bool mantissa_digits = take_digits(in, number);
  if (in.peek() == '.') {
    number += '.';
    in.advance();
    mantissa_digits = take_digits(in, number) || mantissa_digits;
  }
  if (!mantissa_digits) return 0.0;

  const char e = in.peek();
  if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
    // The exponent counts only when digits follow the letter and its sign.
    std::string exponent = "e";
    in.advance();
    if (in.peek() == '+' || in.peek() == '-') {
      exponent += in.peek();
      in.advance();
    }
    if (take_digits(in, exponent)) number += exponent;
  }

  double value = 0.0;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  (void)end;
  if (ec != std::errc{} || !std::isfinite(value)) return 0.0;
  return value;
}

}  // namespace kolbex::engine
