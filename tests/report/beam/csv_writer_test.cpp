// The CSV table's numbers: the shortest form that reads back as the same
// double, and key g's words for what is not a finite number.
#include <cstdlib>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "report/beam/csv_writer.h"

using namespace dlt;

TEST(CsvReport, ShortestNumbersThatReadBackExactly) {
  const double inf = std::numeric_limits<double>::infinity();
  std::string csv;
  append_csv_row(csv, {0.1, {1.0 / 3, -0.0, 1e-300, 2.5e17}});
  append_csv_row(csv, {2, {std::numeric_limits<double>::quiet_NaN(), inf, -inf, 7}});
  EXPECT_EQ(csv, "0.1,0.3333333333333333,-0,1e-300,2.5e+17\r\n2,nan,inf,-inf,7\r\n");
  EXPECT_EQ(std::strtod("0.3333333333333333", nullptr), 1.0 / 3);
}
