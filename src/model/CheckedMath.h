#pragma once

// The mathematical functions the program uses, checked: a domain error, a
// pole or an overflow throws Exception whose message is the function's name
// ("log10"), so command handlers report it like a parse error instead of
// carrying NaN or infinity along. Underflow to zero is not an error, and an
// argument that is already NaN or infinite passes through unreported.
namespace checked {

double log(double x);
double log10(double x);
double exp(double x);
double pow(double base, double exponent);
double sqrt(double x);
double asin(double x);
double acos(double x);

} // namespace checked
