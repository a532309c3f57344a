// Small vector algebra for the vehicle renderer. Vehicle space: x to the vehicle's right, y to
// its front, z up, in metres; the ground is z = 0.
#pragma once

#include <cmath>

namespace srftool {

struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

constexpr Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
constexpr Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
constexpr Vec3 operator*(Vec3 a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
constexpr double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
constexpr Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double length(Vec3 a) {
    return std::sqrt(dot(a, a));
}
inline Vec3 normalized(Vec3 a) {
    const double l = length(a);
    return l > 0 ? a * (1.0 / l) : Vec3{};
}

// Turns a point about the vertical axis, clockwise as seen from above.
inline Vec3 turnedClockwise(Vec3 p, double degrees) {
    const double r = degrees * std::acos(-1.0) / 180.0;
    const double c = std::cos(r);
    const double s = std::sin(r);
    return {p.x * c + p.y * s, -p.x * s + p.y * c, p.z};
}

} // namespace srftool
