// Built-in constants and functions of one, two or three numbers.
#include <cmath>
#include <numbers>
#include <random>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "spreadsheet/FormulaBuiltins.h"

namespace spreadsheet {
namespace {

using R = TArgReader;
using C = TBuiltinCall;

double X(const C& c)
{
    return c.Nums[0];
}

// Computes f(x) unless the argument is outside the domain, which is error 3 at the argument.
template <class Domain, class Fn>
void Checked(C& c, Domain inDomain, Fn f)
{
    if (!inDomain(X(c))) {
        c.Fail(feInvalidValue, c.ArgPos);
        return;
    }
    c.Number = f(X(c));
}

// One part of a date or time; a value outside the calendar is error 3 at the argument.
template <class Part>
void DatePart(C& c, Part part)
{
    try {
        int year, month, day, hour, minute, second, msec;
        DecodeDateTime(X(c), year, month, day, hour, minute, second, msec);
        c.Number = part(year, month, day, hour, minute, second, DayOfWeek(X(c)));
    } catch (const EConvertError&) {
        c.Fail(feInvalidValue, c.ArgPos);
    }
}

std::mt19937_64& Generator()
{
    static std::mt19937_64 generator{std::random_device{}()};
    return generator;
}

constexpr double Pi = std::numbers::pi;

} // namespace

void AddMathBuiltins(std::vector<TBuiltin>& t)
{
    // Constants.
    t.push_back({"PI", R::Name, [](C& c) { c.Number = Pi; }});
    t.push_back({"E", R::Name, [](C& c) { c.Number = std::exp(1.0); }});
    t.push_back({"TRUE", R::Name, [](C& c) { c.Number = 1; }});
    t.push_back({"FALSE", R::Name, [](C& c) { c.Number = 0; }});
    t.push_back({"NOW", R::Name, [](C& c) { c.Number = Now(); }});
    t.push_back({"TODAY", R::Name, [](C& c) { c.Number = Date(); }});
    t.push_back({"ROW", R::Name, [](C& c) { c.Number = c.F.Row(); }});
    t.push_back({"COL", R::Name, [](C& c) { c.Number = c.F.Col(); }});

    // One number.
    t.push_back({"ABS", R::Arg, [](C& c) { c.Number = std::fabs(X(c)); }});
    t.push_back({"SQR", R::Arg, [](C& c) { c.Number = X(c) * X(c); }});
    t.push_back({"CUBE", R::Arg, [](C& c) { c.Number = X(c) * X(c) * X(c); }});
    t.push_back({"CHS", R::Arg, [](C& c) { c.Number = -X(c); }});
    t.push_back({"EXP", R::Arg, [](C& c) { c.Number = std::exp(X(c)); }});
    t.push_back({"LN", R::Arg, [](C& c) { Checked(c, [](double x) { return x > 0; }, [](double x) { return std::log(x); }); }});
    t.push_back({"LOG10", R::Arg, [](C& c) {
                     Checked(c, [](double x) { return x > 0; }, [](double x) { return std::log(x) / std::log(10.0); });
                 }});
    t.push_back({"LOG2", R::Arg, [](C& c) {
                     Checked(c, [](double x) { return x > 0; }, [](double x) { return std::log(x) / std::log(2.0); });
                 }});
    t.push_back({"SQRT", R::Arg, [](C& c) { Checked(c, [](double x) { return x > 0; }, [](double x) { return std::sqrt(x); }); }});
    t.push_back({"SIN", R::Arg, [](C& c) { c.Number = std::sin(X(c)); }});
    t.push_back({"COS", R::Arg, [](C& c) { c.Number = std::cos(X(c)); }});
    t.push_back({"TAN", R::Arg, [](C& c) {
                     Checked(c, [](double x) { return std::cos(x) != 0; }, [](double x) { return std::sin(x) / std::cos(x); });
                 }});
    t.push_back({"COTAN", R::Arg, [](C& c) {
                     Checked(c, [](double x) { return std::sin(x) != 0; }, [](double x) { return std::cos(x) / std::sin(x); });
                 }});
    t.push_back({"ATAN", R::Arg, [](C& c) { c.Number = std::atan(X(c)); }});
    t.push_back({"ACOTAN", R::Arg, [](C& c) {
                     Checked(c, [](double x) { return x != 0; }, [](double x) { return std::atan(1 / x); });
                 }});
    t.push_back({"ASIN", R::Arg, [](C& c) {
                     Checked(c, [](double x) { return std::fabs(x) <= 1; }, [](double x) { return std::asin(x); });
                 }});
    // The principal value: a negative argument gives an angle between pi/2 and pi.
    t.push_back({"ACOS", R::Arg, [](C& c) {
                     Checked(c, [](double x) { return std::fabs(x) <= 1; }, [](double x) { return std::acos(x); });
                 }});
    t.push_back({"SINH", R::Arg, [](C& c) { c.Number = std::sinh(X(c)); }});
    t.push_back({"COSH", R::Arg, [](C& c) { c.Number = std::cosh(X(c)); }});
    t.push_back({"TANH", R::Arg, [](C& c) { c.Number = std::tanh(X(c)); }});
    t.push_back({"COTANH", R::Arg, [](C& c) {
                     Checked(c, [](double x) { return x != 0; }, [](double x) { return 1 / std::tanh(x); });
                 }});
    t.push_back({"INT", R::Arg, [](C& c) { c.Number = std::trunc(X(c)); }});
    t.push_back({"FRAC", R::Arg, [](C& c) { c.Number = X(c) - std::trunc(X(c)); }});
    t.push_back({"TRUNC", R::Arg, [](C& c) { c.Number = std::trunc(X(c)); }});
    // Halves go to the even neighbour (the default rounding mode).
    t.push_back({"ROUND", R::Arg, [](C& c) { c.Number = std::nearbyint(X(c)); }});
    t.push_back({"FACT", R::Arg, [](C& c) {
                     const double n = std::nearbyint(X(c));
                     // Beyond 170! a double overflows; the loop is never run that far.
                     if (n > 170) {
                         c.Fail(feOverflow, c.ArgPos);
                         return;
                     }
                     double product = 1;
                     for (int k = 2; k <= n; ++k) product *= k;
                     c.Number = product;
                 }});
    t.push_back({"RAND", R::Arg, [](C& c) {
                     const double n = std::nearbyint(X(c));
                     if (n > 9007199254740992.0) {
                         c.Fail(feInvalidValue, c.ArgPos);
                         return;
                     }
                     if (n <= 0) {
                         c.Number = 0;
                         return;
                     }
                     std::uniform_int_distribution<long long> pick(0, static_cast<long long>(n) - 1);
                     c.Number = static_cast<double>(pick(Generator()));
                 }});
    t.push_back({"RADIANS", R::Arg, [](C& c) { c.Number = X(c) / 180 * Pi; }});
    t.push_back({"DEGREES", R::Arg, [](C& c) { c.Number = X(c) / Pi * 180; }});
    t.push_back({"NOT", R::Arg, [](C& c) { c.Number = X(c) == 1 ? 0 : 1; }});
    t.push_back({"YEAR", R::Arg, [](C& c) { DatePart(c, [](int y, int, int, int, int, int, int) { return y; }); }});
    t.push_back({"MONTH", R::Arg, [](C& c) { DatePart(c, [](int, int m, int, int, int, int, int) { return m; }); }});
    t.push_back({"DAY", R::Arg, [](C& c) { DatePart(c, [](int, int, int d, int, int, int, int) { return d; }); }});
    t.push_back({"WEEKDAY", R::Arg, [](C& c) { DatePart(c, [](int, int, int, int, int, int, int w) { return w; }); }});
    t.push_back({"HOUR", R::Arg, [](C& c) { DatePart(c, [](int, int, int, int h, int, int, int) { return h; }); }});
    t.push_back({"MINUTE", R::Arg, [](C& c) { DatePart(c, [](int, int, int, int, int n, int, int) { return n; }); }});
    t.push_back({"SECOND", R::Arg, [](C& c) { DatePart(c, [](int, int, int, int, int, int s, int) { return s; }); }});

    // Two or three numbers.
    t.push_back({"EQ", R::Args2, [](C& c) { c.Number = c.Nums[0] == c.Nums[1] ? 1 : 0; }});
    t.push_back({"LT", R::Args2, [](C& c) { c.Number = c.Nums[0] > c.Nums[1] ? 1 : 0; }});
    t.push_back({"ST", R::Args2, [](C& c) { c.Number = c.Nums[0] < c.Nums[1] ? 1 : 0; }});
    t.push_back({"CEILING", R::Args2, [](C& c) {
                     const double step = c.Nums[1];
                     if (step == 0) {
                         c.Fail(feInvalidValue, c.EndPos());
                         return;
                     }
                     double q = c.Nums[0] / step;
                     q = (q - std::trunc(q) > 0) ? std::trunc(q + 1) : std::trunc(q);
                     c.Number = q * step;
                 }});
    t.push_back({"CHOOSE", R::Args3, [](C& c) { c.Number = c.Nums[0] == 0 ? c.Nums[1] : c.Nums[2]; }});
}

} // namespace spreadsheet
