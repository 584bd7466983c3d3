// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "quiz/QuizState.h"

#include <QCoreApplication>
#include <QSqlRecord>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class ElementDatabase;

// The data control: runs its record source on the element database and shows a row of the
// result in the record boxes bound to its columns. It only reads.
class DataControl {
    Q_DECLARE_TR_FUNCTIONS(DataControl)

public:
    DataControl(ElementDatabase& database, ControlAccess& controls);

    // What a box shows of its column's text.
    using Presentation = std::function<QString(const QString& text)>;

    // From now on, `box` shows the value of `column` (matched regardless of case), as `shown`
    // presents it where given.
    void Bind(Box box, QString column, Presentation shown = {});

    void SetRecordSource(const QString& query) { recordSource_ = query; }

    // Reruns the record source and returns the first row of its result, if it has one, for
    // Show(). A failing query raises a RuntimeError.
    [[nodiscard]] std::optional<QSqlRecord> Refresh();
    // The text `row` shows in the box bound to `column`; a bound column missing from the row
    // raises a RuntimeError.
    QString Text(const QSqlRecord& row, const QString& column) const;
    // The bound boxes show `row`.
    void Show(const QSqlRecord& row);

private:
    struct Binding {
        Box box;
        QString column;
        Presentation shown;
    };

    ElementDatabase& database_;
    ControlAccess& controls_;
    std::vector<Binding> bindings_;
    QString recordSource_;
};
