#pragma once

#include <QWidget>

namespace korva {

// Charts of the indices per stratum.
class TFormGraficos : public QWidget {
    Q_OBJECT
public:
    TFormGraficos();
};

} // namespace korva
