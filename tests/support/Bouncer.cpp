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
    QFile config(QStringLiteral(VALTORA_TEST_DATA "/pgbouncer.ini"));
    config.open(QIODevice::ReadOnly);
    const QString path = folder_.path();
    Write(QStringLiteral("userlist.txt"), "\"quiz\" \"quiz\"\n");
    Write(QStringLiteral("pgbouncer.ini"), QString::fromUtf8(config.readAll())
                                               .arg(serverPort)
                                               .arg(port_)
                                               .arg(path)
                                               .arg(poolSize)
                                               .arg(maxClients)
                                               .toUtf8());
    // Run as root, PgBouncer runs as the user "postgres", who must read its files.
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                    QFile::ReadOther | QFile::ExeOther);
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    process_.start(QStringLiteral("pgbouncer"),
                   (geteuid() == 0 ? QStringList{"-u", "postgres"} : QStringList{}) +
                       QStringList{folder_.filePath(QStringLiteral("pgbouncer.ini"))});
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
