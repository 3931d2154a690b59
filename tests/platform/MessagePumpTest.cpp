#include "platform/core/MessagePump.h"

#include <QTimer>
#include <gtest/gtest.h>

TEST(MessagePump, PumpsOnlyAfterTheIntervalAndDeliversTimerEvents)
{
    qint64 now = 1000;
    MessagePump pump(5, [&] { return now; });
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });

    // Many quick steps inside one interval pump nothing.
    for (int i = 0; i < 1000; ++i)
        pump.step();
    EXPECT_FALSE(fired);
    EXPECT_EQ(pump.pumps(), 0);

    // Once the interval has passed, the clock is read only every 256 steps.
    now += 5;
    int steps = 0;
    while (pump.pumps() == 0 && steps < 1000) {
        pump.step();
        ++steps;
    }
    EXPECT_TRUE(fired);
    EXPECT_LE(steps, 256);
    // The pump restarted the interval.
    for (int i = 0; i < 1000; ++i)
        pump.step();
    EXPECT_EQ(pump.pumps(), 1);
    EXPECT_FALSE(pump.pumpIfDue());
    now += 5;
    EXPECT_TRUE(pump.pumpIfDue());
}
