// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ElementCopies.h"

#include "platform/RuntimeError.h"

#include <QProcess>

void CreateSqliteElementFile(const QString& path, const QStringList& changes) {
    const QStringList script{"-bail", path, ".read " VALTORA_ELEMENT_SCRIPT};
    if (QProcess::execute(QStringLiteral("sqlite3"), script + changes) != 0)
        throw RuntimeError(QStringLiteral("sqlite3 failed on ") + path);
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
    RunPsql(QStringLiteral("postgres"), "create database " + database.toUtf8());
    const QStringList script = QStringList{"\\i " VALTORA_ELEMENT_SCRIPT} + changes;
    RunPsql(database, (script.join(u'\n') + "\ngrant select on elements to quiz;").toUtf8());
}

QStringList PostgresDataSource(const QString& database, int port) {
    return QStringLiteral("Driver = " VALTORA_POSTGRES_ODBC_DRIVER "\nServername = 127.0.0.1\n"
                          "Port = %1\nDatabase = %2\nUsername = quiz\nPassword = quiz")
        .arg(port)
        .arg(database)
        .split(u'\n');
}
