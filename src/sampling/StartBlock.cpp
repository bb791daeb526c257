#include "StartBlock.h"

#include <chrono>

namespace korva::sampling {

StartBlockGenerator& StartBlockGenerator::instance() {
    static StartBlockGenerator generator;
    return generator;
}

void StartBlockGenerator::seed(std::uint32_t value) {
    engine_.seed(value);
    seeded_ = true;
}

void StartBlockGenerator::reseedFromClock() {
    if (!seeded_)
        engine_.seed(static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count() ^
                                                std::chrono::system_clock::now().time_since_epoch().count()));
}

int StartBlockGenerator::below(int upper) {
    if (upper <= 0)
        return 0;
    std::uniform_int_distribution<int> d(0, upper - 1);
    return d(engine_);
}

} // namespace korva::sampling
