#pragma once

#include <cstdint>
#include <random>

namespace korva::sampling {

// The generator of the random start block. Reseeded from the clock before every draw, unless a
// fixed seed was given (tests, the scripted driver): then one seeded sequence serves every draw.
class StartBlockGenerator {
public:
    static StartBlockGenerator& instance();
    void seed(std::uint32_t value);
    // Uniform whole number in 0 .. upper-1 (0 when upper <= 0), reseeding from the clock first
    // unless seeded.
    int below(int upper);
    void reseedFromClock();

private:
    std::mt19937 engine_;
    bool seeded_ = false;
};

} // namespace korva::sampling
