#pragma once

#include <QWidget>

namespace korva {

// Staff, days and laboratory needs computed from the needs row.
class TFormCalcNecessidades : public QWidget {
    Q_OBJECT
public:
    TFormCalcNecessidades();
};

} // namespace korva
