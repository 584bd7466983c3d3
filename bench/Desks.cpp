// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Desks.h"

#include "Measure.h"
#include "platform/RuntimeError.h"
#include "support/ElementCopies.h"
#include "support/QuizHarness.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextStream>
#include <chrono>
#include <cstdio>
#include <latch>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <pwd.h>
#include <random>
#include <thread>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;

// The direct server allows this many connections; PgBouncer keeps at most kPoolSize.
constexpr int kMaxConnections = 400;
constexpr int kDirectDesks = 300;
constexpr int kPooledDesks = 1000;
constexpr int kPoolSize = 20;

// A class logs in over this long.
constexpr std::chrono::seconds kLogin{10};

struct Desk {
    bool started = false;
    Clock::time_point startedAt;
    int errors = 0;
    std::vector<qint64> spins;
    QString refusal;
};

// One desk: starts as the program does, connecting and checking the table, at its moment of the
// class's login; waits until the whole class has started; then spins at its pace for `seconds`,
// drawing numbers of its own. Connections close only when the whole class has stopped.
void RunDesk(Desk& desk, int index, int desks, Clock::time_point begin, int seconds, int paceMs,
             std::latch& classStarted, std::latch& classDone) {
    std::mt19937 random(static_cast<unsigned>(index));
    std::uniform_int_distribution<int> humanPace(2000, 5000);
    std::uniform_real_distribution<float> draw(0.0f, 1.0f);
    std::this_thread::sleep_until(begin + kLogin * index / desks);
    std::optional<QuizHarness> quiz;
    try {
        quiz.emplace();
        desk.started = true;
    } catch (const RuntimeError& error) {
        desk.refusal = error.message();
    }
    desk.startedAt = Clock::now();
    classStarted.arrive_and_wait();
    // The class leaves together too, once every desk has stopped spinning. Desks close their
    // connections one at a time: a thousand closed at once in one process queue in the driver
    // manager for longer than a desk waits for its server, which ends the process as it ends
    // the program; on a desk of its own, each closes at once.
    const auto leave = qScopeGuard([&] {
        classDone.arrive_and_wait();
        static std::mutex closing;
        const std::lock_guard one(closing);
        quiz.reset();
    });
    if (!quiz)
        return;
    quiz->Click(Option::opt1to103);
    const Clock::time_point end = Clock::now() + std::chrono::seconds(seconds);
    for (Clock::time_point last = Clock::now();;) {
        const auto next = last + std::chrono::milliseconds(paceMs > 0 ? paceMs : humanPace(random));
        if (next >= end)
            break;
        std::this_thread::sleep_until(next);
        last = Clock::now();
        quiz->runtime.randoms = {draw(random)};
        QElapsedTimer timer;
        timer.start();
        try {
            quiz->quiz.draw.Spin();
            desk.spins.push_back(timer.nsecsElapsed());
        } catch (const RuntimeError&) {
            ++desk.errors;
        }
    }
}

struct Figure {
    int started = 0;
    int refused = 0;
    int errors = 0;
    double median = 0;
    double p99 = 0;
    // Each server's, in the order of the hosts counted.
    QList<int> peakConnections;
    double classStartedSeconds = 0;
};

