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

} // namespace korva
