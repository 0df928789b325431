#include <gtest/gtest.h>

#include "monitor/app/WriteThrottle.h"

namespace monitor::app {
namespace {

using namespace std::chrono_literals;

TEST(WriteThrottleTest, AtMostOneWriteASecondAndNothingLost)
{
    WriteThrottle throttle(1000ms);
    const WriteThrottle::Clock::time_point start{};
    EXPECT_EQ(throttle.changed(start), 0ms) << "the first change is written at once";
    throttle.written(start);
    EXPECT_FALSE(throttle.waiting());

    EXPECT_EQ(throttle.changed(start + 300ms), 700ms);
    EXPECT_EQ(throttle.changed(start + 600ms), std::nullopt) << "it goes with the write already waiting";
    EXPECT_TRUE(throttle.waiting());
    throttle.written(start + 1000ms);

    EXPECT_EQ(throttle.changed(start + 2500ms), 0ms) << "after a quiet second, at once again";
}

}  // namespace
}  // namespace monitor::app
