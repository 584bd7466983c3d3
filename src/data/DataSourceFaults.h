// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// What is known of the data source the element table comes from, for its messages.
struct DataSourceDetails {
    // Names the data source in messages: 'ODBC data source "Elements"' or the embedded table.
    QString description;
    bool odbc = false;
    // Of an ODBC data source: its name, its Driver line and whether that driver is installed,
    // whether it is SQLite's driver and, if so, its Database line.
    QString name;
    QString driver;
    bool driverInstalled = true;
    bool sqlite = false;
    QString databaseFile;
    // How long logging in and each query may take.
    int timeoutSeconds = 0;
};

// The faults of a data source that a school meets, each with its own advice.
enum class DataSourceFault {
    DriverMissing,
    NoDatabaseFile,
    DatabaseFileMissing,
    NotADatabase,
    DatabaseLocked,
    ServerFull,
    LoginRefused,
    ServerUnreachable,
    ConnectionLost,
    NoAnswer,
};

// The fault a driver's error text tells of, if it is one of these.
[[nodiscard]] std::optional<DataSourceFault> RecognizeFault(const DataSourceDetails& source,
                                                            const QString& driverText);

// The message for a fault: what happened and what to do about it in plain words, then the
// driver's own text, if any.
[[nodiscard]] QString DescribeFault(DataSourceFault fault, const DataSourceDetails& source,
                                    const QString& driverText);
