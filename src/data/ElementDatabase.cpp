// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ElementDatabase.h"

#include "OdbcDataSource.h"
#include "SqlScript.h"
#include "platform/RuntimeError.h"

#include <QScopeGuard>
#include <algorithm>
#include <atomic>
#include <clocale>

namespace {
QString UniqueConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("valtora-elements-%1").arg(counter++);
}

// How much longer than the drivers' own timeouts a call is waited for: long enough for a driver
// to report its timeout itself, which it can word more precisely.
constexpr std::chrono::seconds kGrace{2};

// What the driver said of a failure: its own diagnostics, without Qt's words around them.
QString DriverText(const QSqlError& error) {
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}
} // namespace

ElementDatabase::ElementDatabase(ClassLanguage language, std::function<void()> whileWaiting)
    : language_(std::move(language))
    , connectionName_(UniqueConnectionName()) {
    if (IsOdbcDataSourceDefined(kDataSourceName)) {
        source_ = ReadOdbcDataSource(kDataSourceName);
        // Drivers word their faults through the C library and gettext, in the desk's language
        // (libpq: "Połączenie odrzucone"), where no code tells the fault. In the C locale they
        // speak English, which RecognizeFault reads, in every language; the window speaks
        // through Qt's own translations, which this does not touch.
        std::setlocale(LC_MESSAGES, "C");
        thread_ = std::make_unique<DatabaseThread>(std::move(whileWaiting));
    } else {
        source_.description = tr("the embedded element table");
    }
    source_.timeoutSeconds = kTimeoutSeconds;
}

ElementDatabase::~ElementDatabase() {
    // Closing says goodbye to the server, which may not answer either.
    try {
        OnConnection([this] {
            Close();
            return true;
        });
    } catch (const RuntimeError&) {
    }
}

template <typename Work> auto ElementDatabase::OnConnection(Work work) -> decltype(work()) {
    if (!thread_)
        return work();
    // Each call is waited for as long as the driver's own limit allows, and while the data source
    // opens, no longer than the time left for the whole of it.
    std::chrono::milliseconds limit = std::chrono::seconds(kTimeoutSeconds) + kGrace;
    if (opening_)
        limit = std::min(limit, std::chrono::milliseconds(opening_->remainingTime()));
    auto result = thread_->Call(std::move(work), limit);
    if (!result)
        throw RuntimeError(DescribeFault(DataSourceFault::NoAnswer, source_, QString()));
    return std::move(*result);
}

void ElementDatabase::Open() {
    // Logging in and every check share one limit: the program starts, or says why, within it.
    opening_.emplace(std::chrono::seconds(kTimeoutSeconds) + kGrace);
    auto failed = qScopeGuard([this] { opening_.reset(); });
    OnConnection([this] {
        if (source_.odbc)
            OpenOdbc(SqliteResults::Stepped);
        else
            OpenEmbedded();
        return true;
    });
    failed.dismiss();
}

void ElementDatabase::FinishStart() {
    const auto started = qScopeGuard([this] { opening_.reset(); });
    if (source_.sqlite) {
        OnConnection([this] {
            Close();
            OpenOdbc(SqliteResults::Whole);
            return true;
        });
    }
}

void ElementDatabase::OpenOdbc(SqliteResults results) {
    connection_ = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), connectionName_);
    if (!connection_.isValid())
        throw RuntimeError(
            tr("%1: Qt's ODBC driver (QODBC) is not installed.").arg(source_.description));
    connection_.setDatabaseName(OdbcConnectionString(source_, results));
    connection_.setConnectOptions(QStringLiteral("SQL_ATTR_ACCESS_MODE=SQL_MODE_READ_ONLY;"
                                                 "SQL_ATTR_LOGIN_TIMEOUT=%1;"
                                                 "SQL_ATTR_CONNECTION_TIMEOUT=%1")
                                      .arg(kTimeoutSeconds));
    if (!connection_.open())
        throw RuntimeError(FailureMessage(connection_.lastError(),
                                          tr("%1 cannot be opened.").arg(source_.description)));
}

void ElementDatabase::OpenEmbedded() {
    connection_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    if (!connection_.isValid())
        throw RuntimeError(
            tr("%1: Qt's SQLite driver (QSQLITE) is not installed.").arg(source_.description));
    connection_.setDatabaseName(QStringLiteral(":memory:"));
    if (!connection_.open())
        throw RuntimeError(FailureMessage(connection_.lastError(),
                                          tr("%1 cannot be opened.").arg(source_.description)));
    RunElementScript(connection_);
    NameElementsIn(connection_, language_.Names());
}

