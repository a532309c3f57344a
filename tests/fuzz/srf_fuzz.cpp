// Fuzzes the SRF load of the surface. Every input is loaded twice, from memory and from a file,
// and the two surfaces must agree in result, properties and every pixel; the sanitizers catch
// any access outside a buffer on the way.
#include "format/srf_limits.h"
#include "format/srf_reader.h"
#include "surface/alpha_surface.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

// Larger surfaces only run the same loops over more memory: they would slow the search down.
constexpr std::int64_t kMaxSurfacePixels = std::int64_t{1} << 18;

// A file beside the fuzzer's other temporary files, removed again when the fuzzer exits.
const char* scratchPath() {
    static char path[4096];
    if (!path[0]) {
        const char* folder = std::getenv("TMPDIR");
        const std::string name = std::string(folder && *folder ? folder : "/tmp") + "/srf_fuzz_" +
                                 std::to_string(::getpid()) + ".srf";
        std::snprintf(path, sizeof path, "%s", name.c_str());
        std::atexit([] { ::unlink(path); });
    }
    return path;
}

bool writeScratch(const std::uint8_t* data, std::size_t size) {
    const int fd = ::open(scratchPath(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    bool ok = true;
    while (size > 0 && ok) {
        const ssize_t n = ::write(fd, data, size);
        ok = n > 0;
        if (ok) {
            data += n;
            size -= static_cast<std::size_t>(n);
        }
    }
    return ::close(fd) == 0 && ok;
}

void require(bool condition) {
    if (!condition)
        __builtin_trap();
}

bool samePixels(const cAlphaSurface& a, const cAlphaSurface& b) {
    if (!a.DIBSectionBitsPtr() || !b.DIBSectionBitsPtr())
        return a.DIBSectionBitsPtr() == b.DIBSectionBitsPtr();
    const std::size_t size = static_cast<std::size_t>(a.BytesPerScanLine()) * a.Height();
    return std::memcmp(a.DIBSectionBitsPtr(), b.DIBSectionBitsPtr(), size) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const srf::SrfReadResult read = srf::readSrfBytes(bytes);
    std::int64_t pixels = 0;
    if (read.ok()) {
        const std::int64_t width = std::max(read.file.image3d.width, read.file.image2d.width);
        const std::int64_t height =
            std::int64_t{read.file.image3d.height} + read.file.image2d.height;
        pixels = width * height;
        // Surfaces beyond the vehicle limit cost nothing: they are refused unmade.
        if (pixels > kMaxSurfacePixels && pixels <= srf::kMaxVehicleSurfacePixels)
            return -1;
    }

    cAlphaSurface fromMemory;
    const std::int32_t result = fromMemory.CreateFromGarminSRFBytes(bytes);
    require(result == 0 || result == 1);
    if (pixels > srf::kMaxVehicleSurfacePixels)
        require(result == 0 && fromMemory.hDIB() == 0 && fromMemory.DIBSectionBitsPtr() == nullptr);
    require(result == 0 || read.ok());
    if (!read.ok())
        require(fromMemory.hDC() == 0 && fromMemory.SRFType().empty());
    if (result == 1) {
        require(fromMemory.Width() == std::max(read.file.image3d.width, read.file.image2d.width));
        require(fromMemory.Height() == read.file.image3d.height + read.file.image2d.height);
    }

    if (!writeScratch(data, size))
        return 0;
    cAlphaSurface fromFile;
    require(fromFile.CreateFromGarminSRF(scratchPath()) == result);
    require(fromFile.SRFType() == fromMemory.SRFType());
    require(fromFile.Width3D() == fromMemory.Width3D());
    require(fromFile.Height2D() == fromMemory.Height2D());
    require(fromFile.Width() == fromMemory.Width() && fromFile.Height() == fromMemory.Height());
    require(samePixels(fromFile, fromMemory));
    return 0;
}
