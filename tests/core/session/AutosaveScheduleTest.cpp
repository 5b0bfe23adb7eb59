#include "core/session/AutosaveSchedule.h"

#include <gtest/gtest.h>

using namespace targello;
using namespace std::chrono_literals;
using Time = AutosaveSchedule::Clock::time_point;

namespace {

const Time Start = Time{} + 1000s;

} // namespace

TEST(AutosaveSchedule, NothingIsDueUntilAnEditAndAfterACopy) {
    AutosaveSchedule schedule;
    EXPECT_FALSE(schedule.Due());
    EXPECT_FALSE(schedule.IsDue(Start + 1h));
    schedule.Edited(Start);
    EXPECT_EQ(schedule.Due(), Start + 2s);
    EXPECT_FALSE(schedule.IsDue(Start + 1999ms));
    EXPECT_TRUE(schedule.IsDue(Start + 2s));
    schedule.Written();
    EXPECT_FALSE(schedule.Due());
}

TEST(AutosaveSchedule, TypingPostponesTheCopyButNoLongerThanThirtySeconds) {
    AutosaveSchedule schedule;
    for (auto t = 0ms; t <= 40s; t += 500ms) // a key every half second
        schedule.Edited(Start + t);
    EXPECT_EQ(schedule.Due(), Start + 30s) << "the first edit the copy lacks decides";
    schedule.Written();
    schedule.Edited(Start + 41s);
    EXPECT_EQ(schedule.Due(), Start + 43s) << "the thirty seconds count from the next edit";
    schedule.Edited(Start + 42s);
    EXPECT_EQ(schedule.Due(), Start + 44s);
}

TEST(AutosaveSchedule, AFailedCopyIsTriedAgainAfterAFullPeriodNotAfterEveryKey) {
    AutosaveSchedule schedule;
    schedule.Edited(Start);
    schedule.Failed(Start + 2s);
    schedule.Edited(Start + 3s);
    EXPECT_EQ(schedule.Due(), Start + 32s);
    EXPECT_FALSE(schedule.IsDue(Start + 5s));
    schedule.Written();
    schedule.Edited(Start + 40s);
    EXPECT_EQ(schedule.Due(), Start + 42s) << "a good copy ends the waiting";
}
