#pragma once

namespace korva {

namespace store {
class Cursor;
}
class SpeedButton;

// The four browse buttons of a record tab: each moves the cursor (a pending edit is stored by the
// move) and then enables the buttons that can still move.
class BrowseButtons {
public:
    BrowseButtons(SpeedButton* first, SpeedButton* prior, SpeedButton* next, SpeedButton* last)
        : first_(first), prior_(prior), next_(next), last_(last) {}
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
