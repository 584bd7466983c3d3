#include "PostgresServer.h"

#include <QDir>
#include <QProcess>
#include <QTcpServer>
#include <pwd.h>
#include <unistd.h>

namespace {
const QString kBinaries = QStringLiteral(VALTORA_POSTGRES_BINDIR);
}

PostgresServer::PostgresServer() {
    if (kBinaries.isEmpty() || !QDir(kBinaries).exists(QStringLiteral("pg_ctl"))) {
        error_ = QStringLiteral("PostgreSQL's server programs are not installed (Debian package "
                                "postgresql)");
        return;
    }
    if (geteuid() == 0) {
        // initdb refuses to run as root.
        const passwd* user = getpwnam("postgres");
        if (!user ||
            chown(QFile::encodeName(folder_.path()).constData(), user->pw_uid, user->pw_gid) != 0) {
            error_ = QStringLiteral("running as root, but there is no user \"postgres\"");
            return;
        }
    }
    port_ = FreePort();
    const QString data = folder_.filePath(QStringLiteral("data"));
    if (!Run(QStringLiteral("initdb"),
             {QStringLiteral("--pgdata=") + data, QStringLiteral("--username=postgres"),
              QStringLiteral("--auth=trust"), QStringLiteral("--no-sync"),
              QStringLiteral("--encoding=UTF8"), QStringLiteral("--locale=C")}))
        return;
    const QString options = QStringLiteral("-p %1 -k %2 -c listen_addresses=127.0.0.1 -c fsync=off")
                                .arg(port_)
                                .arg(folder_.path());
    if (!Run(QStringLiteral("pg_ctl"),
             {QStringLiteral("--pgdata=") + data, QStringLiteral("--options=") + options,
              QStringLiteral("--log=") + folder_.filePath(QStringLiteral("server.log")),
              QStringLiteral("--wait"), QStringLiteral("start")}))
        return;
    running_ = true;
}

PostgresServer::~PostgresServer() {
    Stop();
}

void PostgresServer::Stop() {
    if (!running_)
        return;
    running_ = false;
    Run(QStringLiteral("pg_ctl"),
        {QStringLiteral("--pgdata=") + folder_.filePath(QStringLiteral("data")),
         QStringLiteral("--mode=immediate"), QStringLiteral("--wait"), QStringLiteral("stop")});
}

QStringList PostgresServer::ConnectionArguments(const QString& database) const {
    return {QStringLiteral("--host=127.0.0.1"),      QStringLiteral("--port=%1").arg(port_),
            QStringLiteral("--username=postgres"),   QStringLiteral("--dbname=") + database,
            QStringLiteral("--set=ON_ERROR_STOP=1"), QStringLiteral("--quiet")};
}

QString PostgresServer::Psql(const QString& database, const QStringList& arguments) {
    QString output;
    return Run(QStringLiteral("psql"), ConnectionArguments(database) + arguments, &output)
               ? QString()
               : output;
}

void PostgresServer::StartSession(QProcess& psql, const QString& database) {
    Start(psql, QStringLiteral("psql"), ConnectionArguments(database));
}

int PostgresServer::FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

void PostgresServer::Start(QProcess& process, const QString& program,
                           const QStringList& arguments) {
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(folder_.path());
    const QString path = QDir(kBinaries).filePath(program);
    if (geteuid() == 0) {
        process.start(QStringLiteral("runuser"),
                      QStringList{QStringLiteral("-u"), QStringLiteral("postgres"),
                                  QStringLiteral("--"), path} +
                          arguments);
    } else {
        process.start(path, arguments);
    }
}

bool PostgresServer::Run(const QString& program, const QStringList& arguments, QString* output) {
    QProcess process;
    Start(process, program, arguments);
    const bool finished = process.waitForFinished(120'000);
    const QString printed = QString::fromLocal8Bit(process.readAll());
    if (output)
        *output = printed;
    if (finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    if (error_.isEmpty() && !output)
        error_ = QStringLiteral("%1 failed: %2").arg(program, printed);
    return false;
}
