#pragma once

#include <QString>

namespace korva::store {

struct BuildSummary {
    QString path;
    int states = 0;
    int municipalities = 0;
};

// Creates a new database file in `folder` with every table and the reference lists of states
// and municipalities. Never touches an existing file: throws KorvaError if one is there.
BuildSummary createDatabase(const QString& folder);

} // namespace korva::store
