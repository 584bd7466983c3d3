#pragma once

#include <QString>
#include <QTemporaryDir>

// A private ODBC configuration for one test process: points the driver manager's system and
// user odbc.ini at a temporary folder, so no test reads or changes the machine's own files.
// Create it before the first ODBC call of the process.
class OdbcTestConfig {
public:
    OdbcTestConfig();

    // Adds a data source section with the given driver library and further "key=value" lines.
    void AddDataSource(const QString& name, const QString& driver, const QStringList& settings);
    QString Path(const QString& fileName) const { return folder_.filePath(fileName); }

private:
    QTemporaryDir folder_;
};
