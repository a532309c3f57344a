// Deterministic pseudo-random inputs and byte hashes for tests that hold a pixel kernel to the
// results of its earlier, plainly written form: each case's output bytes were hashed once with
// that form, and a faster one must give every byte as it did.
#pragma once

#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace testsupport {

// SplitMix64: the same sequence on every platform and standard library, unlike the
// distributions of <random>.
class RandomBytes {
public:
    explicit RandomBytes(std::uint64_t seed)
        : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::uint8_t byte() { return static_cast<std::uint8_t>(next() >> 56); }
    // A whole number in [0, bound).
    int below(int bound) { return static_cast<int>(next() % static_cast<std::uint64_t>(bound)); }

private:
    std::uint64_t state_;
};

// FNV-1a, continued from `hash` so that several buffers can go into one value.
inline std::uint64_t hashBytes(const std::uint8_t* bytes, std::size_t size,
                               std::uint64_t hash = 1469598103934665603ull) {
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ bytes[i]) * 1099511628211ull;
    return hash;
}

// One hash per case, in the order the cases were run.
struct CaseHashes {
    std::vector<std::string> names;
    std::vector<std::uint64_t> hashes;

    void add(std::string name, std::uint64_t hash) {
        names.push_back(std::move(name));
        hashes.push_back(hash);
    }
};

// Every case must hash as recorded. On a difference the cases that differ are named; the whole
// table as it now comes out is printed too, for a deliberate change of results only.
inline void expectRecorded(const CaseHashes& got, const std::vector<std::uint64_t>& recorded) {
    std::ostringstream table;
    for (std::size_t i = 0; i < got.hashes.size(); ++i)
        table << "0x" << std::hex << got.hashes[i] << "ull," << (i % 3 == 2 ? "\n" : " ");
    ASSERT_EQ(got.hashes.size(), recorded.size()) << "hashes now:\n" << table.str();
    bool same = true;
    for (std::size_t i = 0; i < recorded.size(); ++i) {
        EXPECT_EQ(got.hashes[i], recorded[i]) << got.names[i];
        same = same && got.hashes[i] == recorded[i];
    }
    if (!same)
        ADD_FAILURE() << "hashes now:\n" << table.str();
}

} // namespace testsupport
