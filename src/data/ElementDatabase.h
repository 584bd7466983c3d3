// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DataSourceFaults.h"
#include "DatabaseThread.h"
#include "OdbcDataSource.h"
#include "quiz/ClassLanguage.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

// The one connection to the element table. Where the system's ODBC configuration defines the
// data source "Elements", it is used; otherwise the table shipped with the program is loaded
// into an in-memory SQLite database. Every call into an ODBC driver runs on a thread of its own
// and is waited for at most kTimeoutSeconds and a little more: a server that never answers is
// reported, not waited for.
class ElementDatabase {
    Q_DECLARE_TR_FUNCTIONS(ElementDatabase)

public:
    static constexpr QLatin1StringView kDataSourceName{"Elements"};
    // Seconds allowed for logging in and for each query.
    static constexpr int kTimeoutSeconds = 10;

    // What a select found: the columns of its result, or what the driver reported of the failure
    // that stopped it.
    struct Read {
        QSqlRecord columns;
        std::optional<DriverReport> failure;
    };
    // Takes each row of a select in turn, where the query stands on it; returns whether to go on.
    // It runs where the connection lives, and owns what it touches.
    using RowReader = std::function<bool(const QSqlQuery& row)>;

    // Chooses the data source; opens nothing yet. The embedded table names the elements in the
    // class's `language` where their names in it ship with the program. While an ODBC driver's
    // call is waited for, `whileWaiting` runs every so often (DatabaseThread).
    explicit ElementDatabase(ClassLanguage language = ClassLanguage(),
                             std::function<void()> whileWaiting = {});
    ~ElementDatabase();
    ElementDatabase(const ElementDatabase&) = delete;
    ElementDatabase& operator=(const ElementDatabase&) = delete;

    // Opens the connection; raises a RuntimeError that names the data source and what is wrong
    // where it cannot. This begins the start, whose calls (the table's check among them) share
    // one limit of kTimeoutSeconds and a little more, until FinishStart().
    void Open();
    // Ends the start: from now on each call has a limit of its own, and SQLite's driver, which
    // read the table a row at a time for the check, hands whole results, as lookups want.
    void FinishStart();

    // The first row of a select, prepared on its first run and kept for the next; nothing when
    // the select finds no row. A failure raises a RuntimeError that says why.
    [[nodiscard]] std::optional<QSqlRecord> FirstRow(const QString& select);
    // Hands the rows of a select, exact numbers as text, to `onRow` until it says stop. The rows
    // are read a batch at a time, each batch one call within the time limit, so that a table of
    // any size is read and none is kept. A fault of the data source (lost, locked, no answer,
    // ...) raises a RuntimeError; any other failure is returned.
    [[nodiscard]] Read ForEachRow(const QString& select, const RowReader& onRow);
    // The names of the database's tables and views.
    [[nodiscard]] QStringList Tables();

    // The class's language, whose names the embedded table shows.
    const ClassLanguage& Language() const { return language_; }
    // Names the data source in messages: 'ODBC data source "Elements"' or the embedded table.
    const QString& Description() const { return source_.description; }
    // Whether the table is the one shipped with the program, not a school's own data source.
    bool IsEmbedded() const { return !source_.odbc; }
    // Whether the table is SQLite's, which keeps text as the program that imported it wrote it,
    // in UTF-8 or not; hex() shows its bytes.
    bool IsSqlite() const { return !source_.odbc || source_.sqlite; }

private:
    // What the driver reported of `error`: its words, and the SQLSTATE read off `query` where a
    // statement of an ODBC data source failed.
    [[nodiscard]] DriverReport DriverReportOf(const QSqlError& error, const QSqlQuery* query) const;
    // The message for a fault of the data source that a school may meet, in plain words first.
    [[nodiscard]] std::optional<QString> FaultMessage(const DriverReport& report) const;
    // That message, or for any other failure `whatFailed`, its likely causes and the driver's
    // words.
    [[nodiscard]] QString FailureMessage(const QSqlError& error, const QString& whatFailed,
                                         const QSqlQuery* query = nullptr) const;
    void OpenOdbc(SqliteResults results);
    void OpenEmbedded();
    void Close();
    // Prepares a select, forward only and within the query timeout; false, with the query's
    // error, where it cannot be.
    [[nodiscard]] bool Prepare(QSqlQuery& query, const QString& select);
    QString QueryFailed(const QString& select) const;
    // Runs `work` where the connection lives: on the driver's thread for an ODBC data source,
    // within the timeout; on the calling thread for the embedded table, which cannot block.
    template <typename Work> auto OnConnection(Work work) -> decltype(work());

    DataSourceDetails source_;
    ClassLanguage language_;
    QString connectionName_;
    QSqlDatabase connection_;
    QHash<QString, QSqlQuery> prepared_;
    // While the data source opens: when the time for all of it is up.
    std::optional<QDeadlineTimer> opening_;
    // Last, so that it goes first: a thread given up ends the process before anything it may
    // still use is taken apart.
    std::unique_ptr<DatabaseThread> thread_;
};
