// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SqlScript.h"

#include "platform/RuntimeError.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

QStringList SplitSqlScript(const QString& script) {
    QStringList statements;
    QString current;
    const auto finishStatement = [&] {
        const QString statement = current.trimmed();
        if (!statement.isEmpty())
            statements.append(statement);
        current.clear();
    };

    const qsizetype length = script.size();
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = script[i];
        const QChar next = i + 1 < length ? script[i + 1] : QChar();
        if (c == u'-' && next == u'-') {
            while (i < length && script[i] != u'\n')
                ++i;
            current.append(u'\n');
        } else if (c == u'/' && next == u'*') {
            const qsizetype end = script.indexOf(u"*/", i + 2);
            i = end < 0 ? length : end + 1;
            current.append(u' ');
        } else if (c == u'\'' || c == u'"') {
            // A doubled quote inside the literal is an escaped quote: the scan simply leaves
            // and re-enters the literal.
            const qsizetype end = script.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? length - 1 : end;
            current.append(QStringView(script).sliced(i, stop - i + 1));
            i = stop;
        } else if (c == u';') {
            finishStatement();
        } else {
            current.append(c);
        }
    }
    finishStatement();
    return statements;
}

namespace {
// The translation context of the messages.
struct SqlScript {
    Q_DECLARE_TR_FUNCTIONS(SqlScript)
};
} // namespace

void RunElementScript(const QSqlDatabase& connection) {
    QFile script(QStringLiteral(":/valtora/elements.sql"));
    if (!script.open(QIODevice::ReadOnly | QIODevice::Text))
        throw RuntimeError(
            SqlScript::tr("The element table's script is missing from the program."));
    QSqlQuery query(connection);
    for (const QString& statement : SplitSqlScript(QString::fromUtf8(script.readAll()))) {
        if (!query.exec(statement)) {
            throw RuntimeError(SqlScript::tr("The element table's script cannot be run: %1")
                                   .arg(query.lastError().text()));
        }
    }
}

void NameElementsIn(const QSqlDatabase& connection, const ElementNames& names) {
    // One prepared statement in one transaction: a millisecond for all of them.
    QSqlQuery rename(connection);
    const bool named = connection.driver()->beginTransaction() &&
                       rename.prepare(QStringLiteral(
                           "update elements set ElementName = ? where AtomicNumber = ?"));
    for (auto element = names.Forms().cbegin(); named && element != names.Forms().cend();
         ++element) {
        rename.addBindValue(element->constFirst());
        rename.addBindValue(element.key());
        if (!rename.exec())
            break;
    }
    if (!named || rename.lastError().isValid() || !connection.driver()->commitTransaction()) {
        throw RuntimeError(SqlScript::tr("The element names in %1 cannot be loaded: %2")
                               .arg(names.Language(), rename.lastError().text()));
    }
}
