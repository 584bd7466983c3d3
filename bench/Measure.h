// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/OdbcTestConfig.h"

#include <QCoreApplication>
#include <QList>
#include <QProcess>
#include <algorithm>
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

// Runs this program with `arguments` in the ODBC configuration given, and returns the numbers
// it prints.
inline QList<double> RunChild(const OdbcTestConfig& config, const QStringList& arguments) {
    QProcess child;
    child.setProcessEnvironment(config.Environment());
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    QList<double> numbers;
    for (const QByteArray& word : child.readAllStandardOutput().simplified().split(' '))
        numbers.append(word.toDouble());
    return numbers;
}
