#pragma once

#include <array>
#include <cmath>

namespace memory {

// A value with its derivatives by each of the scheduler's 21 parameters,
// carried along through every operation (forward-mode differentiation), so
// that one pass of the memory model over a review history gives the gradient
// the fitting needs. No library is needed at this size.
struct Dual {
    static constexpr int kSize = 21;
    double value = 0;
    std::array<double, kSize> slope{};

    Dual() = default;
    Dual(double constant) : value(constant) {}  // NOLINT: a constant mixes in freely
    // The parameter `index` itself, of value `v`.
    static Dual variable(double v, int index)
    {
        Dual d(v);
        d.slope[static_cast<std::size_t>(index)] = 1;
        return d;
    }
};

// The derivative of f(x) is f'(x) times that of x.
inline Dual chain(const Dual& x, double value, double derivative)
{
    Dual r(value);
    for (int i = 0; i < Dual::kSize; ++i)
        r.slope[i] = derivative * x.slope[i];
    return r;
}

inline Dual operator+(const Dual& a, const Dual& b)
{
    Dual r(a.value + b.value);
    for (int i = 0; i < Dual::kSize; ++i)
        r.slope[i] = a.slope[i] + b.slope[i];
    return r;
}

inline Dual operator-(const Dual& a, const Dual& b)
{
    Dual r(a.value - b.value);
    for (int i = 0; i < Dual::kSize; ++i)
        r.slope[i] = a.slope[i] - b.slope[i];
    return r;
}

inline Dual operator-(const Dual& a) { return chain(a, -a.value, -1); }

inline Dual operator*(const Dual& a, const Dual& b)
{
    Dual r(a.value * b.value);
    for (int i = 0; i < Dual::kSize; ++i)
        r.slope[i] = a.slope[i] * b.value + a.value * b.slope[i];
    return r;
}

inline Dual operator/(const Dual& a, const Dual& b)
{
    Dual r(a.value / b.value);
    const double square = b.value * b.value;
    for (int i = 0; i < Dual::kSize; ++i)
        r.slope[i] = (a.slope[i] * b.value - a.value * b.slope[i]) / square;
    return r;
}

inline Dual exp(const Dual& x)
{
    const double e = std::exp(x.value);
    return chain(x, e, e);
}

inline Dual log(const Dual& x) { return chain(x, std::log(x.value), 1 / x.value); }

// x to a power that is a number: x > 0.
inline Dual pow(const Dual& x, double p) { return chain(x, std::pow(x.value, p), p * std::pow(x.value, p - 1)); }

// x to a power that has slopes of its own: x > 0.
inline Dual pow(const Dual& x, const Dual& p) { return exp(p * log(x)); }

// Clamping takes the slope of the side it keeps; a bound has none.
inline Dual clamp(const Dual& x, double low, double high)
{
    if (x.value < low)
        return Dual(low);
    if (x.value > high)
        return Dual(high);
    return x;
}

inline const Dual& max(const Dual& a, const Dual& b) { return a.value >= b.value ? a : b; }
inline const Dual& min(const Dual& a, const Dual& b) { return a.value <= b.value ? a : b; }

}  // namespace memory
