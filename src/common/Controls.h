#pragma once

// Plain controls and the look shared by every window.

#include <QLabel>
#include <QToolButton>

class QLineEdit;

namespace korva {

// A picture button: clicking it takes no focus, so the box being typed in is not left.
class SpeedButton : public QToolButton {
    Q_OBJECT
public:
    SpeedButton(QWidget* parent, const QString& objectName, const QString& caption, const QString& icon = {});
};

// A label that acts on a click (hand cursor).
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(QWidget* parent, const QString& objectName, const QString& text);
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

namespace look {

QColor moneyGreen(); // window background: red 192, green 220, blue 192
QColor teal();       // computed fields and panels
QColor paleGreen();  // typed fields that are not white
QFont tahoma(int points, bool bold = false);
void setBackground(QWidget* widget, const QColor& colour);
void setTextColour(QWidget* widget, const QColor& colour);
// Read-only computed box: teal with white bold text.
void makeComputed(QLineEdit* box);
// A label at (left, top), sized to its text.
QLabel* label(QWidget* parent, const QString& text, int left, int top, const QFont& font = tahoma(8));
QIcon icon(const QString& name);
// Shows a modeless window, or brings it to the front when it is already visible.
void showWindow(QWidget* window);
// A top-level window: name, caption, client size and background.
void setupWindow(QWidget* window, const QString& objectName, const QString& caption, int width, int height,
                 const QColor& background);
QPixmap picture(const QString& name);

} // namespace look

} // namespace korva
