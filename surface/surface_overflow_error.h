// Raised when a surface size makes 4 x width or the image size leave the signed 32-bit range:
// such a bitmap cannot be described to the drawing layer at all.
#pragma once

#include <stdexcept>

class SurfaceOverflowError : public std::overflow_error {
public:
    using std::overflow_error::overflow_error;
};
