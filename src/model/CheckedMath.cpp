#include "model/CheckedMath.h"

#include "model/Exception.h"

#include <cmath>
#include <initializer_list>

namespace {

double Checked(const char* name, double result, std::initializer_list<double> arguments)
{
    bool anyNan = false;
    bool allFinite = true;
    for (const double a : arguments) {
        anyNan = anyNan || std::isnan(a);
        allFinite = allFinite && std::isfinite(a);
    }
    if (std::isnan(result) && !anyNan) throw Exception(name);
    if (std::isinf(result) && allFinite) throw Exception(name);
    return result;
}

} // namespace

namespace checked {

double log(double x) { return Checked("log", std::log(x), {x}); }
double log10(double x) { return Checked("log10", std::log10(x), {x}); }
double exp(double x) { return Checked("exp", std::exp(x), {x}); }
double pow(double base, double exponent) { return Checked("pow", std::pow(base, exponent), {base, exponent}); }
double sqrt(double x) { return Checked("sqrt", std::sqrt(x), {x}); }
double asin(double x) { return Checked("asin", std::asin(x), {x}); }
double acos(double x) { return Checked("acos", std::acos(x), {x}); }

} // namespace checked
