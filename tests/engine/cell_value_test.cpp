#include "engine/cell_value.h"

#include <gtest/gtest.h>

#include <string_view>

namespace kolbex::engine {
namespace {

struct Case {
  std::string_view text;
  double value;
};

TEST(CellValue, ReadsTheLongestLeadingNumber) {
  const Case cases[] = {
      {"", 0},
      {"n.d.", 0},
      {"-", 0},
      {"0", 0},
      {"37.5", 37.5},
      {"12.5 wt%", 12.5},
      {"1 2.5", 12.5},  // blanks anywhere are ignored
      {" \t12.5\n", 12.5},
      {"1,5", 1},  // the decimal point is always "."
      {"2.1E1", 21},
      {"2.1e1", 21},
      {"1D2", 100},
      {"1d-2", 0.01},
      {"1E", 1},  // an exponent letter without digits ends the number
      {"1E+", 1},
      {"-0.25", -0.25},
      {"+3", 3},
      {".5", 0.5},
      {"5.", 5},
      {"-.5e1", -5},
      {"1.2.3", 1.2},
      {"--5", 0},
      {"+-5", 0},
      {"1e400", 0},  // beyond the range of a double
      {"-1e400", 0},
      {"\r5", 0},    // a carriage return is not a blank
      {"0.1", 0.1},  // nearest double
      {"&H1F", 31},
      {"&h1f", 31},
      {"& H 10", 16},
      {"&HFFFF", 65535},  // unsigned
      {"&HFFFFFFFFFFFFFFFF", 18446744073709551615.0},
      {"&O17", 15},
      {"&o778", 63},  // 8 is not an octal digit
      {"&H", 0},
      {"&X12", 0},
      {"-&H10", 0},  // the prefix counts only at the very start
      {"12&H10", 12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "\"" << c.text << "\"");
    EXPECT_EQ(cell_value(c.text), c.value);
  }
}

TEST(CellValue, ReadsAnyBytesWithoutFailing) {
  const std::string_view odd[] = {
      std::string_view("\0\xff\xfe", 3), "\xc3\xa4", "&HGG", "e5", "D", ".", "+."};
  for (std::string_view text : odd) EXPECT_EQ(cell_value(text), 0);
  const std::string many_digits(5000, '9');
  EXPECT_EQ(cell_value(many_digits), 0);  // 10^5000 is beyond the range of a double
  EXPECT_EQ(cell_value("0." + many_digits), 1);
}

}  // namespace
}  // namespace kolbex::engine
