#include "results/number_format.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace kolbex::results {
namespace {

// True when x lies exactly halfway between two multiples of 10^-decimals. Such a value is an odd
// integer divided by 2 x 10^decimals; being a double, its odd mantissa must then carry the binary
// exponent -(decimals + 1) exactly.
bool is_decimal_tie(double x, int decimals) {
  if (x == 0 || !std::isfinite(x)) return false;
  int e = 0;
  const double fraction = std::frexp(std::fabs(x), &e);  // x = fraction * 2^e, 0.5 <= fraction < 1
  auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  e -= 53;
  const int zeros = std::countr_zero(mantissa);
  return e + zeros == -(decimals + 1);
}

// Correctly rounded fixed text of |x| with half away from zero. std::to_chars rounds the exact binary
// value with ties to even; a tie has exactly decimals + 1 decimals, the last a 5, so it is written with
// them, the 5 is dropped and one is carried into the digits before it.
std::to_chars_result fixed_digits(char* first, char* last, double magnitude, int decimals) {
  if (!is_decimal_tie(magnitude, decimals))
    return std::to_chars(first, last, magnitude, std::chars_format::fixed, decimals);
  first[0] = '0';  // room for a carry out of the first digit ("999.995")
  const auto r = std::to_chars(first + 1, last, magnitude, std::chars_format::fixed, decimals + 1);
  if (r.ec != std::errc{}) return r;
  char* end = r.ptr - 1;     // without the 5
  if (decimals == 0) --end;  // nor the point before it
  for (char* p = end - 1;; --p) {
    if (*p == '.') continue;
    if (*p != '9') {
      ++*p;
      break;
    }
    *p = '0';
  }
  if (first[0] == '0') {
    std::memmove(first, first + 1, static_cast<std::size_t>(end - first - 1));
    --end;
  }
  return {end, std::errc{}};
}

void append_grouped(std::string& out, const char* digits, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (i != 0 && (count - i) % 3 == 0) out += ',';
    out += digits[i];
  }
}

bool all_zero_digits(const char* first, const char* last) {
  for (const char* p = first; p != last; ++p)
    if (*p >= '1' && *p <= '9') return false;
  return true;
}

// Digits and decimal exponent of x rounded to at most 15 significant digits, trailing zeros removed:
// x ~ 0.d1d2d3... x 10^(exponent + 1), i.e. d1 is the digit of 10^exponent.
struct Significant {
  char digits[17];
  int count;
  int exponent;
};

Significant significant_digits(double magnitude) {
  Significant s{};
  char buffer[40];
  // The shortest text that reads back as x is the 15-digit rounding whenever it has at most 15 digits.
  auto r = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
  const char* e =
      static_cast<const char*>(std::memchr(buffer, 'e', static_cast<std::size_t>(r.ptr - buffer)));
  int mantissa_digits = 0;
  for (const char* p = buffer; p != e; ++p)
    if (*p != '.') ++mantissa_digits;
  if (mantissa_digits > 15) {
    r = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    e = static_cast<const char*>(std::memchr(buffer, 'e', static_cast<std::size_t>(r.ptr - buffer)));
  }
  for (const char* p = buffer; p != e; ++p)
    if (*p != '.') s.digits[s.count++] = *p;
  while (s.count > 1 && s.digits[s.count - 1] == '0') --s.count;
  std::from_chars(e + 1 + (e[1] == '+'), r.ptr, s.exponent);
  return s;
}

// |x| x 10^decimals rounded half away from zero, when the rounded product of the doubles decides it
// safely: the product is below 1e15, so its integer and fractional parts are exact, and its fraction lies
// clear of one half by more than the product's rounding error. Otherwise false, and the exact digits of
// std::to_chars decide.
bool scaled_integer(double magnitude, int decimals, std::uint64_t& scaled) {
  constexpr double powers[] = {1, 10, 100, 1000};
  if (decimals > 3 || !(magnitude < 1e12)) return false;
  const double y = magnitude * powers[decimals];
  const auto whole = static_cast<std::uint64_t>(y);  // y is at least 0 and below 2^53: this is its floor
  const double fraction = y - static_cast<double>(whole);
  if (std::fabs(fraction - 0.5) <= y * 0x1p-51 + 0x1p-1000) return false;
  scaled = whole + (fraction > 0.5 ? 1 : 0);
  return true;
}

// The last `count` (1 to 3) decimal digits of `value` (below 1000) at p[0], p[1], p[2].
void put_digits(char* p, unsigned value, int count) {
  static constexpr char pairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  const unsigned last_two = value % 100;
  if (count == 3) *p++ = static_cast<char>('0' + value / 100);
  if (count >= 2) *p++ = pairs[2 * last_two];
  *p = pairs[2 * last_two + 1];
}

}  // namespace

