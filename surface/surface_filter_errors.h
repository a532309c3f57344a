// The errors the surface's filters and its bitmap-file writer raise to their caller. Ordinary
// failures (no result surface, a short write) are results, not errors; these are the cases where
// the request itself cannot be carried out.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>

// Blur (and so UnsharpMask's blur) was given a divisor of 0.
class SurfaceDivisionByZeroError : public std::domain_error {
public:
    using std::domain_error::domain_error;
};

// Resample to another size needs two source pixels in each direction to interpolate between; a
// source narrower or lower than that (or one without pixels) has no neighbour to read.
class SurfaceSubscriptError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// SavePicture could not create its file. Number 17, the system's message text for the failure
// as the description (what() gives the same text) and "<program name>.cAlphaSurface" as the
// source; systemCode is the Windows error code the text belongs to.
class SurfaceFileError : public std::runtime_error {
public:
    static constexpr std::int32_t fileCreationNumber = 17;

    SurfaceFileError(std::uint32_t systemCode, std::string description, std::string source)
        : std::runtime_error(description)
        , systemCode_(systemCode)
        , description_(std::move(description))
        , source_(std::move(source)) {}

    std::int32_t Number() const { return fileCreationNumber; }
    const std::string& Description() const { return description_; }
    const std::string& Source() const { return source_; }
    std::uint32_t SystemCode() const { return systemCode_; }

private:
    std::uint32_t systemCode_;
    std::string description_;
    std::string source_;
};
