#include "OpenLine.h"
#include "WindowTrace.h"
#include "tools/CableCalc.h"

#include <gtest/gtest.h>

namespace {

TEST(CableCalc, OpenLineGivesItsLengthAndDelay)
{
    WindowTrace w;
    AppendOpenLine(w.data(), 10, 0.66, 1, 30, 0.5);
    const CableFit fit = FitCable(w.data(), 50, 0, 0.66);
    ASSERT_EQ(fit.status, CableFit::Status::Done);
    EXPECT_FALSE(fit.coarseStep);
    EXPECT_NEAR(fit.metres, 10, 1e-9);
    EXPECT_NEAR(fit.feet, 32.8084, 1e-8);
    EXPECT_NEAR(fit.delayNs, 50.505050505, 1e-6);
}

TEST(CableCalc, RisingPhaseWarnsAndDegenerateSweepsAreRefused)
{
    WindowTrace rising;
    AppendOpenLine(rising.data(), -2, 1, 1, 10, 1);
    const CableFit warned = FitCable(rising.data(), 50, 0, 1);
    EXPECT_EQ(warned.status, CableFit::Status::Done);
    EXPECT_TRUE(warned.coarseStep);

    WindowTrace sameFrequency; // the sums do not cancel exactly for these
    for (double g : {10.0, 20.0, 35.0, 80.0, 120.0, 200.0}) sameFrequency.data().Append(7.3, g, g / 3);
    EXPECT_EQ(FitCable(sameFrequency.data(), 50, 0, 1).status, CableFit::Status::WrongData);

    WindowTrace matched; // Gamma exactly 0 everywhere: no point to fit
    matched.data().Append(1, 50, 0);
    matched.data().Append(2, 50, 0);
    EXPECT_EQ(FitCable(matched.data(), 50, 0, 1).status, CableFit::Status::WrongData);

    WindowTrace single;
    single.data().Append(1, 10, 0);
    EXPECT_EQ(FitCable(single.data(), 50, 0, 1).status, CableFit::Status::TooFewPoints);
}

TEST(CableCalc, VelocityFactorChecksAndTables)
{
    double vp = 0;
    EXPECT_FALSE(CheckVelocityFactor("1", vp));
    EXPECT_EQ(vp, 1);
    EXPECT_EQ(CheckVelocityFactor("1.0001", vp), "Vp > 1");
    EXPECT_EQ(CheckVelocityFactor("0", vp), "Vp <= 0");
    EXPECT_EQ(CheckVelocityFactor("abc", vp), "Vp:\nSyntax error: abc");

    EXPECT_STREQ(VelocityFactorTable[5].name, "RG-58");
    EXPECT_EQ(VelocityFactorTable[5].velocityFactor, 0.66);
    EXPECT_EQ(VelocityFactorTable[14].velocityFactor, 0.695);
    EXPECT_STREQ(VelocityFactorTable[20].name, "TRU-500");
    EXPECT_STREQ(CableStepTable(CableUnits::Foot)[4].length, " 30 - 100");
    EXPECT_STREQ(CableStepTable(CableUnits::Metre)[3].step, " 2.5");
    EXPECT_STREQ(CableLengthLabel(CableUnits::Foot), "L (ft) =");
}

} // namespace
