#pragma once

#include <QObject>

namespace korva::store {

class Cursor;

// The named link between a cursor and the controls bound to it.
class DataSource : public QObject {
    Q_OBJECT
public:
    DataSource(Cursor* cursor, const QString& objectName, QObject* parent = nullptr)
        : QObject(parent), cursor_(cursor) {
        setObjectName(objectName);
    }
    Cursor* cursor() const { return cursor_; }

private:
    Cursor* cursor_;
};

} // namespace korva::store
