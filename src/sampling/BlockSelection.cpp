#include "BlockSelection.h"

#include "common/NumberText.h"

#include <cmath>

namespace korva::sampling {

using num::fixed;
using num::parseFloat;
using num::parseInt;

QString toWork() {
    return QStringLiteral("Quarteirões a trabalhar");
}
QString notToWork() {
    return QStringLiteral("       Não levantar");
}

namespace {

const QString separator = QString::fromLatin1(kSeparator);

// The usual path: the list starts at the carry (or at 1 when the plan has no start block).
void fromCarry(const PickInput& in, PickResult& out) {
    out.list = parseFloat(in.startBlock) >= 1 ? in.carry : QStringLiteral("1");
    const int s = parseInt(*out.list);
    const int b = parseInt(in.blocks);
    if (s > b) {
        out.observation = notToWork();
        out.list = QString();
        out.count = 0;
        return;
    }
    out.observation = toWork();
    const long double interval = parseFloat(fixed(parseFloat(in.interval), 5));
    double q = static_cast<double>(parseFloat(*out.list));
    QString text = *out.list;
    int count = 0;
    while (b >= q) {
        q = static_cast<double>(interval + q);
        if (b >= q)
            text += separator + QString::number(static_cast<long long>(std::trunc(q)));
        ++count;
    }
    out.list = text;
    out.count = count;
    // The first position past this neighbourhood, counted from its end.
    out.carry = fixed(static_cast<long double>(q) - b, 0);
}

// A start typed into the list by hand: fractional positions keep their decimals, the carry stays.
void fromTypedStart(const PickInput& in, PickResult& out) {
    out.observation = toWork();
    const long double interval = parseFloat(fixed(parseFloat(in.interval), 5));
    double q = static_cast<double>(parseFloat(in.list));
    QString text = in.list;
    int count = 0;
    while (parseFloat(in.blocks) >= q) {
        q = static_cast<double>(interval + q);
        if (parseFloat(in.blocks) >= q)
            text += separator + num::general(q);
        ++count;
    }
    out.list = text;
    out.count = count;
}

} // namespace

void pickBlocks(const PickInput& in, PickResult& out) {
    if (in.list.isEmpty())
        fromCarry(in, out);
    else
        fromTypedStart(in, out);
}

} // namespace korva::sampling
