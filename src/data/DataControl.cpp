#include "DataControl.h"

#include "ElementDatabase.h"
#include "FieldText.h"
#include "platform/RuntimeError.h"

#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

DataControl::DataControl(ElementDatabase& database, ControlAccess& controls)
    : database_(database)
    , controls_(controls) {}

void DataControl::Bind(Box box, QString column) {
    bindings_.push_back({box, std::move(column)});
}

QSqlQuery& DataControl::PreparedQuery() {
    // Questions repeat the same few query texts: keep each prepared, up to a bound.
    constexpr qsizetype kMostPrepared = 128;
    auto found = prepared_.find(recordSource_);
    if (found != prepared_.end())
        return *found;
    if (prepared_.size() >= kMostPrepared)
        prepared_.clear();
    QSqlQuery query(database_.Connection());
    if (!database_.Prepare(query, recordSource_))
        throw QueryFailure(query);
    return *prepared_.insert(recordSource_, query);
}

RuntimeError DataControl::QueryFailure(const QSqlQuery& query) const {
    return RuntimeError(QStringLiteral("The query \"%1\" on %2 failed: %3")
                            .arg(recordSource_, database_.Description(), query.lastError().text()));
}

bool DataControl::Refresh() {
    QSqlQuery& query = PreparedQuery();
    // finish() lets go of the result when it has been read, so no cursor stays open.
    const auto release = qScopeGuard([&query] { query.finish(); });
    if (!query.exec())
        throw QueryFailure(query);
    if (!query.next()) {
        if (query.lastError().isValid())
            throw QueryFailure(query);
        return false;
    }

    const QSqlRecord row = query.record();
    for (const Binding& binding : bindings_) {
        const int index = row.indexOf(binding.column);
        if (index < 0) {
            throw RuntimeError(QStringLiteral("The table on %1 has no column %2.")
                                   .arg(database_.Description(), binding.column));
        }
        controls_.SetText(binding.box, FieldText(row.value(index)));
    }
    return true;
}
