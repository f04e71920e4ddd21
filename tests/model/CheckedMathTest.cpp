#include "model/CheckedMath.h"
#include "model/Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace {

std::string ErrorOf(const std::function<double()>& call)
{
    try {
        call();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "";
}

TEST(CheckedMath, NamesTheFailingFunction)
{
    EXPECT_EQ(ErrorOf([] { return checked::log10(0); }), "log10");
    EXPECT_EQ(ErrorOf([] { return checked::log10(-1); }), "log10");
    EXPECT_EQ(ErrorOf([] { return checked::log(-1); }), "log");
    EXPECT_EQ(ErrorOf([] { return checked::sqrt(-4); }), "sqrt");
    EXPECT_EQ(ErrorOf([] { return checked::exp(1000); }), "exp");
    EXPECT_EQ(ErrorOf([] { return checked::pow(0, -1); }), "pow");
    EXPECT_EQ(ErrorOf([] { return checked::pow(-8, 1.0 / 3); }), "pow");
    EXPECT_EQ(ErrorOf([] { return checked::asin(2); }), "asin");
    EXPECT_EQ(ErrorOf([] { return checked::acos(-1.5); }), "acos");
}

TEST(CheckedMath, PassesGoodResultsUnderflowAndNonFiniteArguments)
{
    EXPECT_EQ(checked::log10(1000), 3);
    EXPECT_EQ(checked::sqrt(16), 4);
    EXPECT_EQ(checked::pow(2, 10), 1024);
    EXPECT_EQ(checked::exp(-1000), 0);
    EXPECT_TRUE(std::isnan(checked::sqrt(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(checked::exp(std::numeric_limits<double>::infinity()), std::numeric_limits<double>::infinity());
}

} // namespace
