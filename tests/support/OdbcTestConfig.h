#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// A private ODBC configuration: a temporary folder holding the system and user odbc.ini, so that
// no test reads or changes the machine's own files. The driver manager reads its configuration
// once per process: apply it before the process's first ODBC call, or give it to a child.
class OdbcTestConfig {
public:
    OdbcTestConfig();

    // Adds a data source section with the given driver library and further "key = value" lines.
    void AddDataSource(const QString& name, const QString& driver, const QStringList& settings);
    QString Path(const QString& fileName) const { return folder_.filePath(fileName); }

    void ApplyToThisProcess() const;
    QProcessEnvironment Environment() const;

private:
    QTemporaryDir folder_;
};
