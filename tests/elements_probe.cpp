// Opens the element database as the program does, in a process of its own (the ODBC driver
// manager reads its configuration once per process), and looks up the atomic numbers given as
// arguments, printing each record as one tab-separated line. The argument "wait" waits for a
// line on standard input. A run-time error is printed as "error: <message>" and ends the probe
// with the program's exit status for run-time errors.
#include "platform/ErrorReporting.h"
#include "support/QuizHarness.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    ScriptedRuntime runtime;
    RunReportingErrors(runtime, [&] {
        QuizHarness harness;
        for (const QString& argument : QCoreApplication::arguments().mid(1)) {
            if (argument == QLatin1String("wait")) {
                out << "waiting" << Qt::endl;
                QTextStream(stdin).readLine();
                continue;
            }
            harness.quiz.state.SetStrNumber(argument);
            harness.quiz.lookup.GetRecord();
            QStringList record;
            for (Box box : kRecordBoxes)
                record.append(harness.controls.GetText(box));
            out << record.join(u'\t') << Qt::endl;
        }
    });
    for (const QString& error : runtime.errors)
        out << "error: " << error << Qt::endl;
    return runtime.exitStatus.value_or(0);
}
