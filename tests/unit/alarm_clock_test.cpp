// The alarm against the clock: ticks lost to a sleep or a stall, a tick right
// on the deadline, the clock set forward and back, a new time zone, and
// daylight saving. Each row sets an alarm, then plays its steps; the alert
// must open after the step it names, not before, and only once.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "alarm_fixture.h"

namespace alarm_test {
namespace {

constexpr std::int64_t kSecond = 1000, kMinute = 60 * kSecond, kHour = 60 * kMinute;

enum class Act { kTick, kSleep, kSetClock, kZone, kRules };

struct Step {
  Act act;
  std::int64_t amount;
};

// `ms` pass, then the timers tick: a stall of the program when long.
Step Tick(std::int64_t ms) { return {Act::kTick, ms}; }
// `ms` pass without a tick, then the computer wakes up.
Step Sleep(std::int64_t ms) { return {Act::kSleep, ms}; }
// The system clock is set `ms` forward (or back).
Step SetClock(std::int64_t ms) { return {Act::kSetClock, ms}; }
// A new time zone, `ms` ahead of UTC (or behind).
Step NewZone(std::int64_t ms) { return {Act::kZone, ms}; }

// An hour ahead of UTC; or daylight saving beginning (02:00 becomes 03:00)
// or ending (03:00 becomes 02:00 again) at 01:00 UTC of the test day.
enum class Zone { kPlain, kSpringForward, kFallBack };

// The zone keeps its offset for now but takes new daylight-saving rules.
Step NewRules(Zone zone) { return {Act::kRules, static_cast<std::int64_t>(zone)}; }

std::vector<fake::FakeClock::Offset> ZoneOf(Zone zone) {
  const ui::Moment change = kToday + 3600;
  switch (zone) {
    case Zone::kPlain:
      return {{0, 3600}};
    case Zone::kSpringForward:
      return {{0, 3600}, {change, 7200}};
    case Zone::kFallBack:
      return {{0, 7200}, {change, 3600}};
  }
  return {};
}

struct ClockCase {
  const char* label;
  Zone zone;
  ui::LocalSeconds setAt;  // the wall clock at Set
  alarms::TimeOfDay at;    // time mode only; the countdown is of one minute
  std::vector<Step> steps;
  int firesAfter;  // index of the step after which the alert is open
};

ClockCase Row(const char* label, Zone zone, ui::LocalSeconds setAt, alarms::TimeOfDay at,
              std::vector<Step> steps, int firesAfter) {
  return {label, zone, setAt, at, std::move(steps), firesAfter};
}

void PrintTo(const ClockCase& c, std::ostream* os) { *os << c.label; }

std::string Label(const ::testing::TestParamInfo<ClockCase>& info) { return info.param.label; }

class ClockTest : public AlarmTest, public ::testing::WithParamInterface<ClockCase> {
 protected:
  ClockTest() {
    clock_.zone = ZoneOf(GetParam().zone);
    clock_.ShowLocal(GetParam().setAt);
  }

  void PlaySteps() {
    ASSERT_FALSE(AlertOpen());
    const std::vector<Step>& steps = GetParam().steps;
    for (int i = 0; i < static_cast<int>(steps.size()); ++i) {
      Play(steps[i]);
      ASSERT_EQ(AlertOpen(), i >= GetParam().firesAfter) << "after step " << i;
    }
    EXPECT_EQ(std::count(toolkit_.log.begin(), toolkit_.log.end(), "Show Form4"), 1);
  }

