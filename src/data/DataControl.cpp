// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataControl.h"

#include "ElementDatabase.h"
#include "FieldText.h"
#include "platform/RuntimeError.h"

DataControl::DataControl(ElementDatabase& database, ControlAccess& controls)
    : database_(database)
    , controls_(controls) {}

void DataControl::Bind(Box box, QString column, Presentation shown) {
    bindings_.push_back({box, std::move(column), std::move(shown)});
}

std::optional<QSqlRecord> DataControl::Refresh() {
    return database_.FirstRow(recordSource_);
}

QString DataControl::Text(const QSqlRecord& row, const QString& column) const {
    const int index = row.indexOf(column);
    if (index < 0) {
        throw RuntimeError(
            tr("The table on %1 has no column %2.").arg(database_.Description(), column));
    }
    return FieldText(row.value(index));
}

void DataControl::Show(const QSqlRecord& row) {
    // Every text first: a missing column leaves the boxes as they were.
    std::vector<QString> texts;
    for (const Binding& binding : bindings_) {
        const QString text = Text(row, binding.column);
        texts.push_back(binding.shown ? binding.shown(text) : text);
    }
    for (size_t i = 0; i < bindings_.size(); ++i)
        controls_.SetText(bindings_[i].box, texts[i]);
}
