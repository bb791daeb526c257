#pragma once

// The sample plan of one stratum, computed the way the survey method prescribes: every
// intermediate result is written as text with fixed decimals and read back from that text, so
// the rounding of each text is part of the computation.
//
// Each function fills its result in step order and throws KorvaError (the runtime's message)
// at the step that fails; what earlier steps produced stays in the result for the caller to show.

#include <QString>
#include <functional>
#include <optional>

namespace korva::sampling {

// Sample size, from the buildings of the stratum (not empty).
struct SampleSize {
    std::optional<QString> baseValue;  // EditAux1: "450" or "250"
    std::optional<QString> sampleSize; // TamanhoDaAmostra, "%.0f"
};
void computeSampleSize(const QString& buildings, SampleSize& out);

// Block parameters, from the buildings, the blocks (not empty) and the sample size texts.
struct BlockParameters {
    std::optional<QString> divisor;        // Edit7: "5" or "2"
    std::optional<QString> ratio2;         // Edit10: buildings / blocks, "%.2f"
    std::optional<QString> ratio0;         // Edit11: buildings / blocks, "%.0f"
    std::optional<QString> difference;     // Edit12: Edit11 - Edit10, "%.2f"
    std::optional<QString> estimate;       // buildings per block, a whole number
    std::optional<QString> blocksToSample; // "%.0f"
    std::optional<QString> percentSampled; // "%.1f"
    std::optional<QString> interval;       // "%.5f"
    std::optional<int> startBlockRange;    // m: the start block lies in 1 .. m (1 when m < 2)
};
void computeBlockParameters(const QString& buildings, const QString& blocks, const QString& sampleSize,
                            BlockParameters& out);

// The start block drawn in 1 .. m: r1 + r2 with r1 uniform in 0 .. m-1 (0 when m is 0) and r2
// uniform in {0, 1}, a sum of 0 shown as 1. `below(n)` draws uniformly from 0 .. n-1.
QString drawStartBlock(int m, const std::function<int(int)>& below);

} // namespace korva::sampling
