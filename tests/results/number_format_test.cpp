#include "results/number_format.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <string_view>

namespace kolbex::results {
namespace {

struct Case {
  double x;
  std::string_view text;
};

TEST(NumberFormat, GroupedFixedThreeDecimals) {
  const Case cases[] = {
      {0, "0.000"},
      {0.5, "0.500"},
      {2.99996, "3.000"},
      {1234.56789, "1,234.568"},
      {1234567.5, "1,234,567.500"},
      {999.9996, "1,000.000"},
      {-0.25, "-0.250"},
      {-0.0004, "0.000"},  // rounds to zero: no minus sign
      {-0.0, "0.000"},
      {0.0625, "0.063"},  // an exact binary tie rounds half away from zero
      {-0.0625, "-0.063"},
      {1.0005, "1.000"},           // 1.0005 is 1.000499999... in binary: no tie
      {-1234.0005, "-1,234.001"},  // 1234.0005 is 1234.0005000000001018... in binary
      {1e20, "100,000,000,000,000,000,000.000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(grouped_fixed(c.x, 3), c.text);
  }
}

// An independent reference for "#,##0.000" and "#,##0.00": the exact decimal expansion of the double,
// rounded up when the first dropped digit is 5 or more (half away from zero on the magnitude).
std::string reference_fixed(double x, int decimals) {
  char buffer[1500];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x), std::chars_format::fixed, 1100);
  std::string exact(buffer, r.ptr);
  const std::size_t point = exact.find('.');
  std::string kept = exact.substr(0, point) + exact.substr(point + 1, static_cast<std::size_t>(decimals));
  if (exact[point + 1 + static_cast<std::size_t>(decimals)] >= '5') {
    int i = static_cast<int>(kept.size()) - 1;
    for (; i >= 0 && kept[static_cast<std::size_t>(i)] == '9'; --i) kept[static_cast<std::size_t>(i)] = '0';
    if (i < 0)
      kept.insert(kept.begin(), '1');
    else
      ++kept[static_cast<std::size_t>(i)];
  }
  const std::string integer = kept.substr(0, kept.size() - static_cast<std::size_t>(decimals));
  std::string text;
  if (std::signbit(x) && kept.find_first_not_of('0') != std::string::npos) text += '-';
  for (std::size_t i = 0; i < integer.size(); ++i) {
    if (i != 0 && (integer.size() - i) % 3 == 0) text += ',';
    text += integer[i];
  }
  return text + '.' + kept.substr(integer.size());
}

TEST(NumberFormat, GroupedFixedAgreesWithTheExactDecimalExpansion) {
  std::mt19937_64 random(20261210);
  std::uniform_real_distribution<double> mantissa(-1, 1);
  std::uniform_int_distribution<int> exponent(-8, 16);
  for (int i = 0; i < 200000; ++i) {
    const int decimals = 2 + i % 2;
    double x = std::ldexp(mantissa(random), exponent(random) * 3);
    // Every fourth value is an exact binary tie (an odd integer over 2^(decimals + 1)), every fourth
    // another sits next to a decimal tie: there the rounding is decided.
    if (i % 4 == 1) {
      const auto odd = static_cast<double>((random() >> (11 + random() % 40)) | 1);
      x = std::copysign(std::ldexp(odd, -(decimals + 1)), x);
    } else if (i % 4 == 0) {
      const double tie = (std::round(x * 1000) + 0.5) / std::pow(10.0, decimals);
      x = std::nextafter(tie, (i / 4) % 3 == 0 ? -INFINITY : (i / 4) % 3 == 1 ? INFINITY : tie);
    }
    ASSERT_EQ(grouped_fixed(x, decimals), reference_fixed(x, decimals)) << x << " with " << decimals;
  }
}

TEST(NumberFormat, GroupedFixedTwoDecimals) {
  const Case cases[] = {
      {0, "0.00"},       {2.125, "2.13"},  {-2.125, "-2.13"},
      {12.004, "12.00"}, {-0.001, "0.00"}, {3000, "3,000.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(grouped_fixed(c.x, 2), c.text);
  }
}

TEST(NumberFormat, WholeDegrees) {
  const Case cases[] = {
      {0, ""},          {0.4, ""},         {-0.4, ""},         {-12.6, "-13"}, {712.5, "713"},
      {-712.5, "-713"}, {1483.49, "1483"}, {12345.6, "12346"}, {0.5, "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(whole(c.x), c.text);
  }
}

TEST(NumberFormat, General) {
  const Case cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {37.5, "37.5"},
      {0.5, "0.5"},
      {-0.25, "-0.25"},
      {40.1, "40.1"},
      {0.1 + 0.2, "0.3"},  // 15 significant digits
      {1.0 / 3, "0.333333333333333"},
      {123456789012345.0, "123456789012345"},
      {999999999999999.9, "1000000000000000"},  // below 1e15 before rounding: fixed
      {1e15, "1E+15"},
      {1.5e-16, "1.5E-16"},
      {0.0001, "0.0001"},
      {0.00009999, "9.999E-05"},
      {-2.5e20, "-2.5E+20"},
      {1e100, "1E+100"},
      {100, "100"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(general(c.x), c.text);
  }
}

}  // namespace
}  // namespace kolbex::results
