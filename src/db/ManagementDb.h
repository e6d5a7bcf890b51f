#pragma once

#include "SQLiteTable.h"

#include <QStringList>

namespace management {

// Column numbers of an import configuration: Col1 .. Col10.
struct PresetConfig {
    QString name;
    QStringList fields;
    int cols[10];
};

const std::vector<PresetConfig>& presets();
const QStringList& seedCategories();
// The header line of a preset: every field name in double quotes, joined by commas.
QString identifierOf(const PresetConfig& preset);

} // namespace management

// Opens or creates management.db in the program's folder into db and seeds missing tables.
// Returns true when the database is open with both tables; reports failures itself.
bool OpenOrCreateManagementDB(std::unique_ptr<TSQLiteDatabase>& db);
