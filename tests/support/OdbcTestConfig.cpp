#include "OdbcTestConfig.h"

#include <QFile>
#include <QTextStream>

OdbcTestConfig::OdbcTestConfig() {
    QFile(Path(QStringLiteral("odbc.ini"))).open(QIODevice::WriteOnly);
    QFile(Path(QStringLiteral("odbcinst.ini"))).open(QIODevice::WriteOnly);
}

QProcessEnvironment OdbcTestConfig::Environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ODBCSYSINI"), folder_.path());
    environment.insert(QStringLiteral("ODBCINI"), Path(QStringLiteral("odbc.ini")));
    return environment;
}

void OdbcTestConfig::AddDataSource(const QString& name, const QString& driver,
                                   const QStringList& settings) {
    QFile file(Path(QStringLiteral("odbc.ini")));
    file.open(QIODevice::Append | QIODevice::Text);
    QTextStream out(&file);
    out << '[' << name << "]\nDriver = " << driver << '\n';
    for (const QString& setting : settings)
        out << setting << '\n';
    out << '\n';
}