// The server connections of the role "quiz" now, as the server at `host` (the default server
// when empty) counts them.
int ServerConnections(const QString& host) {
    QStringList arguments{"-X", "-At",
                          "-d", "postgres",
                          "-c", "select count(*) from pg_stat_activity where usename = 'quiz'"};
    if (!host.isEmpty())
        arguments << "-h" << host;
    QProcess psql;
    psql.start(QStringLiteral("psql"), arguments);
    psql.waitForFinished(10'000);
    return psql.readAllStandardOutput().trimmed().toInt();
}

// Runs `desks` desks, split evenly over the data sources given, a child process each and all at
// once, counting the connections of the servers at `hosts` every two seconds meanwhile.
Figure RunFigure(const QList<QStringList>& dataSources, int desks, int seconds, int paceMs,
                 const QStringList& hosts = {QString()}) {
    // A school's desks are computers of their own, each with a driver manager of its own. In one
    // process unixODBC serialises the calls of every connection, a server's answer included,
    // unless the driver is registered as safe to call from several threads at once (Threading =
    // 0, as psqlODBC is): without it, the figure would measure that one lock, not the server.
    std::vector<std::unique_ptr<OdbcTestConfig>> configs;
    std::vector<std::unique_ptr<QProcess>> children;
    for (qsizetype i = 0; i < dataSources.size(); ++i) {
        const qsizetype share =
            desks * (i + 1) / dataSources.size() - desks * i / dataSources.size();
        configs.push_back(std::make_unique<OdbcTestConfig>(
            dataSources[i],
            QStringList{"[PostgreSQL Unicode]", "Driver = " VALTORA_POSTGRES_ODBC_DRIVER,
                        "Threading = 0"}));
        QProcess& child = *children.emplace_back(std::make_unique<QProcess>());
        child.setProcessEnvironment(configs.back()->Environment());
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(
            QCoreApplication::applicationFilePath(),
            {"--desks", QString::number(share), QString::number(seconds), QString::number(paceMs)});
    }
    Figure figure;
    figure.peakConnections.fill(0, hosts.size());
    Durations spins;
    const QDeadlineTimer deadline(std::chrono::seconds(seconds + 300));
    for (const std::unique_ptr<QProcess>& child : children) {
        while (!child->waitForFinished(2000) && !deadline.hasExpired()) {
            for (qsizetype i = 0; i < hosts.size(); ++i) {
                figure.peakConnections[i] =
                    std::max(figure.peakConnections[i], ServerConnections(hosts[i]));
            }
        }
        // "started refused errors class", then every spin's nanoseconds.
        const QList<QByteArray> numbers = child->readAllStandardOutput().simplified().split(' ');
        // A desk whose call to the server was given up ends its process, as it ends the program.
        if (numbers.size() < 4) {
            std::fprintf(stderr, "the desks ended with status %d\n", child->exitCode());
            continue;
        }
        figure.started += numbers[0].toInt();
        figure.refused += numbers[1].toInt();
        figure.errors += numbers[2].toInt();
        figure.classStartedSeconds = std::max(figure.classStartedSeconds, numbers[3].toDouble());
        for (const QByteArray& spin : numbers.mid(4))
            spins.nanoseconds.push_back(spin.toLongLong());
    }
    figure.median = spins.Median();
    figure.p99 = spins.Percentile(0.99);
    return figure;
}

// The data source a desk names, on the server or on the pooler in front of it. Through a pooler
// that hands each transaction to any server connection, psqlODBC must not keep statements
// prepared on the server: UseServerSidePrepare = 0.
QStringList DataSource(int port, bool pooled) {
    QStringList dataSource = PostgresDataSource(QStringLiteral("elements"), port);
    dataSource.replaceInStrings(QRegularExpression(QStringLiteral("^Driver = .*")),
                                QStringLiteral("Driver = PostgreSQL Unicode"));
    if (pooled)
        dataSource.append(QStringLiteral("UseServerSidePrepare = 0"));
    return dataSource;
}

QString Milli(double ns) {
    return QString::number(ns / 1e6, 'f', 2) + QStringLiteral(" ms");
}

// Prints the figure, and returns its p99.
double Print(const QString& what, int desks, const Figure& figure, double oneDesk,
             const QString& connections) {
    QStringList peaks;
    for (int peak : figure.peakConnections)
        peaks.append(QString::number(peak));
    const bool met = figure.started == desks && figure.errors == 0 && figure.p99 <= 5 * oneDesk;
    QTextStream(stdout) << QStringLiteral("desks    %1: %2 desks, %3 started (all within %4 s), %5 "
                                          "refused, %6 errors; spin median %7, p99 %8 (target: p99 "
                                          "<= 5 x one desk's median %9, no errors: %10); server "
                                          "connections at peak %11 (%12)")
                               .arg(what)
                               .arg(desks)
                               .arg(figure.started)
                               .arg(figure.classStartedSeconds, 0, 'f', 1)
                               .arg(figure.refused)
                               .arg(figure.errors)
                               .arg(Milli(figure.median), Milli(figure.p99), Milli(oneDesk),
                                    met ? QStringLiteral("met") : QStringLiteral("NOT MET"))
                               .arg(peaks.join(QStringLiteral(" + ")), connections)
                        << Qt::endl;
    return figure.p99;
}

// A throwaway PgBouncer on a free loopback port in front of the server, pooling transactions
// into at most kPoolSize server connections; stopped with the object.
class Bouncer {
public:
    explicit Bouncer(int serverPort) {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        port_ = probe.serverPort();
        probe.close();
        // Run as root, PgBouncer runs as the user "postgres", who must read its files.
        QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ExeOwner | QFile::ReadOther |
                                                  QFile::ExeOther);
        Write(QStringLiteral("userlist.txt"), "\"quiz\" \"quiz\"\n");
        Write(QStringLiteral("pgbouncer.ini"),
              QStringLiteral("[databases]\n"
                             "elements = host=127.0.0.1 port=%1 dbname=elements\n"
                             "[pgbouncer]\n"
                             "listen_addr = 127.0.0.1\n"
                             "listen_port = %2\n"
                             "unix_socket_dir =\n"
                             "auth_type = scram-sha-256\n"
                             "auth_file = %3/userlist.txt\n"
                             "pool_mode = transaction\n"
                             "default_pool_size = %4\n"
                             "max_client_conn = %5\n"
                             "ignore_startup_parameters = extra_float_digits\n")
                  .arg(serverPort)
                  .arg(port_)
                  .arg(folder_.path())
                  .arg(kPoolSize)
                  .arg(kPooledDesks + 100)
                  .toUtf8());
        QStringList arguments{folder_.filePath(QStringLiteral("pgbouncer.ini"))};
        if (geteuid() == 0)
            arguments = QStringList{"-u", "postgres"} + arguments;
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
        process_.start(QStringLiteral("pgbouncer"), arguments);
        QTcpSocket socket;
        const QDeadlineTimer deadline(30'000);
        do {
            socket.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port_));
        } while (!socket.waitForConnected(200) && !deadline.hasExpired());
    }
    ~Bouncer() {
        process_.terminate();
        process_.waitForFinished();
    }
    int Port() const { return port_; }

