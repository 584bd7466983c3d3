#include "support/QuizHarness.h"

#include <QTest>
#include <cmath>
#include <limits>
#include <map>

// The draw: bounds of each range, the membership loops of the two listed ranges, and the
// spread of many draws.
class TestElementDraw : public QObject {
    Q_OBJECT

private:
    static void SelectRange(QuizHarness& harness, DrawRange range) {
        harness.controls.Select(OptionOf(range));
        harness.quiz.state.OnRangeClicked(range);
    }
    static int ShownNumber(const QuizHarness& harness) {
        return harness.controls.GetText(Box::txtAtomicNumber).toInt();
    }
    // The members of a range, as the option's caption lists them.
    static QList<int> Members(DrawRange range) {
        QList<int> members;
        const auto add = [&](int first, int last) {
            for (int n = first; n <= last; ++n)
                members.append(n);
        };
        switch (range) {
        case DrawRange::Range1to36:
            add(1, 36);
            break;
        case DrawRange::Range1to103:
            add(1, 103);
            break;
        case DrawRange::Range1to95:
            add(81, 89), add(92, 92), add(94, 95);
            [[fallthrough]];
        case DrawRange::Range1to38:
            add(1, 38), add(40, 40), add(42, 42), add(47, 57), add(74, 74), add(78, 80);
            break;
        }
        std::sort(members.begin(), members.end());
        return members;
    }
    // The chi-square value above which a uniform spread over `categories` is rejected at a
    // significance level of 0.001 (Wilson-Hilferty approximation, z = 3.0902).
    static double ChiSquareCritical(int categories) {
        const double df = categories - 1;
        const double a = 2.0 / (9.0 * df);
        return df * std::pow(1.0 - a + 3.0902 * std::sqrt(a), 3.0);
    }

private slots:
    void extremesOfTheGeneratorGiveOneAndTheBound_data() {
        QTest::addColumn<DrawRange>("range");
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("shown");
        const float belowOne = std::nextafter(1.0f, 0.0f);
        const std::array bounds{36, 80, 95, 103};
        for (DrawRange range : kDrawRanges) {
            const QByteArray name = ControlName(OptionOf(range)).toLatin1();
            const int bound = bounds[static_cast<int>(range)];
            QTest::addRow("%s r=0", name.data()) << range << 0.0f << 1;
            QTest::addRow("%s r below 1", name.data()) << range << belowOne << bound;
        }
    }
    void extremesOfTheGeneratorGiveOneAndTheBound() {
        QFETCH(DrawRange, range);
        QFETCH(float, r);
        QFETCH(int, shown);
        QuizHarness harness;
        SelectRange(harness, range);
        harness.runtime.randoms = {r};
        harness.quiz.draw.Spin();
        QCOMPARE(ShownNumber(harness), shown);
        QCOMPARE(harness.runtime.randomsTaken, 1);
    }

    void nonMembersAreDrawnAgain_data() {
        QTest::addColumn<DrawRange>("range");
        QTest::addColumn<QList<int>>("draws");
        QTest::newRow("1 to 38: 39 41 46 58 73 75 77, then 78")
            << DrawRange::Range1to38 << QList{39, 41, 46, 58, 73, 75, 77, 78};
        QTest::newRow("1 to 38: 43, then 40") << DrawRange::Range1to38 << QList{43, 40};
        QTest::newRow("1 to 95: 90 91 93 39 58, then 89")
            << DrawRange::Range1to95 << QList{90, 91, 93, 39, 58, 89};
        QTest::newRow("1 to 95: member at once") << DrawRange::Range1to95 << QList{92};
    }
    void nonMembersAreDrawnAgain() {
        QFETCH(DrawRange, range);
        QFETCH(QList<int>, draws);
        QuizHarness harness;
        SelectRange(harness, range);
        const int bound = range == DrawRange::Range1to38 ? 80 : 95;
        for (int n : draws)
            harness.runtime.randoms.push_back(QuizHarness::RandomFor(n, bound));
        harness.quiz.draw.Spin();
        QCOMPARE(ShownNumber(harness), draws.last());
        QCOMPARE(harness.runtime.randomsTaken, draws.size());
        QCOMPARE(harness.runtime.reseeds, 1);
        QCOMPARE(
            harness.quiz.lookup.adoElements().RecordSource(),
            QStringLiteral("select * from elements where atomicnumber = %1").arg(draws.last()));
        QVERIFY(harness.quiz.state.StrNumber().isEmpty());
    }

    void spinEmptiesTheAnswerAndFocusesIt() {
        QuizHarness harness;
        harness.controls.SetText(Box::txtAnswer, QStringLiteral("typed before"));
        harness.controls.ClearFocus();
        harness.quiz.draw.Spin();
        QVERIFY(harness.controls.GetText(Box::txtAnswer).isEmpty());
        QCOMPARE(harness.controls.Focus(), Box::txtAnswer);
        QCOMPARE(harness.runtime.reseeds, 1);
        QVERIFY(!harness.controls.GetText(Box::txtSymbol).isEmpty());
    }

    // 100,000 spins per range with a fixed seed: every member shows up, nothing else does, and
    // the counts pass a chi-square test of uniformity at the 0.001 level.
    void manySpinsCoverEachRangeEvenly_data() {
        QTest::addColumn<DrawRange>("range");
        for (DrawRange range : kDrawRanges)
            QTest::newRow(ControlName(OptionOf(range)).toLatin1()) << range;
    }
    void manySpinsCoverEachRangeEvenly() {
        QFETCH(DrawRange, range);
        constexpr int kSpins = 100'000;
        QuizHarness harness;
        SelectRange(harness, range);
        std::map<int, int> counts;
        for (int i = 0; i < kSpins; ++i) {
            harness.quiz.draw.Spin();
            ++counts[ShownNumber(harness)];
        }

        const QList<int> members = Members(range);
        QList<int> shown;
        for (const auto& [number, count] : counts)
            shown.append(number);
        QCOMPARE(shown, members);

        const double expected = static_cast<double>(kSpins) / members.size();
        double chiSquare = 0;
        for (const auto& [number, count] : counts)
            chiSquare += (count - expected) * (count - expected) / expected;
        QVERIFY2(chiSquare < ChiSquareCritical(members.size()),
                 qPrintable(QStringLiteral("chi-square %1 over %2 members")
                                .arg(chiSquare)
                                .arg(members.size())));
    }
};

QTEST_GUILESS_MAIN(TestElementDraw)
#include "tst_elementdraw.moc"
