#pragma once

#include <QWidget>

namespace korva {

// The data package for the commissioning body.
class TFormORV : public QWidget {
    Q_OBJECT
public:
    TFormORV();
};

} // namespace korva
