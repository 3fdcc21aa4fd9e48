#include "alarm/alarm_input.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace {

using alarms::MinutesStatus;

const double kInf = std::numeric_limits<double>::infinity();

struct NumberCase {
  std::string text;
  bool isNumber;
  double value;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << '"' << c.text.substr(0, 40) << '"'; }

class ParseNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ParseNumberTest, AcceptsWholeDecimalNumbersOnly) {
  const std::optional<double> value = alarms::ParseNumber(GetParam().text);
  ASSERT_EQ(value.has_value(), GetParam().isNumber);
  if (value) {
    EXPECT_EQ(*value, GetParam().value);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ParseNumberTest,
    ::testing::Values(
        NumberCase{" 1.5 ", true, 1.5}, NumberCase{"1.5", true, 1.5},
        NumberCase{"0.004", true, 0.004}, NumberCase{"-2", true, -2}, NumberCase{"+3", true, 3},
        NumberCase{"0.0", true, 0}, NumberCase{"   0   ", true, 0}, NumberCase{".5", true, 0.5},
        NumberCase{"5.", true, 5}, NumberCase{"007", true, 7}, NumberCase{"1e3", true, 1000},
        NumberCase{"1E+3", true, 1000}, NumberCase{"2.5e-1", true, 0.25},
        NumberCase{" 59", true, 59},
        // Beyond the range of a double: infinite, or zero when too small.
        NumberCase{"1e400", true, kInf}, NumberCase{"-1e400", true, -kInf},
        NumberCase{"1e99999999999999999999999", true, kInf}, NumberCase{"1e-400", true, 0},
        NumberCase{"1e-99999999999999999999999", true, 0},
        NumberCase{"0." + std::string(400, '0') + "1", true, 0},
        NumberCase{"1" + std::string(9999, '0'), true, kInf},
        NumberCase{std::string(10000, '0'), true, 0},
        // Not numbers.
        NumberCase{"", false, 0}, NumberCase{"   ", false, 0}, NumberCase{"abc", false, 0},
        NumberCase{".", false, 0}, NumberCase{"-", false, 0}, NumberCase{"+", false, 0},
        NumberCase{"e3", false, 0}, NumberCase{"1e", false, 0}, NumberCase{"1e+", false, 0},
        NumberCase{"1 2", false, 0}, NumberCase{"- 1", false, 0}, NumberCase{"1,5", false, 0},
        NumberCase{"1.2.3", false, 0}, NumberCase{"--1", false, 0}, NumberCase{"0x10", false, 0},
        NumberCase{"&H10", false, 0}, NumberCase{"1d3", false, 0}, NumberCase{"12abc", false, 0},
        NumberCase{"nan", false, 0}, NumberCase{"NaN", false, 0}, NumberCase{"inf", false, 0},
        NumberCase{"-inf", false, 0}, NumberCase{"Infinity", false, 0},
        // Only spaces count as blanks; control characters and other
        // scripts' digits and spaces are not part of a number.
        NumberCase{"\t1", false, 0}, NumberCase{"1\n", false, 0},
        NumberCase{std::string("1\0", 2), false, 0}, NumberCase{"\x01\x7f", false, 0},
        NumberCase{"\xEF\xBC\x91", false, 0} /* fullwidth one */,
        NumberCase{"1\xC2\xA0", false, 0} /* no-break space */,
        NumberCase{"\xD9\xA3", false, 0} /* Arabic-Indic three */,
        NumberCase{std::string(10000, 'x'), false, 0},
        NumberCase{std::string(10000, '1') + "x", false, 0}));

struct MinutesCase {
  std::string text;
  MinutesStatus status;
  std::int32_t seconds;
};

void PrintTo(const MinutesCase& c, std::ostream* os) { *os << '"' << c.text.substr(0, 40) << '"'; }

class ReadAlarmMinutesTest : public ::testing::TestWithParam<MinutesCase> {};

TEST_P(ReadAlarmMinutesTest, GivesRoundedSecondsOrTheReason) {
  const alarms::MinutesReading reading = alarms::ReadAlarmMinutes(GetParam().text);
  EXPECT_EQ(reading.status, GetParam().status);
  if (reading.status == MinutesStatus::kValid) {
    EXPECT_EQ(reading.seconds, GetParam().seconds);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Minutes, ReadAlarmMinutesTest,
    ::testing::Values(
        MinutesCase{" 1.5 ", MinutesStatus::kValid, 90},
        MinutesCase{"0.01", MinutesStatus::kValid, 1},
        // Valid though it rounds to no seconds at all: fires on the first tick.
        MinutesCase{"0.004", MinutesStatus::kValid, 0},
        MinutesCase{"-2", MinutesStatus::kValid, -120},
        MinutesCase{"1e3", MinutesStatus::kValid, 60000},
        // Halves go to the even neighbour (0.5 s, 1.5 s, 2.5 s).
        MinutesCase{"0.008333333333333333", MinutesStatus::kValid, 0},
        MinutesCase{"0.025", MinutesStatus::kValid, 2},
        MinutesCase{"0.041666666666666667", MinutesStatus::kValid, 2},
        // The 32-bit limits of the seconds.
        MinutesCase{"35791394.1", MinutesStatus::kValid, 2147483646},
        MinutesCase{"-35791394.1", MinutesStatus::kValid, -2147483646},
        MinutesCase{"35791394.2", MinutesStatus::kInvalid, 0},
        MinutesCase{"-35791394.2", MinutesStatus::kInvalid, 0},
        MinutesCase{"1e308", MinutesStatus::kInvalid, 0},
        MinutesCase{"1e400", MinutesStatus::kInvalid, 0},
        MinutesCase{"-1e400", MinutesStatus::kInvalid, 0},
        MinutesCase{"0", MinutesStatus::kZero, 0}, MinutesCase{"0.0", MinutesStatus::kZero, 0},
        MinutesCase{" 0 ", MinutesStatus::kZero, 0}, MinutesCase{"-0", MinutesStatus::kZero, 0},
        MinutesCase{"1e-400", MinutesStatus::kZero, 0},
        MinutesCase{"abc", MinutesStatus::kInvalid, 0}, MinutesCase{"", MinutesStatus::kInvalid, 0},
        MinutesCase{"nan", MinutesStatus::kInvalid, 0},
        MinutesCase{"inf", MinutesStatus::kInvalid, 0}));

struct TimeCase {
  std::string hour;
  std::string minute;
  const char* expected;  // nullptr: not a time of day
};

void PrintTo(const TimeCase& c, std::ostream* os) {
  *os << '"' << c.hour.substr(0, 20) << "\" \"" << c.minute.substr(0, 20) << '"';
}

class ReadAlarmTimeTest : public ::testing::TestWithParam<TimeCase> {};

TEST_P(ReadAlarmTimeTest, GivesTwoDigitHoursAndMinutesOrNothing) {
  const auto time = alarms::ReadAlarmTime(GetParam().hour, GetParam().minute);
  if (GetParam().expected) {
    ASSERT_TRUE(time.has_value());
    EXPECT_EQ(alarms::FormatTimeOfDay(*time), GetParam().expected);
  } else {
    EXPECT_FALSE(time.has_value()) << alarms::FormatTimeOfDay(*time);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Times, ReadAlarmTimeTest,
    ::testing::Values(
        TimeCase{"23", " 59", "23:59"}, TimeCase{"0", " 0", "00:00"}, TimeCase{"7", " 5", "07:05"},
        TimeCase{" 7 ", "05", "07:05"}, TimeCase{"007", "000", "07:00"},
        TimeCase{"12", "30", "12:30"}, TimeCase{"24", " 0", nullptr},
        TimeCase{"23", " 60", nullptr}, TimeCase{"99999999999999999999", "0", nullptr},
        TimeCase{"-1", "0", nullptr}, TimeCase{"+1", "0", nullptr}, TimeCase{"1", "-0", nullptr},
        TimeCase{"1.5", "0", nullptr}, TimeCase{"1.0", "0", nullptr}, TimeCase{"1", "0.", nullptr},
        TimeCase{"1e1", "0", nullptr}, TimeCase{"", " 0", nullptr}, TimeCase{"7", "", nullptr},
        TimeCase{"  ", "  ", nullptr}, TimeCase{"abc", "1", nullptr}, TimeCase{"1", "x", nullptr},
        TimeCase{"\t1", "0", nullptr}, TimeCase{"1", "\r\n", nullptr},
        TimeCase{"\xEF\xBC\x91", "0", nullptr}, TimeCase{std::string(10000, '1'), "0", nullptr},
        TimeCase{"1", std::string(10000, ' '), nullptr}));

// Every pair of list items, as the dialog's lists hold them.
TEST(ReadAlarmTime, EveryListPairGivesItsTime) {
  for (int h = 0; h < 24; ++h) {
    for (int m = 0; m < 60; ++m) {
      const auto time = alarms::ReadAlarmTime(std::to_string(h), " " + std::to_string(m));
      char expected[8];
      std::snprintf(expected, sizeof expected, "%02d:%02d", h, m);
      ASSERT_TRUE(time.has_value()) << expected;
      EXPECT_EQ(alarms::FormatTimeOfDay(*time), expected);
    }
  }
}

TEST(FormatTimeOfDay, TwoDigitHourAndMinute) {
  EXPECT_EQ(alarms::FormatTimeOfDay({0, 0}), "00:00");
  EXPECT_EQ(alarms::FormatTimeOfDay({9, 5}), "09:05");
  EXPECT_EQ(alarms::FormatTimeOfDay({23, 59}), "23:59");
}

}  // namespace
