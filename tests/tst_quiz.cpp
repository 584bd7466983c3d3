// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/DataSourceFaults.h"
#include "data/ElementTableCheck.h"
#include "platform/RuntimeError.h"
#include "quiz/QuestionGate.h"
#include "support/QuizHarness.h"

#include <QSqlQuery>
#include <QTest>
#include <cmath>

using TableRule = QStringList (*)(const TableRows&);
Q_DECLARE_METATYPE(TableRule)
Q_DECLARE_METATYPE(TableRow)

// The quiz logic over the embedded element table: the choices and covers, the draw, the answer
// check and the lookup; the table check's rules.
class TestQuiz : public QObject {
    Q_OBJECT

private slots:
    // One spin per number from 1 to the range's bound, scripted to draw that number and then 1,
    // which every range accepts: the number shows when the range accepts it, else 1 does.
    void eachRangeShowsExactlyItsListedNumbers_data() {
        QTest::addColumn<Option>("range");
        QTest::addColumn<int>("bound");
        QTest::addColumn<QList<int>>("intervals");
        QTest::newRow("1 to 36") << Option::opt1to36 << 36 << QList{1, 36};
        QTest::newRow("1 to 80") << Option::opt1to38 << 80
                                 << QList{1, 38, 40, 40, 42, 42, 47, 57, 74, 74, 78, 80};
        QTest::newRow("1 to 95") << Option::opt1to95 << 95 << QList{1,  38, 40, 40, 42, 42, 47, 57,
                                                                    74, 74, 78, 89, 92, 92, 94, 95};
        QTest::newRow("1 to 103") << Option::opt1to103 << 103 << QList{1, 103};
    }
    void eachRangeShowsExactlyItsListedNumbers() {
        QFETCH(Option, range);
        QFETCH(int, bound);
        QFETCH(QList<int>, intervals);
        QuizHarness harness;
        harness.Click(range);
        for (int n = 1; n <= bound; ++n) {
            harness.runtime.randoms = {QuizHarness::RandomFor(n, bound),
                                       QuizHarness::RandomFor(1, bound)};
            harness.quiz.draw.Spin();
            bool listed = false;
            for (qsizetype i = 0; i < intervals.size(); i += 2)
                listed = listed || (n >= intervals[i] && n <= intervals[i + 1]);
            QCOMPARE(harness.Text(Box::txtAtomicNumber), QString::number(listed ? n : 1));
            QCOMPARE(harness.runtime.randoms.size(), listed ? 1u : 0u);
        }
        // The largest r below 1 draws the bound itself, not one more.
        harness.runtime.randoms = {std::nextafter(1.0f, 0.0f)};
        harness.quiz.draw.Spin();
        QCOMPARE(harness.Text(Box::txtAtomicNumber), QString::number(bound));
    }

