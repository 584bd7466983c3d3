// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ElementCopies.h"

#include "data/SqlScript.h"
#include "platform/RuntimeError.h"

#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>

void CreateSqliteElementFile(const QString& path, const QStringList& changes) {
    {
        QSqlDatabase file = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
        file.setDatabaseName(path);
        // A file that cannot be opened fails the script, which says so.
        file.open();
        RunElementScript(file);
        QSqlQuery query(file);
        for (const QString& change : changes) {
            if (!query.exec(change))
                throw RuntimeError(change + QStringLiteral(": ") + query.lastError().text());
        }
    }
    QSqlDatabase::removeDatabase(path);
}

QByteArray RunPsql(const QString& database, const QByteArray& sql) {
    QProcess psql;
    psql.start(QStringLiteral("psql"), {"-XAtq", "-v", "ON_ERROR_STOP=1", "-d", database});
    psql.write(sql);
    psql.closeWriteChannel();
    if (!psql.waitForFinished(120'000) || psql.exitStatus() != QProcess::NormalExit ||
        psql.exitCode() != 0)
        throw RuntimeError(QStringLiteral("psql failed: ") +
                           QString::fromLocal8Bit(psql.readAllStandardError()));
    return psql.readAllStandardOutput();
}

void CreatePostgresElementDatabase(const QString& database, const QStringList& changes) {
    QFile script(QStringLiteral(":/valtora/elements.sql"));
    script.open(QIODevice::ReadOnly);
    RunPsql(QStringLiteral("postgres"), "create database " + database.toUtf8());
    RunPsql(database,
            script.readAll() + (changes + QStringList{"grant select on elements to quiz;"})
                                   .join(QLatin1String(";\n"))
                                   .toUtf8());
}

QStringList PostgresDataSource(const QString& database, int port) {
    return QStringLiteral("Driver = " VALTORA_POSTGRES_ODBC_DRIVER "\nServername = 127.0.0.1\n"
                          "Port = %1\nDatabase = %2\nUsername = quiz\nPassword = quiz")
        .arg(port)
        .arg(database)
        .split(u'\n');
}
