#pragma once

#include "Dialogs.h"
#include "KorvaError.h"

#include <exception>

namespace korva {

// Every handler runs through here: a failure stops it and is shown in the standard error box.
// Returns false when the handler failed.
template <class F> bool runHandler(F&& handler) {
    try {
        handler();
        return true;
    } catch (const KorvaError& e) {
        dialogs().error(e.message());
    } catch (const std::exception& e) {
        dialogs().error(QString::fromUtf8(e.what()));
    }
    return false;
}

// Runs a computation that fills its result step by step, then shows what it produced: also when
// it failed part-way, so what earlier steps wrote stays written before the error box.
template <class Compute, class Show> void computeThenShow(Compute&& compute, Show&& show) {
    try {
        compute();
    } catch (...) {
        show();
        throw;
    }
    show();
}

} // namespace korva