private:
    void Write(const QString& name, const QByteArray& text) {
        QFile file(folder_.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(text);
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    }

    QTemporaryDir folder_;
    QProcess process_;
    int port_ = 0;
};
} // namespace

int RunDesks(int desks, int seconds, int paceMs) {
    std::vector<Desk> results(static_cast<size_t>(desks));
    std::latch classStarted(desks);
    std::latch classDone(desks);
    const Clock::time_point begin = Clock::now();
    std::vector<std::thread> threads;
    for (int i = 0; i < desks; ++i) {
        threads.emplace_back(RunDesk, std::ref(results[i]), i, desks, begin, seconds, paceMs,
                             std::ref(classStarted), std::ref(classDone));
    }
    for (std::thread& thread : threads)
        thread.join();

    int started = 0;
    int errors = 0;
    Clock::time_point lastStarted = begin;
    QString refusal;
    for (const Desk& desk : results) {
        started += desk.started;
        errors += desk.errors;
        lastStarted = std::max(lastStarted, desk.startedAt);
        if (refusal.isEmpty())
            refusal = desk.refusal;
    }
    if (!refusal.isEmpty())
        std::fprintf(stderr, "a desk was refused: %s\n", qPrintable(refusal));
    QTextStream out(stdout);
    out << started << ' ' << desks - started << ' ' << errors << ' '
        << std::chrono::duration<double>(lastStarted - begin).count();
    for (const Desk& desk : results) {
        for (qint64 spin : desk.spins)
            out << ' ' << spin;
    }
    out << Qt::endl;
    return 0;
}