void ElementDatabase::Close() {
    prepared_.clear();
    connection_.close();
    connection_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName_);
}

DriverReport ElementDatabase::DriverReportOf(const QSqlError& error, const QSqlQuery* query) const {
    return {query && source_.odbc ? OdbcSqlState(*query) : QString(), DriverText(error)};
}

std::optional<QString> ElementDatabase::FaultMessage(const DriverReport& report) const {
    if (const std::optional<DataSourceFault> fault = RecognizeFault(source_, report))
        return DescribeFault(*fault, source_, report.text);
    return std::nullopt;
}

QString ElementDatabase::FailureMessage(const QSqlError& error, const QString& whatFailed,
                                        const QSqlQuery* query) const {
    const DriverReport report = DriverReportOf(error, query);
    return FaultMessage(report).value_or(DescribeFailure(
        whatFailed, query ? FailedStep::Querying : FailedStep::Opening, source_, report.text));
}

QString ElementDatabase::QueryFailed(const QString& select) const {
    return tr("The query \"%1\" on %2 failed.").arg(select, source_.description);
}

bool ElementDatabase::Prepare(QSqlQuery& query, const QString& select) {
    query.setForwardOnly(true);
    if (!query.prepare(select))
        return false;
    if (source_.odbc)
        SetOdbcQueryTimeout(query, kTimeoutSeconds);
    return true;
}

std::optional<QSqlRecord> ElementDatabase::FirstRow(const QString& select) {
    return OnConnection([this, select]() -> std::optional<QSqlRecord> {
        // Questions repeat the same few query texts: keep each prepared, up to a bound.
        constexpr qsizetype kMostPrepared = 128;
        auto found = prepared_.find(select);
        if (found == prepared_.end()) {
            if (prepared_.size() >= kMostPrepared)
                prepared_.clear();
            QSqlQuery query(connection_);
            if (!Prepare(query, select))
                throw RuntimeError(FailureMessage(query.lastError(), QueryFailed(select), &query));
            found = prepared_.insert(select, query);
        }
        QSqlQuery& query = *found;
        std::optional<QSqlRecord> row;
        if (!query.exec())
            throw RuntimeError(FailureMessage(query.lastError(), QueryFailed(select), &query));
        if (query.next())
            row = query.record();
        else if (query.lastError().isValid())
            throw RuntimeError(FailureMessage(query.lastError(), QueryFailed(select), &query));
        // Let go of the result, so that no cursor stays open between questions.
        query.finish();
        return row;
    });
}

ElementDatabase::Read ElementDatabase::ForEachRow(const QString& select, const RowReader& onRow) {
    // How many rows one call reads: a few milliseconds' worth.
    constexpr int kBatchRows = 10'000;
    struct Batch {
        Read read;
        bool more = false;
    };
    // The query lives where the connection does, from batch to batch.
    auto query = std::make_shared<std::optional<QSqlQuery>>();
    const auto readBatch = [this, query, select, onRow] {
        Batch batch;
        const auto failed = [&] {
            batch.read.failure = DriverReportOf((*query)->lastError(), &**query);
            return batch;
        };
        if (!*query) {
            query->emplace(connection_);
            (*query)->setNumericalPrecisionPolicy(QSql::HighPrecision);
            if (!Prepare(**query, select) || !(*query)->exec())
                return failed();
            batch.read.columns = (*query)->record();
        }
        for (int row = 0; row < kBatchRows; ++row) {
            if (!(*query)->next())
                return (*query)->lastError().isValid() ? failed() : batch;
            if (!onRow(**query))
                return batch;
        }
        batch.more = true;
        return batch;
    };
    Batch batch = OnConnection(readBatch);
    const QSqlRecord columns = batch.read.columns;
    while (batch.more)
        batch = OnConnection(readBatch);
    // Let go of the result where it lives, so that no cursor stays open.
    OnConnection([query] {
        query->reset();
        return true;
    });
    if (const std::optional<DriverReport>& failure = batch.read.failure) {
        if (const std::optional<QString> fault = FaultMessage(*failure))
            throw RuntimeError(*fault);
    }
    return {columns, batch.read.failure};
}

QStringList ElementDatabase::Tables() {
    return OnConnection([this] { return connection_.tables(QSql::AllTables); });
}