 private:
  void Play(const Step& step) {
    switch (step.act) {
      case Act::kTick:
        return AlarmTest::Tick(step.amount);
      case Act::kSleep:
        clock_.Pass(step.amount);
        return toolkit_.Broadcast(&ui::FormEvents::Resumed);
      case Act::kSetClock:
        clock_.systemMs += step.amount;
        return toolkit_.Broadcast(&ui::FormEvents::ClockChanged);
      case Act::kZone:
        clock_.zone = {{0, step.amount / kSecond}};
        return toolkit_.Broadcast(&ui::FormEvents::ClockChanged);
      case Act::kRules:
        clock_.zone = ZoneOf(static_cast<Zone>(step.amount));
        return toolkit_.Broadcast(&ui::FormEvents::ClockChanged);
    }
  }
};

using CountdownClockTest = ClockTest;
using TimeOfDayClockTest = ClockTest;

TEST_P(CountdownClockTest, FiresOnceAMinuteOfElapsedTimeHasPassed) {
  SetMinutes("1");
  PlaySteps();
}

TEST_P(TimeOfDayClockTest, FiresOnceTheWallClockHasReachedTheMinute) {
  SetTime(std::to_string(GetParam().at.hour), " " + std::to_string(GetParam().at.minute));
  PlaySteps();
}

using enum Zone;
constexpr alarms::TimeOfDay kNone{};

INSTANTIATE_TEST_SUITE_P(
    Clock, CountdownClockTest,
    ::testing::Values(Row("SleepPastTheDeadline", kPlain, LocalAt(14, 0), kNone,
                          {Tick(kSecond), Sleep(30 * kMinute)}, 1),
                      Row("StallPastTheDeadline", kPlain, LocalAt(14, 0), kNone,
                          {Tick(kSecond), Tick(2 * kMinute)}, 1),
                      Row("WakingBeforeTheDeadline", kPlain, LocalAt(14, 0), kNone,
                          {Sleep(30 * kSecond), Tick(29 * kSecond), Tick(kSecond)}, 2),
                      Row("TickRightOnTheDeadline", kPlain, LocalAt(14, 0), kNone,
                          {Tick(58 * kSecond), Tick(1999), Tick(1)}, 2),
                      Row("ClockSetBack", kPlain, LocalAt(14, 0), kNone,
                          {SetClock(-kHour), Tick(59 * kSecond), Tick(kSecond)}, 2),
                      Row("ClockSetForward", kPlain, LocalAt(14, 0), kNone,
                          {SetClock(kHour), Tick(59 * kSecond), Tick(kSecond)}, 2),
                      Row("NewTimeZone", kPlain, LocalAt(14, 0), kNone,
                          {NewZone(5 * kHour), Tick(59 * kSecond), Tick(kSecond)}, 2),
                      Row("DaylightSavingBegins", kSpringForward, LocalAt(1, 59, 30), kNone,
                          {Tick(59 * kSecond), Tick(kSecond)}, 1)),
    Label);

INSTANTIATE_TEST_SUITE_P(
    Clock, TimeOfDayClockTest,
    ::testing::Values(
        Row("SleepThroughTheMinute", kPlain, LocalAt(14, 25), {14, 30},
            {Tick(kSecond), Sleep(15 * kMinute)}, 1),
        Row("StallThroughTheMinute", kPlain, LocalAt(14, 29, 50), {14, 30},
            {Tick(kSecond), Tick(80 * kSecond)}, 1),
        Row("WakingBeforeTheMinute", kPlain, LocalAt(14, 0), {14, 30},
            {Sleep(20 * kMinute), Tick(10 * kMinute - kSecond), Tick(kSecond)}, 2),
        Row("TickRightOnTheMinute", kPlain, LocalAt(14, 29), {14, 30}, {Tick(59'999), Tick(1)}, 1),
        Row("CurrentMinuteInItsLastSecond", kPlain, LocalAt(14, 30, 59), {14, 30}, {Tick(kSecond)},
            0),
        Row("DaylightSavingSkipsTheMinute", kSpringForward, LocalAt(1, 59, 58), {2, 30},
            {Tick(kSecond), Tick(kSecond)}, 1),
        Row("DaylightSavingRepeatsTheMinute", kFallBack, LocalAt(2, 29, 59), {2, 30},
            {Tick(kSecond), Tick(kHour)}, 0),
        Row("RepeatedMinuteAlreadyBehind", kFallBack, LocalAt(2, 40), {2, 30},
            {Tick(50 * kMinute), Tick(24 * kHour - kSecond), Tick(kSecond)}, 2),
        Row("ClockSetForwardOverTheMinute", kPlain, LocalAt(14, 0), {14, 30},
            {SetClock(kHour), Tick(kSecond)}, 1),
        Row("ClockSetBackOverTheMinute", kPlain, LocalAt(14, 40), {14, 30},
            {SetClock(-20 * kMinute), Tick(10 * kMinute - kSecond), Tick(kSecond)}, 2),
        Row("TimeZoneAheadOverTheMinute", kPlain, LocalAt(14, 0), {14, 30},
            {NewZone(4 * kHour), Tick(kSecond), Tick(21 * kHour + 30 * kMinute - 2 * kSecond),
             Tick(kSecond)},
            3),
        Row("TimeZoneBehind", kPlain, LocalAt(14, 0), {14, 30},
            {NewZone(-kHour), Tick(2 * kHour + 30 * kMinute - kSecond), Tick(kSecond)}, 2),
        // Daylight saving now begins at 02:00 today and skips the minute:
        // it rings at the jump, not an hour and a half after Set.
        Row("NewRulesSkipTheMinute", kPlain, LocalAt(1, 0), {2, 30},
            {NewRules(kSpringForward), Tick(kHour - kSecond), Tick(kSecond)}, 2)),
    Label);

}  // namespace
}  // namespace alarm_test
