// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Bouncer.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <unistd.h>

Bouncer::Bouncer(int serverPort, int poolSize, int maxClients) {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    port_ = probe.serverPort();
    probe.close();
    // Run as root, PgBouncer runs as the user "postgres", who must read its files.
    QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::ExeOther);
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
              .arg(poolSize)
              .arg(maxClients)
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

Bouncer::~Bouncer() {
    process_.terminate();
    process_.waitForFinished();
}

void Bouncer::Write(const QString& name, const QByteArray& text) {
    QFile file(folder_.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(text);
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
}
