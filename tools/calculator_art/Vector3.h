#pragma once

#include <cmath>

// A point or direction in the drawings' world: x along the tube (towards the near end), y across
// it (away from the viewer), z up. Units are free; the section drawings use the tube's width as 1.
struct Vector3
{
    double x = 0;
    double y = 0;
    double z = 0;

    friend Vector3 operator+(Vector3 a, Vector3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
    friend Vector3 operator-(Vector3 a, Vector3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
    friend Vector3 operator*(Vector3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }
    friend double dot(Vector3 a, Vector3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

    // The same direction with length 1; a zero vector stays zero.
    Vector3 normalized() const
    {
        const double length = std::sqrt(dot(*this, *this));
        return length > 0 ? Vector3{x / length, y / length, z / length} : *this;
    }
};
