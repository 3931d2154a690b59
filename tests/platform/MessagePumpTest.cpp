#include "MessagePump.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

TEST(MessagePump, PumpsOnlyAfterTheIntervalAndDeliversTimerEvents)
{
    MessagePump pump(5);
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });

    // A few thousand quick steps inside one interval pump nothing.
    for (int i = 0; i < 1000 && pump.pumps() == 0; ++i)
        pump.step();
    EXPECT_FALSE(fired);

    QElapsedTimer t;
    t.start();
    while (!fired && t.elapsed() < 2000)
        pump.step();
    EXPECT_TRUE(fired);
    EXPECT_GE(pump.pumps(), 1);
    // Far fewer pumps than steps: at most one per interval.
    EXPECT_LE(pump.pumps(), t.elapsed() / 5 + 2);
}