    // Against iron: the symbol exactly as stored, the name in any case, by the mode selected at
    // the moment of the check; blanks around an answer count for nothing, and accents typed
    // decomposed (NFD) are the same letters. Before any element, nothing is judged: an empty
    // answer would match the empty record box, so the first element is drawn instead.
    void answersAreJudged_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("element");
        QTest::addColumn<Option>("mode");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("shownDuringMessage");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("desk");
        const auto row = [](Option mode, const char* answer, const char* shown, bool right,
                            const char* language = "", int element = 26, const char* desk = "") {
            QTest::addRow("%s \"%s\" for %d %s", qPrintable(ControlName(mode)), answer, element,
                          desk)
                << language << element << mode << QString::fromUtf8(answer)
                << QString::fromUtf8(shown) << (right ? "Your my hero" : "Try Again") << desk;
        };
        // The symbol as stored; Cyrillic and Greek letters shaped as Latin ones count as them,
        // case and all, and none makes I stand for l.
        constexpr int kIron = 26;
        constexpr int kChlorine = 17;
        const std::tuple<const char*, bool, int> symbols[]{
            {"Fe", true, kIron},      {"fe", false, kIron},       {"Fe \t", true, kIron},
            {"Fе", true, kIron},      {"FЕ", false, kIron},       {"Сl", true, kChlorine},
            {"CI", false, kChlorine}, {"СІ", false, kChlorine},   {"Νe", true, 10},
            {"Ｆｅ", true, kIron},    {"Ｆｅ\u3000", true, kIron}};
        for (auto [symbol, right, element] : symbols)
            row(Option::optSymbol, symbol, symbol, right, "", element);
        row(Option::optName, "iRoN", "Iron", true);
        row(Option::optName, "irn", "Irn", false);
        row(Option::optName, "iron ", "Iron ", true);
        row(Option::optName, "Fe", "Fe", false);
        // Full-width letters are the letters; capitals are right by the desk's rule or the
        // ordinary one: a Turkish desk with an English table takes ZINC.
        row(Option::optName, "ＩＲＯＮ", "Ｉｒｏｎ", true);
        row(Option::optName, "ZINC", "Zınc", true, "", 30, "tr");
        row(Option::optName, "IYOT", "Iyot", false, "tr", 53, "tr");
        row(Option::optName, "żelazo ", "Żelazo ", true, "pl");
        row(Option::optName, "z\u0307elazo", "Z\u0307elazo", true, "pl");
        // Each language's own (tests/data/answers.tsv has more, in the window): Arabic's marks,
        // ى and ة but not ئ; Georgian capitals and Serbian Latin, shown as judged.
        const std::tuple<const char*, int, const char*, const char*, bool> own[]{
            {"ar", 8, "\u200Fإكسـجِين", "\u200Fإكسـجِين", true},
            {"ar", 47, "الفضّه", "الفضّه", true},
            {"ar", 26, "حدىد", "حدىد", true},
            {"ar", 80, "زيبق", "زيبق", false},
            {"ka", 26, "ᲠᲙᲘᲜᲐ", "რკინა", true},
            {"sr", 26, "GVOŽĐE", "Gvožđe", true},
            {"sr", 6, "uGLJENIK", "Ugljenik", true}};
        for (auto [language, element, answer, shown, right] : own)
            row(Option::optName, answer, shown, right, language, element);
        // Proper case: words start after blanks, tabs and line breaks; letters beyond Latin
        // follow Unicode, final sigma included; a word's first letter goes to title case, not
        // upper case: the digraph dž to Dž, not DŽ.
        row(Option::optName, "jean-luc a\tb\nc\rd ΣΊΔΗΡΟΣ ΑΣ\u0301 Σ ǆemal",
            "Jean-luc A\tB\nC\rD Σίδηρος Ας\u0301 Σ ǅemal", false);
        for (Option mode : {Option::optSymbol, Option::optName}) {
            QTest::addRow("%s, before any element", qPrintable(ControlName(mode)))
                << QString() << 0 << mode << QString() << QString() << QString() << QString();
        }
    }
    void answersAreJudged() {
        QFETCH(QString, language);
        QFETCH(int, element);
        QFETCH(Option, mode);
        QFETCH(QString, answer);
        QFETCH(QString, shownDuringMessage);
        QFETCH(QString, message);
        QFETCH(QString, desk);
        QuizHarness harness(language, nullptr, desk);
        if (element)
            harness.ShowElement(element);
        const QString shown = harness.Record();
        harness.runtime.randoms = {0.0f};
        harness.Click(mode);
        harness.controls.SetText(Box::txtAnswer, answer);
        harness.runtime.whileMessageShown = [&] {
            QCOMPARE(harness.Text(Box::txtAnswer), shownDuringMessage);
        };
        harness.quiz.check.Check();
        QCOMPARE(harness.runtime.messages.join(u'|'), message);
        if (message == "Try Again")
            QCOMPARE(harness.Record(), shown);
        else if (language.isEmpty() && desk.isEmpty())
            QCOMPARE(harness.Record(), QStringLiteral("1\tH\tHydrogen\t1.0080"));
        QVERIFY(harness.Text(Box::txtAnswer).isEmpty());
    }

    // Only plain decimal numbers reach the query, and a number without a row, or whose row has
    // no symbol (or no name, as a data-source row shows), is an error: empty boxes would let an
    // empty answer pass as right. The element shown stays.
    void aNumberThatShowsNoElementIsAnError() {
        QuizHarness harness;
        harness.ShowElement(26);
        // The table as a server's may change during the quiz.
        QSqlQuery change(QSqlDatabase::database(QSqlDatabase::connectionNames().constFirst()));
        QVERIFY(change.exec("update elements set AtomicSymbol = '' where AtomicNumber = 27"));
        const QString empty = QStringLiteral(
            "The row for atomic number 27 in table elements has no symbol (AtomicSymbol is empty): "
            "no answer could be judged against it.");
        for (const QString number : {"119", "27", "", "1 or 1=1", "-1", "\u0667"}) {
            const QString message =
                number == "119"  ? "There is no row for atomic number 119 in table elements."
                : number == "27" ? empty
                                 : "\"" + number + "\" is not an atomic number to look up.";
            harness.quiz.state.SetStrNumber(number);
            try {
                harness.quiz.lookup.GetRecord();
                QFAIL("no error");
            } catch (const RuntimeError& error) {
                QCOMPARE(error.message(), message);
            }
            QCOMPARE(harness.quiz.state.StrNumber(), number);
            QCOMPARE(harness.Record(), QStringLiteral("26\tFe\tIron\t55.845"));
        }
    }

    // One question at a time: while one runs, or a turn is held for one, no other begins; a
    // question's turn ends however the question ends.
    void questionsRunOneAtATime_data() {
        QTest::addColumn<bool>("held");
        QTest::addColumn<bool>("fails");
        QTest::newRow("the gate free") << false << false;
        QTest::newRow("a turn held") << true << false;
        QTest::newRow("a question that fails") << false << true;
    }
    void questionsRunOneAtATime() {
        QFETCH(bool, held);
        QFETCH(bool, fails);
        QuestionGate gate;
        QuestionGate::Turn turn = held ? gate.Take() : nullptr;
        int ran = 0;
        bool opened = false;
        try {
            gate.RunAlone([&] {
                ++ran;
                gate.RunAlone([&] { opened = true; });
                opened = opened || !gate.Running() || gate.Take();
                if (fails)
                    throw RuntimeError(QString());
            });
        } catch (const RuntimeError&) {
        }
        QCOMPARE(ran, held ? 0 : 1);
        QVERIFY(!opened);
        QCOMPARE(gate.Running(), held);
        turn.reset();
        gate.RunAlone([&] { ++ran; });
        QCOMPARE(ran, held ? 1 : 2);
        QVERIFY(!gate.Running());
    }

    // How servers, poolers and drivers report the faults a school meets, PostgreSQL 12 to 17's
    // and PgBouncer's among them, including those no test server here can be made to say: by the
    // SQLSTATE where it names the cause, else by the words, in the server's language; and
    // failures that are no such fault, whose own words are shown after what was tried.
    void driverReportsTellTheFault_data() {
        QTest::addColumn<QString>("sqlState");
        QTest::addColumn<QString>("said");
        QTest::addColumn<int>("fault");
        using enum DataSourceFault;
        const auto row = [](int fault, const char* sqlState, const char* said) {
            QTest::newRow(said) << QString::fromLatin1(sqlState) << QString::fromUtf8(said)
                                << fault;
        };
        row(int(ServerFull), "", "FATAL:  sorry, too many clients already");
        for (const char* role :
             {"non-replication superuser connections", "roles with the SUPERUSER attribute",
              "roles with privileges of the \"pg_use_reserved_connections\" role"})
            row(int(ServerFull), "",
                qPrintable(QStringLiteral("FATAL:  remaining connection slots are reserved for ") +
                           role));
        row(int(ServerFull), "", "FATAL:  too many connections for role \"quiz\"");
        row(int(ServerFull), "", "ERROR:  no more connections allowed (max_client_conn)");
        row(int(ServerFull), "53300", "FATAL:  demasiadas conexiones para el rol «quiz»");
        row(int(LoginRefused), "", "FATAL:  password authentication failed for user \"quiz\"");
        // A French server's messages on two lines, matched whole.
        row(int(ServerFull), "",
            "FATAL:  les emplacements de connexions restants sont réservés pour les "
            "connexions\nsuperutilisateur non relatif à la réplication");
        row(-1, "",
            "FATAL:  les emplacements de connexions restants sont réservés pour les "
            "connexions\nautres");
        row(int(LoginRefused), "",
            "FATAL:  aucune entrée dans pg_hba.conf pour l'hôte « 10.0.0.7 », utilisateur "
            "« quiz »,\nbase de données « elements », aucun chiffrement");
        row(int(LoginRefused), "", "FATAL:  no pg_hba.conf entry for host \"10.0.0.7\"");
        row(int(LoginRefused), "", "ERROR: SASL authentication failed");
        row(int(LoginRefused), "", "FATAL:  role \"quiz\" does not exist");
        row(int(LoginRefused), "", "FATAL:  роль \"quiz\" не существует");
        row(int(ServerUnreachable), "", "ERROR: server login has been failing, try again later");
        row(int(ServerUnreachable), "", "could not translate host name \"x\" to address");
        row(int(ServerNotReady), "", "FATAL:  the database system is starting up");
        row(int(ConnectionLost), "", "could not send data to server: Broken pipe");
        row(int(ConnectionLost), "",
            "Could not send Query(connection dead);\nThe connection has been lost");
        row(int(ConnectionLost), "08S01", "SQLExecDirectW unable due to the connection lost");
        row(int(ConnectionEnded), "57P01",
            "FATAL: terminating connection due to administrator "
            "command;\nThe connection has been lost");
        row(int(IdleSessionClosed), "57P05",
            "FATAL: terminating connection due to idle-session "
            "timeout;\nThe connection has been lost");
        row(int(IdleSessionClosed), "",
            "FATAL: Verbindung wird abgebrochen wegen Zeitüberschreitung in inaktiver Sitzung");
        row(int(QueryCancelled), "57014", "ERROR: canceling statement due to user request");
        row(int(QueryCancelled), "57014", "FEHLER: storniere Anfrage wegen Benutzeraufforderung");
        row(int(PoolerWaitLimit), "08P01", "ERROR:  query_wait_timeout");
        row(int(NoAnswer), "57014", "ERROR:  canceling statement due to statement timeout");
        row(int(NoAnswer), "57014",
            "ERREUR:  annulation de la requête à cause du délai écoulé "
            "pour l'exécution de l'instruction");
        // A lock timeout, whose Russian, Ukrainian and Italian words begin with those of a
        // statement timeout; a missing grant.
        row(int(LockTimeout), "55P03",
            "ОШИБКА:  выполнение оператора отменено из-за тайм-аута блокировки");
        row(int(LockTimeout), "",
            "ПОМИЛКА:  виконання оператора скасовано через тайм-аут блокування");
        row(int(LockTimeout), "",
            "ERRORE:  annullamento dell'istruzione a causa di timeout di lock");
        row(int(NoAnswer), "", "ERRORE:  annullamento dell'istruzione a causa di timeout");
        row(int(NoPrivilege), "42501", "ERROR:  permission denied for table elements");
        row(-1, "42P01", "ERROR:  relation \"elements\" does not exist");
        row(-1, "42883", "ERROR:  operator does not exist: text = integer");
    }
    void driverReportsTellTheFault() {
        QFETCH(QString, sqlState);
        QFETCH(QString, said);
        QFETCH(int, fault);
        DataSourceDetails server;
        server.odbc = true;
        const auto told = RecognizeFault(server, {sqlState, said});
        QCOMPARE(told ? static_cast<int>(*told) : -1, fault);
    }

    // Each rule of the table check on a table's columns and a few rows, then `sound` times a
    // sound row for each number 1 to 103: the problems the rule finds, each holding its
    // fragment, in order.
    void eachTableRuleFindsItsProblems_data() {
        QTest::addColumn<TableRule>("rule");
        QTest::addColumn<int>("sound");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<QList<TableRow>>("rows");
        QTest::addColumn<QStringList>("problems");
        // A row as the lookup finds it: by its number's digits alone, as in a column of integers.
        const auto found = [](QStringList values) {
            const bool drawn = QString::number(values[0].toInt()) == values[0];
            return TableRow{std::move(values), drawn};
        };
        const auto row = [](const char* name, TableRule rule, int sound, const QStringList& columns,
                            const QList<TableRow>& rows, const QStringList& problems) {
            QTest::newRow(name) << rule << sound << columns << rows << problems;
        };
        const QStringList four{"AtomicNumber", "AtomicSymbol", "ElementName", "AtomicMass"};
        row("semicolons", ShapeProblems, 0, {"'atomicnumber';AtomicSymbol;ElementName;AtomicMass"},
            {},
            {"Missing columns: AtomicNumber, AtomicSymbol, ElementName, AtomicMass.\nIt has the "
             "columns \"'atomicnumber';AtomicSymbol;ElementName;AtomicMass\".\nThe file was saved "
             "with semicolons"});
        row("tabs", ShapeProblems, 0, {"AtomicNumber\tAtomicSymbol\tElementName\tAtomicMass"}, {},
            {".\nThe file was saved with tabs"});
        row("UTF-16", ShapeProblems, 0, {"ÿþA", "?_2", "?_3"}, {}, {"\"iconv -f UTF-16 -t UTF-8"});
        row("UTF-16LE", ShapeProblems, 0, {"A", "?_2", "?_3"}, {},
            {"\"iconv -f UTF-16LE -t UTF-8"});
        row("a title row", ShapeProblems, 0, {"Elements"}, {found(four)},
            {".\nIts first row holds the"});
        row("numbers", NumberProblems, 0, four,
            {found({"30.5"}), found({"26.0"}), found({"x"}), found({" 26"}),
             found({"", "Xx", "Ext"}), found({"", "", "Ext"}), found({"", "", "", "7"}),
             found({"", " ", ""}), found({" atomicnumber"})},
            {"numbers: 30.5, x.", "not find: 26.", "number: Ext (Xx), Ext, (, , , 7).",
             "The file's header row (AtomicNumber, AtomicSymbol, ElementName, AtomicMass) is a"});
        row("rows found", DrawnProblems, 0, four,
            {found({"27", "Co", "Cobalt"}), found({"27", "Co", "cobalt"}),
             TableRow{{"7", "N", "nitrogen"}, false}, found({"8", "", "Oxygen"}),
             found({"9", "F", " "}), found({"10", "Ne", "Ne\u200bon"}),
             found({"4", "Be", "\u0301"}), found({"5", "-", "Boron"}), found({"6", "C", "C?rbon"}),
             found({"25", "Mn", "MANGANESE"}), found({"26", "Fe", "iron"}),
             found({"28", "Ni ", "Nickel"}), found({"29", "Cu", "Copper\u00a0"}),
             found({"30", "Zn", "\tZinc"})},
            {"No row for atomic numbers 1, 2, 3, 7, 11, 12, 13, 14, 15, 16 and 81 more.",
             "than one row for atomic numbers 27.", "No symbol for atomic numbers 8.",
             "No name for atomic numbers 9.", "holds, for atomic numbers 10.",
             "lone accent), for atomic numbers 4, 5, 6. Retype",
             "\"IRON\"), for atomic numbers 25, 26.", "match, for atomic numbers 28, 29, 30."});
        row("UTF-8 read as Windows-1250", DrawnProblems, 0, four, {found({"11", "Na", "SĂłd"})},
            {"No row for atomic numbers 1, 2,",
             "UTF-8 and read as Windows-1250, for atomic numbers 11 (\"SĂłd\" → \"Sód\"). Convert "
             "it with \"iconv -f UTF-8 -t WINDOWS-1250 elements.csv > "});
        row("imported twice", ImportedTwice, 2, four, {found(four)},
            {"imported twice into the same"});
        row("every row twice", ImportedTwice, 2, four, {}, {});
        row("the header a row once", ImportedTwice, 1, four, {found(four)}, {});
    }
    void eachTableRuleFindsItsProblems() {
        QFETCH(TableRule, rule);
        QFETCH(int, sound);
        QFETCH(QStringList, columns);
        QFETCH(QList<TableRow>, rows);
        QFETCH(QStringList, problems);
        TableRows table(columns, true);
        for (const TableRow& row : rows)
            table.Add(row);
        for (int copy = 0; copy < sound; ++copy) {
            for (int number = 1; number <= TableRows::kLastDrawable; ++number)
                table.Add({{QString::number(number), "X", "Element"}, true});
        }
        const QStringList found = rule(table);
        QVERIFY2(found.size() == problems.size(), qPrintable(found.join(u'\n')));
        for (qsizetype i = 0; i < found.size(); ++i)
            QVERIFY2(found[i].contains(problems[i]), qPrintable(found[i]));
    }
};

QTEST_GUILESS_MAIN(TestQuiz)
#include "tst_quiz.moc"
