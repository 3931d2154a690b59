#pragma once
// The seed of a randomised test: VTQX_SEED when it is set, else the test's
// own. VTQX_SEED_TRACE(seed) names it in every failure of the scope, with
// how to replay it.
#include <QtGlobal>
#include <gtest/gtest.h>

inline quint32 testSeed(quint32 fallback)
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("VTQX_SEED").toUInt(&ok);
    return ok ? seed : fallback;
}

#define VTQX_SEED_TRACE(seed) SCOPED_TRACE(::testing::Message() << "replay with VTQX_SEED=" << (seed))
