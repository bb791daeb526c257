#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace korva {

namespace store {
class Cursor;
}
class SpeedButton;

// The four browse buttons of a record tab, named <prefix>PR, <prefix>RA, <prefix>ProxR and
// <prefix>UR: each moves the cursor (a pending edit is stored by the move) and then enables the
// buttons that can still move.
class BrowseButtons {
public:
    // Creates the buttons left to right from (left, top), with their hints.
    BrowseButtons(QWidget* parent, const QString& prefix, const QStringList& hints, int left, int top);
    SpeedButton* firstButton() const { return first_; }
    SpeedButton* priorButton() const { return prior_; }
    SpeedButton* nextButton() const { return next_; }
    SpeedButton* lastButton() const { return last_; }

    void first(store::Cursor& cursor);
    void prior(store::Cursor& cursor);
    void next(store::Cursor& cursor);
    void last(store::Cursor& cursor);

private:
    void enable(bool firstPrior, bool nextLast);
    SpeedButton* first_;
    SpeedButton* prior_;
    SpeedButton* next_;
    SpeedButton* last_;
};

} // namespace korva
