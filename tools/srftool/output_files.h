// File-system steps of the commands. Each returns the reason it failed, or nothing on success.
// Files are written through a temporary file beside the target and renamed into place, so a
// failed write never leaves a half-written file behind; a link is followed to the file it names.
// An output that is a pipe, a character device or a socket (/dev/stdout, a FIFO) is written in
// place; one that is a folder, a block device or a link that leads nowhere is refused.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace srftool {

using Failure = std::optional<std::string>;
class RgbaImage;

// Creates the folder (and missing parents) unless it exists; a file in its place is a failure.
Failure ensureFolder(const std::string& path);

// The path an output operand names: standard output for "-".
std::string outputPath(const std::string& operand);

// Why the output operand names nothing to write that the system's words would leave unclear (a
// block device, a link that leads nowhere), or nothing; looks without opening it. The writers
// refuse these anyway.
Failure refusedOutput(const std::string& operand);

// savePng and saveBytes take output operands: "-" writes to standard output.
Failure savePng(const RgbaImage& image, const std::string& path);

Failure saveBytes(const std::vector<std::uint8_t>& bytes, const std::string& path);

} // namespace srftool
