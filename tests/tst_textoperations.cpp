#include "platform/RandomGenerator.h"
#include "platform/TextOperations.h"

#include <QTest>

// Proper case, binary comparison and the random generator.
class TestTextOperations : public QObject {
    Q_OBJECT

private slots:
    void properCase_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* tag, const char16_t* text, const char16_t* expected) {
            QTest::newRow(tag) << QString::fromUtf16(text) << QString::fromUtf16(expected);
        };
        row("lower", u"iron", u"Iron");
        row("upper", u"IRON", u"Iron");
        row("mixed", u"iRoN", u"Iron");
        row("empty", u"", u"");
        row("words after blank, tab and line break", u"a b\tc\nd\re", u"A B\tC\nD\rE");
        row("hyphen does not start a word", u"jean-luc", u"Jean-luc");
        row("leading blank", u" iron", u" Iron");
        row("digits and punctuation kept", u"1st (iron)!", u"1st (iron)!");
        row("accented", u"éCLAIR", u"Éclair");
        row("combining mark kept", u"E\u0301CLAIR", u"E\u0301clair");
        row("Greek, final sigma", u"ΣΊΔΗΡΟΣ ΟΔΟΣ", u"Σίδηρος Οδος");
        row("Greek, sigma inside and alone", u"ΑΣΑ Σ ΑΣ\u0301", u"Ασα Σ Ας\u0301");
        row("Greek, small sigma typed stays", u"ΑΣ σ", u"Ας Σ");
        row("capital I with dot inside a word", u"Iİ", u"Ii\u0307");
        row("Cyrillic", u"желЕЗО", u"Железо");
        row("digraph takes title case", u"\u01C6ungla", u"\u01C5ungla");
        row("outside the BMP", u"\U00010428\U00010400", u"\U00010400\U00010428");
        row("right-to-left kept", u"\u05D1\u05E8\u05D6\u05DC", u"\u05D1\u05E8\u05D6\u05DC");
        row("control characters kept", u"\u0001ab\u007F", u"\u0001ab\u007F");
    }
    void properCase() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(ProperCase(text), expected);
    }

    void textEqualityIsBinary_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("equal");
        QTest::newRow("same") << "Fe"
                              << "Fe" << true;
        QTest::newRow("both empty") << ""
                                    << "" << true;
        QTest::newRow("case") << "Fe"
                              << "fe" << false;
        QTest::newRow("trailing blank") << "Fe"
                                        << "Fe " << false;
        QTest::newRow("precomposed and combining")
            << QStringLiteral("\u00C9") << QStringLiteral("E\u0301") << false;
    }
    void textEqualityIsBinary() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, equal);
        QCOMPARE(TextEquals(a, b), equal);
    }

    void numbersHaveOnlyTheirDigits() {
        QCOMPARE(NumberToText(7), QStringLiteral("7"));
        QCOMPARE(NumberToText(103), QStringLiteral("103"));
    }

    void generatorStaysBelowOne() {
        RandomGenerator generator;
        generator.Seed(1);
        for (int i = 0; i < 100'000; ++i) {
            const float r = generator.Next();
            QVERIFY(r >= 0.0f && r < 1.0f);
        }
    }

    void reseedsInOneClockTickDiffer() {
        RandomGenerator a;
        RandomGenerator b;
        a.Reseed();
        b.Reseed();
        QList<float> first;
        QList<float> second;
        for (int i = 0; i < 4; ++i) {
            first.append(a.Next());
            second.append(b.Next());
        }
        QVERIFY(first != second);
    }
};

QTEST_GUILESS_MAIN(TestTextOperations)
#include "tst_textoperations.moc"
