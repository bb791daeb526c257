#include "BrowseButtons.h"

#include "Controls.h"
#include "store/Cursor.h"

namespace korva {

BrowseButtons::BrowseButtons(QWidget* parent, const QString& prefix, const QStringList& hints, int left,
                             int top) {
    const char* suffixes[] = {"PR", "RA", "ProxR", "UR"};
    const char* icons[] = {"primeiro", "anterior", "proximo", "ultimo"};
    SpeedButton** buttons[] = {&first_, &prior_, &next_, &last_};
    for (int i = 0; i < 4; ++i) {
        auto* b =
            new SpeedButton(parent, prefix + QLatin1String(suffixes[i]), QString(), QLatin1String(icons[i]));
        b->setToolTip(hints.value(i));
        b->setGeometry(left + 46 * i, top, 44, 38);
        *buttons[i] = b;
    }
}

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
