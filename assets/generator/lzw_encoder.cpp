#include "assets/generator/lzw_encoder.h"

#include <unordered_map>

namespace artwork {
namespace {

constexpr int kMinimumCodeSize = 8;
constexpr std::uint32_t kClearCode = 1u << kMinimumCodeSize;
constexpr std::uint32_t kEndCode = kClearCode + 1;
constexpr std::uint32_t kFirstFreeCode = kClearCode + 2;
constexpr int kMaximumCodeBits = 12;
// Like the reference encoder, the table is cleared before code 4095 is handed out: every
// decoder agrees on the code widths up to there.
constexpr std::uint32_t kTableLimit = (1u << kMaximumCodeBits) - 1;

class CodeWriter {
public:
    void write(std::uint32_t code, int bits) {
        pending_ |= code << pendingBits_;
        pendingBits_ += bits;
        while (pendingBits_ >= 8) {
            out_.push_back(static_cast<std::uint8_t>(pending_ & 0xFFu));
            pending_ >>= 8;
            pendingBits_ -= 8;
        }
    }

    std::vector<std::uint8_t> finish() {
        if (pendingBits_ > 0)
            out_.push_back(static_cast<std::uint8_t>(pending_ & 0xFFu));
        pending_ = 0;
        pendingBits_ = 0;
        return std::move(out_);
    }

private:
    std::vector<std::uint8_t> out_;
    std::uint32_t pending_ = 0;
    int pendingBits_ = 0;
};

} // namespace

std::vector<std::uint8_t> lzwEncode(std::span<const std::uint8_t> indices) {
    // Key: (prefix code << 8) | next index; value: the code of that string.
    std::unordered_map<std::uint32_t, std::uint32_t> table;
    table.reserve(kTableLimit);
    std::uint32_t nextCode = kFirstFreeCode;
    int codeBits = kMinimumCodeSize + 1;
    CodeWriter writer;

    // The decoder learns a new string one code after the encoder, so the width grows once the
    // next free code no longer fits, checked after each code is written.
    auto emit = [&](std::uint32_t code) {
        writer.write(code, codeBits);
        if (nextCode >= (1u << codeBits) && codeBits < kMaximumCodeBits)
            ++codeBits;
    };

    writer.write(kClearCode, codeBits);
    if (indices.empty()) {
        writer.write(kEndCode, codeBits);
        return writer.finish();
    }

    std::uint32_t prefix = indices[0];
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const std::uint32_t key = (prefix << 8) | indices[i];
        if (const auto found = table.find(key); found != table.end()) {
            prefix = found->second;
            continue;
        }
        emit(prefix);
        if (nextCode >= kTableLimit) {
            writer.write(kClearCode, codeBits);
            table.clear();
            nextCode = kFirstFreeCode;
            codeBits = kMinimumCodeSize + 1;
        } else {
            table.emplace(key, nextCode++);
        }
        prefix = indices[i];
    }
    emit(prefix);
    writer.write(kEndCode, codeBits);
    return writer.finish();
}

} // namespace artwork
