#include "Controls.h"

#include <QIcon>
#include <QLineEdit>
#include <QMouseEvent>

namespace korva {

SpeedButton::SpeedButton(QWidget* parent, const QString& objectName, const QString& caption,
                         const QString& icon)
    : QToolButton(parent) {
    setObjectName(objectName);
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
    if (!icon.isEmpty()) {
        setIcon(look::icon(icon));
        setIconSize(QSize(24, 24));
        setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    } else {
        setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
}

LinkLabel::LinkLabel(QWidget* parent, const QString& objectName, const QString& text) : QLabel(text, parent) {
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

namespace look {

QColor moneyGreen() {
    return QColor(192, 220, 192);
}
QColor teal() {
    return QColor(0, 128, 128);
}
QColor paleGreen() {
    return QColor(204, 255, 204);
}

QFont tahoma(int points, bool bold) {
    QFont f(QStringLiteral("Tahoma"), points);
    f.setBold(bold);
    return f;
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    widget->setPalette(p);
}

void makeComputed(QLineEdit* box) {
    box->setReadOnly(true);
    QPalette p = box->palette();
    p.setColor(QPalette::Base, teal());
    p.setColor(QPalette::Text, Qt::white);
    box->setPalette(p);
    QFont f = box->font();
    f.setBold(true);
    box->setFont(f);
}

QLabel* label(QWidget* parent, const QString& text, int left, int top, const QFont& font) {
    auto* l = new QLabel(text, parent);
    l->setFont(font);
    l->adjustSize();
    l->move(left, top);
    return l;
}

void setupWindow(QWidget* window, const QString& objectName, const QString& caption, int width, int height,
                 const QColor& background) {
    window->setObjectName(objectName);
    window->setWindowTitle(caption);
    window->resize(width, height);
    window->setFont(tahoma(8));
    if (background.isValid())
        setBackground(window, background);
}

void showWindow(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

QIcon icon(const QString& name) {
    return QIcon(QStringLiteral(":/images/%1.png").arg(name));
}

QPixmap picture(const QString& name) {
    return QPixmap(QStringLiteral(":/images/%1.png").arg(name));
}

} // namespace look

} // namespace korva
