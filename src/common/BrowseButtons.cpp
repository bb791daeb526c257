#include "BrowseButtons.h"

#include "Controls.h"
#include "store/Cursor.h"

namespace korva {

void BrowseButtons::enable(bool firstPrior, bool nextLast) {
    first_->setEnabled(firstPrior);
    prior_->setEnabled(firstPrior);
    next_->setEnabled(nextLast);
    last_->setEnabled(nextLast);
}

void BrowseButtons::first(store::Cursor& cursor) {
    cursor.first();
    enable(false, true);
}

void BrowseButtons::prior(store::Cursor& cursor) {
    cursor.prior();
    enable(!cursor.bof(), true);
}

void BrowseButtons::next(store::Cursor& cursor) {
    cursor.next();
    enable(true, !cursor.eof());
}

void BrowseButtons::last(store::Cursor& cursor) {
    cursor.last();
    enable(true, false);
}

} // namespace korva
