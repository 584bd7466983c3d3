#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A throwaway PostgreSQL cluster for one test: created in a temporary folder, listening on a
// free loopback port, stopped and removed with the object, pass or fail. Run as root, the
// server runs as the unprivileged user "postgres".
class PostgresServer {
public:
    PostgresServer();
    ~PostgresServer();
    PostgresServer(const PostgresServer&) = delete;
    PostgresServer& operator=(const PostgresServer&) = delete;

    // Empty when the server runs; else why it could not be started.
    const QString& Error() const { return error_; }
    int Port() const { return port_; }

    // Runs psql as the superuser on `database`, stopping at the first error. Returns the error
    // output, empty on success.
    QString Psql(const QString& database, const QStringList& arguments);
    // Starts psql as the superuser on `database`, reading its commands from standard input.
    void StartSession(QProcess& psql, const QString& database);
    void Stop();

    // A free TCP port on the loopback address, at the time of asking.
    static int FreePort();

private:
    QStringList ConnectionArguments(const QString& database) const;
    // Starts a server program, as the user "postgres" when run as root.
    void Start(QProcess& process, const QString& program, const QStringList& arguments);
    bool Run(const QString& program, const QStringList& arguments, QString* output = nullptr);

    QTemporaryDir folder_;
    QString error_;
    int port_ = 0;
    bool running_ = false;
};
