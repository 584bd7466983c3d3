// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures how fast Valtora answers and starts and how much memory it holds, each figure side by
// side with a baseline taken in the same run. Prints one line per figure.
//
//   valtora_bench [spins]      all figures; spins per timing run, 100000 unless given
//   valtora_bench desks [s]    a whole school on one PostgreSQL server, or two (Desks.h), s seconds
//
// The program's window runs on Qt's offscreen platform. Modes for its own child processes:
// --spin N (time N spins on the data source the environment names), --memory N, --open (time
// opening and checking it), --desks.
#include "Desks.h"
#include "Measure.h"
#include "ScreenWatch.h"
#include "data/ElementDatabase.h"
#include "data/ElementTable.h"
#include "quiz/QuizState.h"
#include "support/ElementCopies.h"
#include "support/OdbcTestConfig.h"
#include "support/QuizHarness.h"
#include "support/ScriptedRuntime.h"
#include "ui/frmElements.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDriver>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sqlite3.h>
#include <vector>

namespace {
QTextStream out(stdout);

QString Micro(double ns) {
    return QString::number(ns / 1000.0, 'f', 1) + QStringLiteral(" us");
}
QString Milli(double ns) {
    return QString::number(ns / 1e6, 'f', 1) + QStringLiteral(" ms");
}
QString MiB(qint64 kib) {
    return QString::number(kib / 1024.0, 'f', 1) + QStringLiteral(" MiB");
}
QString Verdict(bool met) {
    return met ? QStringLiteral("met") : QStringLiteral("NOT MET");
}

// Peak resident memory of this process, KiB.
qint64 PeakResidentKiB(qint64 pid = 0) {
    QFile status(pid ? QStringLiteral("/proc/%1/status").arg(pid)
                     : QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

// The program's window, driven through its own buttons as a user would.
class Window {
public:
    Window() {
        form_.show();
        QCoreApplication::processEvents();
    }
    QPushButton* Button(const char* name) { return form_.findChild<QPushButton*>(name); }
    QString Text(Box box) { return form_.GetText(box); }
    void SetAnswer(const QString& text) {
        form_.findChild<QLineEdit*>(ControlName(Box::txtAnswer))->setText(text);
    }
    // The range of question i of n: each range for a quarter of the questions.
    void SelectRangeFor(int i, int n) {
        const Option range = kRangeOptions[static_cast<size_t>(4 * i / n)];
        QRadioButton* option = form_.findChild<QRadioButton*>(ControlName(range));
        if (!option->isChecked())
            option->click();
    }
    // Spins are timed without painting; the window repaints now and then, as between clicks.
    // A run-time error ends the benchmark: its figures would mean nothing.
    void Idle(int i) {
        if (!runtime_.errors.isEmpty()) {
            std::fprintf(stderr, "run-time error: %s\n", qPrintable(runtime_.errors.first()));
            std::exit(1);
        }
        if (i % 100 == 0)
            QCoreApplication::processEvents();
    }

private:
    OpenedDatabase database_;
    ScriptedRuntime runtime_;
    frmElements form_{database_, runtime_};
};

// Clicks "Spin" n times, each range for a quarter of them.
void Spin(Window& window, int n) {
    QPushButton* spin = window.Button("cmdSpin");
    for (int i = 0; i < n; ++i) {
        window.SelectRangeFor(i, n);
        spin->click();
        window.Idle(i);
    }
}

// One element through SQLite's C API: prepare the query text, step, read the four columns,
// finalize. Returns the bytes read.
int QueryWithSqlite(sqlite3* db, const QByteArray& query) {
    int bytes = 0;
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, query.constData(), int(query.size()), &statement, nullptr);
    if (sqlite3_step(statement) == SQLITE_ROW) {
        for (int column = 0; column < 4; ++column) {
            sqlite3_column_text(statement, column);
            bytes += sqlite3_column_bytes(statement, column);
        }
    }
    sqlite3_finalize(statement);
    return bytes;
}

// Prints "median p99 baselineMedian baselineP99" for n spins and as many SQLite queries, on the
// data source the environment names; the baseline reads `sqliteFile`, or the embedded table.
int SpinMode(int n, const QString& sqliteFile) {
    Window window;
    sqlite3* db = nullptr;
    if (sqliteFile.isEmpty()) {
        // The embedded table is the one connection the program registers.
        const QVariant handle =
            QSqlDatabase::database(QSqlDatabase::connectionNames().constFirst()).driver()->handle();
        db = *static_cast<sqlite3* const*>(handle.constData());
    } else {
        sqlite3_open_v2(QFile::encodeName(sqliteFile).constData(), &db, SQLITE_OPEN_READONLY,
                        nullptr);
    }
    // Each spin is followed by one baseline query, so that both see the same machine.
    Durations spins;
    Durations baseline;
    QPushButton* spin = window.Button("cmdSpin");
    QElapsedTimer timer;
    qint64 bytes = 0;
    for (int i = 0; i < n; ++i) {
        window.SelectRangeFor(i, n);
        timer.start();
        spin->click();
        spins.nanoseconds.push_back(timer.nsecsElapsed());

        const QByteArray query =
            (ElementTable::kQueryPrefix + window.Text(Box::txtAtomicNumber)).toUtf8();
        timer.start();
        bytes += QueryWithSqlite(db, query);
        baseline.nanoseconds.push_back(timer.nsecsElapsed());
        window.Idle(i);
    }
    if (!sqliteFile.isEmpty())
        sqlite3_close(db);
    if (bytes == 0)
        std::fprintf(stderr, "the baseline read nothing\n");
    out << spins.Median() << ' ' << spins.Percentile(0.99) << ' ' << baseline.Median() << ' '
        << baseline.Percentile(0.99) << Qt::endl;
    return 0;
}

// Prints the peak resident KiB after start, after 1,000 spins and after n spins.
int MemoryMode(int n) {
    Window window;
    const qint64 start = PeakResidentKiB();
    Spin(window, 1000);
    const qint64 thousand = PeakResidentKiB();
    Spin(window, n - 1000);
    out << start << ' ' << thousand << ' ' << PeakResidentKiB() << Qt::endl;
    return 0;
}

// Prints the nanoseconds the data source the environment names takes to open and be checked,
// and the peak resident KiB then.
int OpenMode() {
    QElapsedTimer timer;
    timer.start();
    const OpenedDatabase database;
    out << timer.nsecsElapsed() << ' ' << PeakResidentKiB() << Qt::endl;
    return 0;
}

struct Start {
    double nanoseconds = 0;
    qint64 peakKiB = 0;
};

// When a started program counts as on screen, seen from what it prints so far.
using Shown = std::function<bool(const QByteArray& printed)>;

// Starts `program` with `arguments`, looks every millisecond whether it is `shown`, and returns
// how long that took and its peak memory then.
Start StartUntilShown(const QString& program, const QStringList& arguments,
                      QProcessEnvironment environment, const Shown& shown) {
    // What Qt's widget painting log says once a window has been painted and flushed.
    environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                       QStringLiteral("qt.widgets.painting.info=true"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    QByteArray printed;
    Start start;
    for (const QDeadlineTimer deadline(10'000); !deadline.hasExpired();) {
        process.waitForReadyRead(1);
        printed += process.readAll();
        if (shown(printed)) {
            start.nanoseconds = static_cast<double>(timer.nsecsElapsed());
            start.peakKiB = PeakResidentKiB(process.processId());
            break;
        }
    }
    process.kill();
    process.waitForFinished();
    return start;
}

// Starts the program and two baselines 21 times each, turn about, until each is shown as
// `program` and `baseline` say, prints their medians as the figure `name`, and returns the peak
// resident KiB of the program and of the one-label window. The baselines: a Qt window with one
// label, and one with the quiz window's controls and faces but nothing behind them, which is as
// fast as Valtora's window can start; it shows its captions where Valtora does.
std::pair<qint64, qint64> StartLine(const char* name, const QProcessEnvironment& environment,
                                    const Shown& program, const Shown& baseline, double target) {
    const QString minimal = QStringLiteral(VALTORA_MINIMAL_WINDOW);
    Durations programStarts;
    Durations minimalStarts;
    Durations controlsStarts;
    std::pair<qint64, qint64> peaks;
    for (int i = 0; i < 21; ++i) {
        const Start a = StartUntilShown(QStringLiteral(VALTORA_PROGRAM), {}, environment, program);
        const Start b = StartUntilShown(minimal, {}, environment, baseline);
        const Start c = StartUntilShown(minimal, {"controls"}, environment, program);
        programStarts.nanoseconds.push_back(qint64(a.nanoseconds));
        minimalStarts.nanoseconds.push_back(qint64(b.nanoseconds));
        controlsStarts.nanoseconds.push_back(qint64(c.nanoseconds));
        peaks = {std::max(peaks.first, a.peakKiB), std::max(peaks.second, b.peakKiB)};
    }
    const double ratio = programStarts.Median() / minimalStarts.Median();
    const double controlsRatio = programStarts.Median() / controlsStarts.Median();
    constexpr double kControlsTarget = 1.05;
    out << QStringLiteral("%1 median %2 | a Qt window with one label median %3, ratio %4 (target "
                          "<= %5: %6) | the same 25 controls and faces, no logic, median %7, "
                          "ratio %8 (target <= %9: %10)")
               .arg(QLatin1String(name), -8)
               .arg(Milli(programStarts.Median()), Milli(minimalStarts.Median()))
               .arg(ratio, 0, 'f', 2)
               .arg(target)
               .arg(Verdict(ratio <= target), Milli(controlsStarts.Median()))
               .arg(controlsRatio, 0, 'f', 2)
               .arg(kControlsTarget)
               .arg(Verdict(controlsRatio <= kControlsTarget))
        << Qt::endl;
    return peaks;
}

void SpinLine(const char* name, const QList<double>& f, const QString& baselineName,
              double target) {
    const double ratio = f[0] / f[2];
    out << QStringLiteral("%1 median %2, p99 %3 | %4 median %5, p99 %6 | ratio %7")
               .arg(QLatin1String(name), -8)
               .arg(Micro(f[0]), Micro(f[1]), baselineName, Micro(f[2]), Micro(f[3]))
               .arg(ratio, 0, 'f', 2);
    if (target > 0)
        out << QStringLiteral(" (target <= %1: %2)").arg(target).arg(Verdict(ratio <= target));
    out << Qt::endl;
}

// Start-up where odbc.ini defines thousands of other data sources, against one that defines
// none: the data source "Elements" is looked up, not found by listing them all.
void ManySourcesLine(const QProcessEnvironment& none, const Shown& shown) {
    constexpr int kOtherSources = 5'000;
    constexpr double kTarget = 1.1;
    QTemporaryDir folder;
    QFile ini(folder.filePath(QStringLiteral("odbc.ini")));
    QFile drivers(folder.filePath(QStringLiteral("odbcinst.ini")));
    if (!ini.open(QIODevice::WriteOnly) || !drivers.open(QIODevice::WriteOnly))
        return;
    for (int i = 0; i < kOtherSources; ++i) {
        ini.write(QStringLiteral("[Other%1]\nDriver = PostgreSQL Unicode\nServername = 127.0.0.1\n"
                                 "Database = other%1\n")
                      .arg(i)
                      .toUtf8());
    }
    ini.close();
    QProcessEnvironment many = none;
    many.insert(QStringLiteral("ODBCSYSINI"), folder.path());
    many.insert(QStringLiteral("ODBCINI"), ini.fileName());
    Durations manyStarts;
    Durations noneStarts;
    for (int i = 0; i < 21; ++i) {
        const QString program = QStringLiteral(VALTORA_PROGRAM);
        manyStarts.nanoseconds.push_back(
            qint64(StartUntilShown(program, {}, many, shown).nanoseconds));
        noneStarts.nanoseconds.push_back(
            qint64(StartUntilShown(program, {}, none, shown).nanoseconds));
    }
    const double ratio = manyStarts.Median() / noneStarts.Median();
    out << QStringLiteral("%1 median %2 | with no other data source median %3 | ratio %4 (target "
                          "<= %5: %6)")
               .arg(QStringLiteral("%1 sources").arg(kOtherSources), -8)
               .arg(Milli(manyStarts.Median()), Milli(noneStarts.Median()))
               .arg(ratio, 0, 'f', 2)
               .arg(kTarget)
               .arg(Verdict(ratio <= kTarget))
        << Qt::endl;
}

int AllFigures(int n) {
    const OdbcTestConfig embedded;

    out << QStringLiteral("Valtora benchmark: %1 questions per run, Qt offscreen\n").arg(n);
    const QList<double> spin = RunChild(embedded, {"--spin", QString::number(n)}, 4);
    SpinLine("spin", spin, QStringLiteral("SQLite C API"), 4);

    {
        // A right answer checked, then a plain spin, in turns.
        Window window;
        QPushButton* spinButton = window.Button("cmdSpin");
        QPushButton* checkButton = window.Button("cmdCheck");
        spinButton->click();
        Durations checks;
        Durations spins;
        QElapsedTimer timer;
        for (int i = 0; i < n; ++i) {
            window.SelectRangeFor(i, n);
            window.SetAnswer(window.Text(Box::txtSymbol));
            timer.start();
            checkButton->click();
            checks.nanoseconds.push_back(timer.nsecsElapsed());
            timer.start();
            spinButton->click();
            spins.nanoseconds.push_back(timer.nsecsElapsed());
            window.Idle(i);
        }
        SpinLine("check",
                 {checks.Median(), checks.Percentile(0.99), spins.Median(), spins.Percentile(0.99)},
                 QStringLiteral("spin"), 0);
    }

    const Shown flushed = [](const QByteArray& printed) {
        return printed.contains("Flushing top level");
    };
    const auto [programPeak, minimalPeak] =
        StartLine("startup", embedded.Environment(), flushed, flushed, 1.1);
    ManySourcesLine(embedded.Environment(), flushed);
    // On a real X server, as a user sees it: the first frame with the window's text on the
    // screen, read back from outside. Both windows stand at the top left of a white screen.
    QProcess xserver;
    xserver.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-nolisten", "tcp", "-wr"});
    const QByteArray display =
        xserver.waitForReadyRead(30'000) ? ":" + xserver.readLine().trimmed() : QByteArray();
    const ScreenWatch screen(display);
    if (screen.Connected()) {
        QProcessEnvironment onX = embedded.Environment();
        onX.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        onX.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
        // Where each shows a caption: Valtora "Step 1", the baseline its label.
        StartLine(
            "on X11", onX,
            [&](const QByteArray&) {
                // At the window's left, or at its right where it is mirrored.
                return screen.ShowsText({40, 26, 100, 22}) || screen.ShowsText({500, 26, 100, 22});
            },
            [&](const QByteArray&) {
                return screen.ShowsText({0, 228, 100, 28});
            },
            1.05);
    } else {
        out << "on X11   not measured: Xvfb did not start" << Qt::endl;
    }
    xserver.terminate();
    xserver.waitForFinished();

    const QList<double> memory = RunChild(embedded, {"--memory", QString::number(n)}, 3);
    const qint64 growth = qint64(memory[2] - memory[1]);
    const qint64 peak = std::max(qint64(memory[2]), programPeak);
    const bool peakMet = peak <= 1.2 * minimalPeak + 8 * 1024;
    out << QStringLiteral(
               "memory   peak after start %1, after 1,000 spins %2, after %3 spins %4 "
               "(growth %5: %6) | a Qt window with one label %7 | peak %8 <= 1.2 x %7 + 8 MiB: %9")
               .arg(MiB(programPeak), MiB(qint64(memory[1])))
               .arg(n)
               .arg(MiB(qint64(memory[2])), MiB(growth), Verdict(growth < 1024), MiB(minimalPeak),
                    MiB(peak), Verdict(peakMet))
        << Qt::endl;

    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("elements.db"));
    CreateSqliteElementFile(file);
    const OdbcTestConfig odbc(
        {QStringLiteral("Driver = " VALTORA_SQLITE_ODBC_DRIVER), "Database = " + file});
    SpinLine("odbc", RunChild(odbc, {"--spin", QString::number(n), file}, 4),
             QStringLiteral("SQLite C API"), 0);

    // A school's table that holds a million further rows: read, not kept.
    constexpr int kFurtherRows = 1'000'000;
    const QString big = folder.filePath(QStringLiteral("big.db"));
    CreateSqliteElementFile(
        big, {QStringLiteral("with recursive n(x) as (select 1000 union all select x + 1 from n "
                             "where x < %1) insert into elements select x, 'Xx', 'Extra', '1' "
                             "from n")
                  .arg(1000 + kFurtherRows - 1)});
    const OdbcTestConfig bigOdbc(
        {QStringLiteral("Driver = " VALTORA_SQLITE_ODBC_DRIVER), "Database = " + big});
    const QList<double> opened = RunChild(odbc, {"--open"}, 2);
    const QList<double> bigOpened = RunChild(bigOdbc, {"--open"}, 2);
    out << QStringLiteral("big      open and check through ODBC (SQLite): 118 rows %1, peak %2 | "
                          "118 + 1,000,000 rows %3, peak %4 (target: seconds at most, memory "
                          "bounded)")
               .arg(Milli(opened[0]), MiB(qint64(opened[1])), Milli(bigOpened[0]),
                    MiB(qint64(bigOpened[1])))
        << Qt::endl;
    return 0;
}
} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Valtora"));
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() >= 3 && arguments[1] == QLatin1String("--spin"))
        return SpinMode(arguments[2].toInt(), arguments.value(3));
    if (arguments.size() >= 3 && arguments[1] == QLatin1String("--memory"))
        return MemoryMode(arguments[2].toInt());
    if (arguments.value(1) == QLatin1String("--open"))
        return OpenMode();
    if (arguments.size() >= 5 && arguments[1] == QLatin1String("--desks"))
        return RunDesks(arguments[2].toInt(), arguments[3].toInt(), arguments[4].toInt());
    if (arguments.value(1) == QLatin1String("desks"))
        return DesksFigures(arguments.value(2).toInt());
    const int n = arguments.size() >= 2 ? arguments[1].toInt() : 100'000;
    return AllFigures(std::max(n, 2000));
}
