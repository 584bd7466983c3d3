#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

// The one connection to the element table. Where the system's ODBC configuration defines the
// data source "Elements", it is used; otherwise the table shipped with the program is loaded
// into an in-memory SQLite database.
class ElementDatabase {
public:
    static constexpr QLatin1StringView kDataSourceName{"Elements"};

    // Opens the connection and checks the table; raises a RuntimeError that names the data
    // source and what is wrong when either fails.
    ElementDatabase();
    ElementDatabase(const ElementDatabase&) = delete;
    ElementDatabase& operator=(const ElementDatabase&) = delete;

    QSqlDatabase& Connection() { return connection_; }

    // Prepares a select on the connection, forward only and within the query timeout. On
    // failure returns false, and the query's lastError() says why.
    [[nodiscard]] bool Prepare(QSqlQuery& query, const QString& select);
    // Prepares and runs a select.
    [[nodiscard]] bool Select(QSqlQuery& query, const QString& select) {
        return Prepare(query, select) && query.exec();
    }
    // Names the data source in messages: 'ODBC data source "Elements"' or the embedded table.
    const QString& Description() const { return description_; }
    bool IsOdbc() const { return odbc_; }

private:
    void OpenOdbc();
    void OpenEmbedded();

    // Takes the connection out of Qt's registry when the database goes, also when opening fails.
    struct Registration {
        QString name;
        ~Registration() { QSqlDatabase::removeDatabase(name); }
    };

    Registration registration_;
    QString description_;
    bool odbc_ = false;
    QSqlDatabase connection_;
};
