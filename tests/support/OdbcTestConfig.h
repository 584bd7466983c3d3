// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFile>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

// A private ODBC configuration for a child process: a temporary folder holding the system and
// user odbc.ini, so that no test reads or changes the machine's own files. The driver manager
// reads its configuration once per process, so each configuration needs a process of its own.
class OdbcTestConfig {
public:
    // Defines the data source "Elements" by its "key = value" lines; none leaves it undefined.
    // `drivers` are the lines of odbcinst.ini, which registers drivers by name.
    explicit OdbcTestConfig(const QStringList& dataSource = {}, const QStringList& drivers = {}) {
        QFile odbcinstIni(folder_.filePath(QStringLiteral("odbcinst.ini")));
        if (odbcinstIni.open(QIODevice::WriteOnly))
            odbcinstIni.write(drivers.join(u'\n').toUtf8() + '\n');
        QFile odbcIni(folder_.filePath(QStringLiteral("odbc.ini")));
        if (odbcIni.open(QIODevice::WriteOnly) && !dataSource.isEmpty())
            odbcIni.write((QStringList{"[Elements]"} + dataSource).join(u'\n').toUtf8() + '\n');
    }

    QProcessEnvironment Environment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ODBCSYSINI"), folder_.path());
        environment.insert(QStringLiteral("ODBCINI"), folder_.filePath(QStringLiteral("odbc.ini")));
        return environment;
    }

private:
    QTemporaryDir folder_;
};
