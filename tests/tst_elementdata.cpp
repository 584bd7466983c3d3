#include "data/ElementDatabase.h"
#include "data/SqlScript.h"
#include "support/ElementRows.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

// The element table shipped with the program, and the script reader that loads it.
class TestElementData : public QObject {
    Q_OBJECT

private slots:
    void tableHoldsEveryElementOnce() {
        ElementDatabase database;
        const QMap<int, QStringList> rows = ReadElementRows(database.Connection());
        QCOMPARE(rows.size(), 118);
        QCOMPARE(rows.firstKey(), 1);
        QCOMPARE(rows.lastKey(), 118);

        QSet<QString> symbols;
        const QRegularExpression symbol(QStringLiteral("^[A-Z][a-z]{0,2}$"));
        const QRegularExpression mass(QStringLiteral(R"(^(\d+\.\d+|\d+\.?|\[\d+\])$)"));
        for (const QStringList& row : rows) {
            const QString& name = row[2];
            QVERIFY2(symbol.match(row[1]).hasMatch(), qPrintable(row.join(u' ')));
            QVERIFY2(!name.isEmpty() && name == name.left(1).toUpper() + name.mid(1).toLower(),
                     qPrintable(row.join(u' ')));
            QVERIFY2(mass.match(row[3]).hasMatch(), qPrintable(row.join(u' ')));
            symbols.insert(row[1]);
        }
        QCOMPARE(symbols.size(), 118);
    }

    void scriptSplitsAtStatementEnds_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("statements");
        QTest::newRow("two") << "create table t (a int);\ninsert into t values (1);"
                             << QStringList{"create table t (a int)", "insert into t values (1)"};
        QTest::newRow("no final semicolon") << "select 1" << QStringList{"select 1"};
        QTest::newRow("semicolon in a string")
            << "insert into t values ('a;b', 'it''s;');"
            << QStringList{"insert into t values ('a;b', 'it''s;')"};
        QTest::newRow("semicolon in a quoted identifier")
            << "select \"x;y\" from t;" << QStringList{"select \"x;y\" from t"};
        QTest::newRow("comments") << "-- a; b\nselect 1; /* c; d */ select 2;"
                                  << QStringList{"select 1", "select 2"};
        QTest::newRow("dash in a string is no comment")
            << "select '--x';" << QStringList{"select '--x'"};
        QTest::newRow("only blanks and semicolons") << " ;\n; " << QStringList{};
        QTest::newRow("unterminated string") << "select 'abc" << QStringList{"select 'abc"};
    }
    void scriptSplitsAtStatementEnds() {
        QFETCH(QString, script);
        QFETCH(QStringList, statements);
        QCOMPARE(SplitSqlScript(script), statements);
    }
};

QTEST_GUILESS_MAIN(TestElementData)
#include "tst_elementdata.moc"
