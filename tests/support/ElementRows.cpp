#include "ElementRows.h"

#include "data/FieldText.h"
#include "data/SqlScript.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

QMap<int, QStringList> ReadElementRows(const QSqlDatabase& connection) {
    QMap<int, QStringList> rows;
    QSqlQuery query(connection);
    query.exec(
        QStringLiteral("select AtomicNumber, AtomicSymbol, ElementName, AtomicMass from elements"));
    while (query.next()) {
        QStringList row;
        for (int column = 0; column < 4; ++column)
            row.append(FieldText(query.value(column)));
        rows.insert(query.value(0).toInt(), row);
    }
    return rows;
}

QString CreateSqliteElementFile(const QString& path, const QStringList& changes) {
    QFile script(QStringLiteral(VALTORA_ELEMENT_SCRIPT));
    if (!script.open(QIODevice::ReadOnly))
        return script.errorString();
    const QString connectionName = QStringLiteral("element-file-") + path;
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(path);
        if (!db.open())
            return db.lastError().text();
        QSqlQuery query(db);
        for (const QString& statement :
             SplitSqlScript(QString::fromUtf8(script.readAll())) + changes) {
            if (!query.exec(statement)) {
                error = query.lastError().text();
                break;
            }
        }
    }
    QSqlDatabase::removeDatabase(connectionName);
    return error;
}
