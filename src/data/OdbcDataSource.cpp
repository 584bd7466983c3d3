// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OdbcDataSource.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlQuery>
#include <QSqlResult>
#include <odbcinst.h>
#include <optional>
#include <sql.h>
#include <sqlext.h>

// The folders of the user's and the system's ODBC files as unixODBC finds them (the home folder;
// ODBCSYSINI, else where it was built to look), as "odbcinst -j" prints them.
extern "C" {
char* odbcinst_user_file_path(char* buffer);
char* odbcinst_system_file_path(char* buffer);
}

namespace {
// The translation context of the messages.
struct OdbcDataSource {
    Q_DECLARE_TR_FUNCTIONS(OdbcDataSource)
};
using Section = QHash<QString, QString>;

// The lines of the section `name` of the ini file `path` ("key = value", keys in lower case), if
// it has one. Section names are matched without regard to case, as the driver manager does.
std::optional<Section> ReadSection(const QString& path, const QString& name) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Found in the whole file at once (each line is trimmed, its line end too): a file of
    // thousands of sections is read in a millisecond.
    const QByteArray text = file.readAll();
    const QByteArray lowered = text.toLower();
    const QByteArray header = '[' + name.toLocal8Bit().toLower() + ']';
    qsizetype at = -1;
    for (qsizetype from = 0; (at = lowered.indexOf(header, from)) >= 0; from = at + 1) {
        const qsizetype lineStart = lowered.lastIndexOf('\n', at) + 1;
        if (lowered.sliced(lineStart, at - lineStart).trimmed().isEmpty())
            break;
    }
    if (at < 0)
        return std::nullopt;
    Section section;
    const qsizetype bodyStart = text.indexOf('\n', at);
    for (const QByteArray& raw : text.sliced(bodyStart < 0 ? text.size() : bodyStart).split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('['))
            break;
        const qsizetype equals = line.indexOf('=');
        if (equals > 0 && !line.startsWith('#') && !line.startsWith(';')) {
            section.insert(QString::fromLocal8Bit(line.left(equals).trimmed()).toLower(),
                           QString::fromLocal8Bit(line.mid(equals + 1).trimmed()));
        }
    }
    return section;
}

// The data source's section of the user's odbc.ini (ODBCINI, else ~/.odbc.ini), else of the
// system's, read directly: one pass over each file, however many other data sources they define
// (the driver manager's own listing and look-ups reread them at every step).
std::optional<Section> DataSourceSection(const QString& name) {
    char folder[4096] = {};
    const QString user =
        qEnvironmentVariable("ODBCINI", QString::fromLocal8Bit(odbcinst_user_file_path(folder)) +
                                            QStringLiteral("/.odbc.ini"));
    const QString system =
        QString::fromLocal8Bit(odbcinst_system_file_path(folder)) + QStringLiteral("/odbc.ini");
    if (auto section = ReadSection(user, name))
        return section;
    return user == system ? std::nullopt : ReadSection(system, name);
}

// A key of a section of odbcinst.ini, as the driver manager reads it.
QString DriverProfileString(const QString& section, const char* key) {
    char value[4096] = {};
    SQLGetPrivateProfileString(section.toLocal8Bit().constData(), key, "", value, sizeof value,
                               "odbcinst.ini");
    return QString::fromLocal8Bit(value).trimmed();
}
} // namespace

bool IsOdbcDataSourceDefined(const QString& name) {
    return DataSourceSection(name).has_value();
}

DataSourceDetails ReadOdbcDataSource(const QString& name) {
    DataSourceDetails source;
    source.odbc = true;
    source.name = name;
    source.description = OdbcDataSource::tr("ODBC data source \"%1\"").arg(name);
    const Section lines = DataSourceSection(name).value_or(Section());
    source.driver = lines.value(QStringLiteral("driver"));
    source.username = lines.value(QStringLiteral("username"), lines.value(QStringLiteral("uid")));
    // The Driver line names a driver of odbcinst.ini, or the driver's library itself.
    QString library = source.driver;
    if (!source.driver.contains(u'/'))
        library = DriverProfileString(source.driver, "Driver");
    // A library named without its folder is found where the system finds libraries.
    source.driverInstalled =
        !library.isEmpty() && (QFileInfo(library).isRelative() || QFileInfo::exists(library));
    source.sqlite =
        QFileInfo(library).fileName().contains(QLatin1String("sqlite"), Qt::CaseInsensitive);
    if (source.sqlite)
        source.databaseFile = lines.value(QStringLiteral("database"));
    return source;
}

QString OdbcConnectionString(const DataSourceDetails& source, SqliteResults results) {
    // Qt's driver puts "DSN=" before it. SQLite's driver waits out its lock timeout twice before
    // it reports a lock, both when connecting and when running a query: half the limit each.
    QString connection = source.name;
    if (source.sqlite) {
        connection += QStringLiteral(";NoCreat=1;BigInt=1;StepAPI=%1;Timeout=%2")
                          .arg(results == SqliteResults::Stepped ? 1 : 0)
                          .arg(source.timeoutSeconds * 500);
    }
    return connection;
}

namespace {
SQLHANDLE StatementHandle(const QSqlQuery& query) {
    const QVariant handle = query.result()->handle();
    if (!handle.isValid() || !handle.constData())
        return SQL_NULL_HSTMT;
    return *static_cast<const SQLHANDLE*>(handle.constData());
}
} // namespace

void SetOdbcQueryTimeout(const QSqlQuery& query, int seconds) {
    if (SQLHANDLE statement = StatementHandle(query)) {
        SQLSetStmtAttr(statement, SQL_ATTR_QUERY_TIMEOUT,
                       reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(seconds)), 0);
    }
}

QString OdbcSqlState(const QSqlQuery& query) {
    SQLHANDLE statement = StatementHandle(query);
    SQLCHAR state[SQL_SQLSTATE_SIZE + 1] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    // Qt's driver has read the diagnostics too; reading leaves them where they are.
    if (!statement || !SQL_SUCCEEDED(SQLGetDiagRec(SQL_HANDLE_STMT, statement, 1, state, &native,
                                                   nullptr, 0, &length)))
        return {};
    return QString::fromLatin1(reinterpret_cast<const char*>(state));
}