// The server's own answer to the direct figure's load, without Valtora, psqlODBC or the desks'
// threads: as many libpq clients (pgbench, a thread each) looking elements up as often in all.
// Returns the median and p99 of their lookups, in nanoseconds, timed as the desks' spins are:
// only once every client has connected (pgbench connects them all at once, where a class logs in
// over kLogin, so it runs that much longer), and each from the moment pgbench sent it rather
// than from when its thread was due to wake.
std::pair<double, double> ServerAlone(int clients, int seconds) {
    // Desks spin every 2 to 5 seconds: 3.5 on average.
    constexpr double kSpinsPerDeskAndSecond = 1 / 3.5;
    const QTemporaryDir folder;
    QFile script(folder.filePath(QStringLiteral("lookup.sql")));
    if (!script.open(QIODevice::WriteOnly))
        return {};
    script.write("\\set n random(1, 103)\nselect * from elements where atomicnumber = :n;\n");
    script.close();
    QProcess pgbench;
    pgbench.setWorkingDirectory(folder.path());
    pgbench.start(QStringLiteral("pgbench"),
                  {"-n", "-M", "prepared", "-c", QString::number(clients), "-j",
                   QString::number(clients), "-R",
                   QString::number(clients * kSpinsPerDeskAndSecond), "-T",
                   QString::number(seconds + kLogin.count()), "-f", script.fileName(), "--log",
                   "--log-prefix=lookups", "elements"});
    pgbench.waitForFinished(-1);
    // Each log line: client, transaction, latency from the scheduled start, script, the time it
    // ended (seconds and microseconds), and how late it started after its schedule.
    struct Lookup {
        qint64 sentUs;
        qint64 latencyUs;
    };
    std::vector<Lookup> all;
    std::map<QByteArray, qint64> firstSent;
    for (const QString& name : QDir(folder.path()).entryList({"lookups*"})) {
        QFile log(folder.filePath(name));
        log.open(QIODevice::ReadOnly);
        for (const QByteArray& line : log.readAll().split('\n')) {
            const QList<QByteArray> f = line.split(' ');
            if (f.size() < 7)
                continue;
            const qint64 latency = f[2].toLongLong() - f[6].toLongLong();
            const qint64 sent = f[4].toLongLong() * 1'000'000 + f[5].toLongLong() - latency;
            all.push_back({sent, latency});
            if (const auto [at, added] = firstSent.try_emplace(f[0], sent); !added)
                at->second = std::min(at->second, sent);
        }
    }
    // Every client has connected once each has sent its first lookup.
    qint64 allConnected = 0;
    for (const auto& [client, sent] : firstSent)
        allConnected = std::max(allConnected, sent);
    Durations lookups;
    for (const Lookup& lookup : all) {
        if (lookup.sentUs >= allConnected)
            lookups.nanoseconds.push_back(lookup.latencyUs * 1000);
    }
    return {lookups.Median(), lookups.Percentile(0.99)};
}

