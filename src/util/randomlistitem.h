#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace ashtally {

// The program's one source of chance. The program seeds it once at start from the clock;
// tests seed it with a fixed value and get the same draws every run.
class RandomGenerator {
public:
    explicit RandomGenerator(std::uint64_t seed) : m_engine(seed) {}

    // An index from 0 to count - 1, each equally likely; count must be at least 1.
    std::size_t Index(std::size_t count);

private:
    std::mt19937_64 m_engine;
};

// One entry of the list, chosen uniformly at random. An empty list has no index 0, and says so
// with EListError.
std::string RandomListItem(const std::vector<std::string>& list, RandomGenerator& random);

} // namespace ashtally
