#pragma once

#include <cmath>

namespace portfolio_art {

// A 3D vector of doubles for the small software renderer (metres for positions, 0..1 for colours).
struct Vec3
{
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    constexpr Vec3 operator+(const Vec3 &other) const
    {
        return {x + other.x, y + other.y, z + other.z};
    }
    constexpr Vec3 operator-(const Vec3 &other) const
    {
        return {x - other.x, y - other.y, z - other.z};
    }
    constexpr Vec3 operator-() const { return {-x, -y, -z}; }
    constexpr Vec3 operator*(double factor) const { return {x * factor, y * factor, z * factor}; }
    constexpr Vec3 operator/(double divisor) const
    {
        return {x / divisor, y / divisor, z / divisor};
    }
    // Component-wise product, used for colours.
    constexpr Vec3 times(const Vec3 &other) const
    {
        return {x * other.x, y * other.y, z * other.z};
    }
    Vec3 &operator+=(const Vec3 &other)
    {
        x += other.x;
        y += other.y;
        z += other.z;
        return *this;
    }

    constexpr double dot(const Vec3 &other) const
    {
        return x * other.x + y * other.y + z * other.z;
    }
    constexpr Vec3 cross(const Vec3 &other) const
    {
        return {y * other.z - z * other.y, z * other.x - x * other.z, x * other.y - y * other.x};
    }
    double length() const { return std::sqrt(dot(*this)); }
    // The unit vector in this direction; the zero vector stays zero.
    Vec3 normalized() const
    {
        const double size = length();
        return size > 0.0 ? *this / size : *this;
    }
};

// Linear blend: `a` at t = 0, `b` at t = 1.
constexpr Vec3 mix(const Vec3 &a, const Vec3 &b, double t)
{
    return a * (1.0 - t) + b * t;
}

} // namespace portfolio_art
