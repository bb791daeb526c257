#pragma once

#include <QWidget>

namespace korva {

// Municipal statistics of the indices.
class TFormEstatistica : public QWidget {
    Q_OBJECT
public:
    TFormEstatistica();
};

} // namespace korva
