// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/OdbcTestConfig.h"

#include <QCoreApplication>
#include <QList>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

// What the benchmark's figures share: timings and their percentiles, and runs of this program
// in a child mode.

struct Durations {
    std::vector<qint64> nanoseconds;

    double Percentile(double p) {
        if (nanoseconds.empty())
            return 0;
        auto at = nanoseconds.begin() + static_cast<qsizetype>(p * (nanoseconds.size() - 1));
        std::nth_element(nanoseconds.begin(), at, nanoseconds.end());
        return static_cast<double>(*at);
    }
    double Median() { return Percentile(0.5); }
};

// Runs this program with `arguments` in the ODBC configuration given, and returns the `count`
// numbers it prints. A child that prints fewer (it failed, or printed something else) ends the
// benchmark with what it printed: figures read past its output would mean nothing.
inline QList<double> RunChild(const OdbcTestConfig& config, const QStringList& arguments,
                              qsizetype count) {
    QProcess child;
    child.setProcessEnvironment(config.Environment());
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    const QByteArray printed = child.readAllStandardOutput();
    QList<double> numbers;
    bool allNumbers = true;
    for (const QByteArray& word : printed.simplified().split(' ')) {
        bool isNumber = false;
        numbers.append(word.toDouble(&isNumber));
        allNumbers = allNumbers && isNumber;
    }
    if (numbers.size() < count || !allNumbers) {
        std::fprintf(stderr, "valtora_bench %s: printed \"%s\", not %lld numbers\n",
                     qPrintable(arguments.join(u' ')), printed.constData(),
                     static_cast<long long>(count));
        std::exit(1);
    }
    return numbers;
}
