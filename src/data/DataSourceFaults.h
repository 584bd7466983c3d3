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
    // The role it logs in as (its Username or UID line), where it names one.
    QString username;
    bool driverInstalled = true;
    bool sqlite = false;
    QString databaseFile;
    // How long logging in and each query may take.
    int timeoutSeconds = 0;
};

// What a driver reported of a failure: the SQLSTATE of its diagnostics, where there were any to
// read, and its own words.
struct DriverReport {
    QString sqlState;
    QString text;
};

// The faults of a data source that a school meets, each with its own advice, in the order a
// driver's report is matched against them.
enum class DataSourceFault {
    DriverMissing,
    NoDatabaseFile,
    DatabaseFileMissing,
    NotADatabase,
    DatabaseLocked,
    ServerFull,
    LoginRefused,
    ServerUnreachable,
    ServerNotReady,
    ConnectionLost,
    ConnectionEnded,
    IdleSessionClosed,
    QueryCancelled,
    LockTimeout,
    NoPrivilege,
    PoolerWaitLimit,
    NoAnswer,
};

// What failed when a driver reported a fault that none of these is: opening the data source, or
// running a query on it. Each has its own likely causes.
enum class FailedStep { Opening, Querying };

// The fault a driver's report tells of, if it is one of these. The SQLSTATE decides where it
// names one cause alone; otherwise the words, in English as the client side words them and in
// every language a PostgreSQL server speaks: a server's message whole, never one that only
// begins like it ("canceling statement due to lock timeout" is no statement timeout).
[[nodiscard]] std::optional<DataSourceFault> RecognizeFault(const DataSourceDetails& source,
                                                            const DriverReport& report);

// The message for a fault: what happened and what to do about it in plain words, then the
// driver's own words, if any.
[[nodiscard]] QString DescribeFault(DataSourceFault fault, const DataSourceDetails& source,
                                    const QString& driverText);

// The message for a failure that is none of the faults: `whatFailed`, the likely causes of a
// failure of that step, then the driver's own words.
[[nodiscard]] QString DescribeFailure(const QString& whatFailed, FailedStep step,
                                      const DataSourceDetails& source, const QString& driverText);

// `message`, then what the driver said, the one way every message quotes a driver.
[[nodiscard]] QString WithDriverWords(const QString& message, const QString& driverText);
