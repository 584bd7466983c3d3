#include "ElementFile.h"

#include "data/SqlScript.h"
#include "platform/RuntimeError.h"

#include <QSqlError>
#include <QSqlQuery>

void CreateSqliteElementFile(const QString& path, const QStringList& changes) {
    {
        QSqlDatabase file = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
        file.setDatabaseName(path);
        if (!file.open())
            throw RuntimeError(file.lastError().text());
        RunElementScript(file);
        QSqlQuery query(file);
        for (const QString& change : changes) {
            if (!query.exec(change))
                throw RuntimeError(change + QStringLiteral(": ") + query.lastError().text());
        }
    }
    QSqlDatabase::removeDatabase(path);
}
