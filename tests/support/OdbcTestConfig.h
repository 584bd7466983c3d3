#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// A private ODBC configuration: a temporary folder holding the system and user odbc.ini, so that
// no test reads or changes the machine's own files. The driver manager reads its configuration
// once per process, so each configuration is given to a child process of its own.
class OdbcTestConfig {
public:
    OdbcTestConfig();

    // Adds a data source section with the given driver library and further "key = value" lines.
    void AddDataSource(const QString& name, const QString& driver, const QStringList& settings);
    QString Path(const QString& fileName) const { return folder_.filePath(fileName); }

    QProcessEnvironment Environment() const;

private:
    QTemporaryDir folder_;
};
