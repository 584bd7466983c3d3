#pragma once

#include "platform/RuntimeError.h"
#include "quiz/QuizState.h"

#include <QHash>
#include <QSqlQuery>
#include <QString>
#include <vector>

class ElementDatabase;

// The data control: runs its record source on the element database and shows the first row of
// the result in the record boxes bound to its columns. It only reads.
class DataControl {
public:
    DataControl(ElementDatabase& database, ControlAccess& controls);

    // From now on, `box` shows the current row's value of `column` (matched regardless of case).
    void Bind(Box box, QString column);

    const QString& RecordSource() const { return recordSource_; }
    void SetRecordSource(const QString& query) { recordSource_ = query; }

    // Reruns the record source. When it has a row, the bound boxes show its values and true is
    // returned; with no row the boxes are left as they were. A failing query or a bound column
    // missing from the result raises a RuntimeError.
    [[nodiscard]] bool Refresh();

private:
    struct Binding {
        Box box;
        QString column;
    };

    // The query for the record source, prepared on its first run and kept for the next.
    QSqlQuery& PreparedQuery();
    RuntimeError QueryFailure(const QSqlQuery& query) const;

    ElementDatabase& database_;
    ControlAccess& controls_;
    std::vector<Binding> bindings_;
    QString recordSource_;
    QHash<QString, QSqlQuery> prepared_;
};