// A hot standby of the server, on the next loopback address and the same port, as a district's
// second server: copied with pg_basebackup -R, which sets it to follow the server. Stopped and
// removed with the object.
class Standby {
public:
    explicit Standby(int port) {
        // Run as root, the standby runs as the user "postgres", who must own its folder.
        if (const passwd* postgres = geteuid() == 0 ? getpwnam("postgres") : nullptr) {
            if (chown(QFile::encodeName(folder_.path()).constData(), postgres->pw_uid,
                      postgres->pw_gid) != 0)
                std::perror("chown");
        }
        Run(QStringLiteral("pg_basebackup"),
            {"-h", "127.0.0.1", "-D", data_, "-R", "--checkpoint=fast"});
        // The server's configuration lives outside its data folder (Debian's way): its own here.
        Write(QStringLiteral("postgresql.conf"),
              QStringLiteral("port = %1\nlisten_addresses = '127.0.0.2'\n"
                             "unix_socket_directories = ''\nmax_connections = %2\n")
                  .arg(port)
                  .arg(kMaxConnections)
                  .toUtf8());
        Write(QStringLiteral("pg_hba.conf"), "host all all 127.0.0.0/8 scram-sha-256\n");
        Write(QStringLiteral("pg_ident.conf"), "");
        Run(pgCtl_, {"-D", data_, "-l", folder_.filePath(QStringLiteral("log")), "-w", "-t", "60",
                     "start"});
    }
    ~Standby() { Run(pgCtl_, {"-D", data_, "-m", "fast", "stop"}); }

private:
    void Run(const QString& program, const QStringList& arguments) {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        if (geteuid() == 0)
            process.start(QStringLiteral("runuser"),
                          QStringList{"-u", "postgres", "--", program} + arguments);
        else
            process.start(program, arguments);
        process.waitForFinished(120'000);
    }
    void Write(const QString& name, const QByteArray& text) {
        QFile file(QDir(data_).filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(text);
    }

    QTemporaryDir folder_;
    QString data_ = folder_.filePath(QStringLiteral("data"));
    // pg_virtualenv names the server's pg_config, beside pg_ctl.
    QString pgCtl_ =
        QFileInfo(qEnvironmentVariable("PG_CONFIG")).dir().filePath(QStringLiteral("pg_ctl"));
};

int DesksFigures(int seconds) {
    if (seconds <= 0)
        seconds = 60;
    if (qEnvironmentVariableIsEmpty("VALTORA_DESKS_CLUSTER")) {
        QProcess cluster;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("VALTORA_DESKS_CLUSTER"), QStringLiteral("1"));
        cluster.setProcessEnvironment(environment);
        cluster.setProcessChannelMode(QProcess::ForwardedChannels);
        cluster.start(QStringLiteral("pg_virtualenv"),
                      {"-t", "-o", "listen_addresses=localhost", "-o",
                       QStringLiteral("max_connections=%1").arg(kMaxConnections),
                       QCoreApplication::applicationFilePath(), "desks", QString::number(seconds)});
        cluster.waitForFinished(-1);
        return cluster.exitCode();
    }
    RunPsql(QStringLiteral("postgres"), "create role quiz login password 'quiz'");
    CreatePostgresElementDatabase(QStringLiteral("elements"));
    const int serverPort = qEnvironmentVariableIntValue("PGPORT");

    const Figure oneDesk = RunFigure({DataSource(serverPort, false)}, 1, 10, 20);
    QTextStream(stdout) << "desks    one desk, a spin every 20 ms: median " << Milli(oneDesk.median)
                        << ", p99 " << Milli(oneDesk.p99) << Qt::endl;
    const double directP99 =
        Print(QStringLiteral("direct"), kDirectDesks,
              RunFigure({DataSource(serverPort, false)}, kDirectDesks, seconds, 0), oneDesk.median,
              QStringLiteral("max_connections %1").arg(kMaxConnections));
    const auto [median, p99] = ServerAlone(kDirectDesks, seconds);
    const double ratio = directP99 / p99;
    QTextStream(stdout) << "desks    the server alone under the direct figure's load (pgbench, "
                        << kDirectDesks << " libpq clients): median " << Milli(median) << ", p99 "
                        << Milli(p99) << " | the desks' p99 against it: ratio "
                        << QString::number(ratio, 'f', 2)
                        << " (target <= 1.0: " << (ratio <= 1.0 ? "met" : "NOT MET") << ")"
                        << Qt::endl;
    {
        // Half the desks list the primary first, half the standby: libpq takes the first that
        // answers (target_session_attrs=any).
        const Standby standby(serverPort);
        QList<QStringList> spread;
        for (const char* servers : {"127.0.0.1,127.0.0.2", "127.0.0.2,127.0.0.1"}) {
            QStringList dataSource = DataSource(serverPort, false);
            dataSource.replaceInStrings(QRegularExpression(QStringLiteral("^Servername = .*")),
                                        "Servername = " + QLatin1String(servers));
            spread.append(dataSource << QStringLiteral("pqopt = target_session_attrs=any"));
        }
        Print(QStringLiteral("primary and standby"), kDirectDesks,
              RunFigure(spread, kDirectDesks, seconds, 0, {"127.0.0.1", "127.0.0.2"}),
              oneDesk.median,
              QStringLiteral("primary + standby, max_connections %1 each").arg(kMaxConnections));
    }
    const Bouncer bouncer(serverPort);
    Print(QStringLiteral("PgBouncer"), kPooledDesks,
          RunFigure({DataSource(bouncer.Port(), true)}, kPooledDesks, seconds, 0), oneDesk.median,
          QStringLiteral("pool of %1, transaction pooling").arg(kPoolSize));
    return 0;
}