void append_grouped_fixed(std::string& out, double x, int decimals) {
  if (!std::isfinite(x)) return;
  std::uint64_t scaled = 0;
  if (scaled_integer(std::fabs(x), decimals, scaled)) {
    // Written backwards from the last decimal, three digits at a time: the decimals, the point, the
    // grouped integer digits (at least one) and the sign unless the value rounds to zero.
    char buffer[48];
    char* p = buffer + sizeof buffer;
    const bool zero = scaled == 0;
    if (decimals > 0) {
      constexpr std::uint64_t powers[] = {1, 10, 100, 1000};
      const auto d = static_cast<unsigned>(scaled % powers[decimals]);
      scaled /= powers[decimals];
      p -= decimals;
      put_digits(p, d, decimals);
      *--p = '.';
    }
    while (scaled >= 1000) {
      p -= 3;
      put_digits(p, static_cast<unsigned>(scaled % 1000), 3);
      scaled /= 1000;
      *--p = ',';
    }
    const auto top = static_cast<unsigned>(scaled);  // 0 to 999: one to three digits
    const int count = top >= 100 ? 3 : top >= 10 ? 2 : 1;
    p -= count;
    put_digits(p, top, count);
    if (std::signbit(x) && !zero) *--p = '-';
    out.append(p, static_cast<std::size_t>(buffer + sizeof buffer - p));
    return;
  }
  char buffer[400];
  const auto r = fixed_digits(buffer, buffer + sizeof buffer, std::fabs(x), decimals);
  if (r.ec != std::errc{}) return;
  const char* first = buffer;
  const char* last = r.ptr;
  if (std::signbit(x) && !all_zero_digits(first, last)) out += '-';
  const char* point = decimals > 0 ? last - decimals - 1 : last;
  append_grouped(out, first, static_cast<std::size_t>(point - first));
  out.append(point, static_cast<std::size_t>(last - point));
}

void append_whole(std::string& out, double x) {
  const double rounded = std::round(x);  // half away from zero
  if (rounded == 0 || !std::isfinite(rounded)) return;
  char buffer[400];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, 0);
  if (r.ec == std::errc{}) out.append(buffer, r.ptr);
}

void append_general(std::string& out, double x) {
  if (!std::isfinite(x)) return;
  if (x == 0) {
    out += '0';
    return;
  }
  const double magnitude = std::fabs(x);
  if (magnitude >= 1e-4 && magnitude < 1e15) {
    // The shortest fixed text that reads back as x is the answer when it has at most 15 significant
    // digits, as entered values usually do.
    char buffer[40];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed);
    int significant = 0;
    bool leading = true;
    for (const char* p = buffer; p != r.ptr; ++p) {
      if (*p < '0' || *p > '9') continue;
      if (*p != '0') leading = false;
      if (!leading) ++significant;
    }
    if (significant <= 15) {
      out.append(buffer, r.ptr);
      return;
    }
  }
  const Significant s = significant_digits(magnitude);
  if (x < 0) out += '-';
  if (magnitude >= 1e-4 && magnitude < 1e15) {
    if (s.exponent >= 0) {
      for (int i = 0; i <= s.exponent; ++i) out += i < s.count ? s.digits[i] : '0';
      if (s.count > s.exponent + 1) {
        out += '.';
        out.append(s.digits + s.exponent + 1, s.digits + s.count);
      }
    } else {
      out += "0.";
      out.append(static_cast<std::size_t>(-s.exponent - 1), '0');
      out.append(s.digits, s.digits + s.count);
    }
    return;
  }
  out += s.digits[0];
  if (s.count > 1) {
    out += '.';
    out.append(s.digits + 1, s.digits + s.count);
  }
  out += 'E';
  out += s.exponent < 0 ? '-' : '+';
  const int exponent = std::abs(s.exponent);
  if (exponent < 10) out += '0';
  char buffer[8];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, exponent);
  out.append(buffer, r.ptr);
}

void append_diagram_general(std::string& out, double x) {
  if (!std::isfinite(x)) return;
  if (!(x < 0)) out += ' ';
  const std::size_t number = out.size();
  append_general(out, x);
  const std::size_t digits = out[number] == '-' ? number + 1 : number;
  if (out.compare(digits, 2, "0.") == 0) out.erase(digits, 1);
  out += ' ';
}

std::string grouped_fixed(double x, int decimals) {
  std::string s;
  append_grouped_fixed(s, x, decimals);
  return s;
}

std::string whole(double x) {
  std::string s;
  append_whole(s, x);
  return s;
}

std::string general(double x) {
  std::string s;
  append_general(s, x);
  return s;
}

std::optional<double> formatted_number(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  std::string plain;
  plain.reserve(text.size());
  for (const char ch : text)
    if (ch != ',') plain += ch;
  double x = 0;
  const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), x);
  if (plain.empty() || ec != std::errc{} || end != plain.data() + plain.size() || !std::isfinite(x))
    return std::nullopt;
  return x;
}

}  // namespace kolbex::results
