#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace korva {

// The help text: where the program's files lie and the road of one survey.
class TFormAjuda : public QWidget {
    Q_OBJECT
public:
    TFormAjuda();
    QPlainTextEdit* Memo1;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace korva
