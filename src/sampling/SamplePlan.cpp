#include "SamplePlan.h"

#include "common/NumberText.h"

namespace korva::sampling {

using num::divide;
using num::fixed;
using num::parseFloat;

void computeSampleSize(const QString& buildings, SampleSize& out) {
    const long double n = parseFloat(buildings);
    out.baseValue = n >= 8100 ? QStringLiteral("450") : QStringLiteral("250");
    const long double a = parseFloat(*out.baseValue);
    out.sampleSize = fixed(divide(a, divide(a, n) + 1), 0);
}

void computeBlockParameters(const QString& buildings, const QString& blocks, const QString& sampleSize,
                            BlockParameters& out) {
    const long double n = parseFloat(buildings);
    out.divisor = n >= 8100 ? QStringLiteral("5") : QStringLiteral("2");
    long double q = parseFloat(blocks);
    out.ratio2 = fixed(divide(n, q), 2);
    out.ratio0 = fixed(divide(parseFloat(buildings), parseFloat(blocks)), 0);
    out.difference = fixed(parseFloat(*out.ratio0) - parseFloat(*out.ratio2), 2);
    // N / Q rounded to two decimals, then up to a whole number.
    out.estimate = parseFloat(*out.difference) >= 0 ? *out.ratio0 : fixed(parseFloat(*out.ratio2) + 1, 0);

    const long double t = parseFloat(sampleSize);
    const long double e = parseFloat(*out.estimate);
    const long double k = parseFloat(*out.divisor);
    out.blocksToSample = fixed(divide(t, divide(e, k)), 0);

    const long double b = parseFloat(*out.blocksToSample);
    q = parseFloat(blocks);
    out.percentSampled = fixed(divide(b * 100, q), 1);
    out.interval = fixed(divide(q, b), 5);
    out.startBlockRange = num::parseInt(fixed(parseFloat(*out.interval), 0));
}

QString drawStartBlock(int m, const std::function<int(int)>& below) {
    const int r1 = m > 0 ? below(m) : 0;
    const int r2 = below(2);
    const int s = r1 + r2;
    return s == 0 ? QStringLiteral("1") : QString::number(s);
}

} // namespace korva::sampling
