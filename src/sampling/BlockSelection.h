#pragma once

// Systematic choice of the blocks to work in one neighbourhood, continuing the count from
// where the previous neighbourhood of the stratum left off (the carry).

#include <QString>
#include <optional>

namespace korva::sampling {

inline constexpr const char* kSeparator = "  -  ";
QString toWork();    // "Quarteirões a trabalhar"
QString notToWork(); // "       Não levantar"

struct PickInput {
    QString startBlock; // the plan's start block (DBEditQuartInicial)
    QString carry;      // EditAux2
    QString blocks;     // blocks of the neighbourhood (DBEditQuart)
    QString interval;   // the plan's interval (DBEditIntervaloQuart)
    QString list;       // the list field as it stands: empty for the usual path
};

// What the calculation wrote, in step order; unset means untouched.
struct PickResult {
    std::optional<QString> list;        // QuarteiroesATrabalhar
    std::optional<QString> observation; // Observação
    std::optional<QString> carry;       // EditAux2
    std::optional<int> count;           // TotalQuartBairro
};

// Fills `out` step by step; throws KorvaError (the runtime's message) at the failing step.
void pickBlocks(const PickInput& in, PickResult& out);

} // namespace korva::sampling
