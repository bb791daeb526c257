#include "Dialogs.h"

#include <stdexcept>

namespace korva {

namespace {
Dialogs* current = nullptr;
}

Dialogs& dialogs() {
    if (!current)
        throw std::logic_error("no dialogs installed");
    return *current;
}

void setDialogs(Dialogs* dialogs) {
    current = dialogs;
}

} // namespace korva
