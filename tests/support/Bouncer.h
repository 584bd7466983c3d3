// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QTemporaryDir>

// A throwaway PgBouncer on a free loopback port in front of a PostgreSQL server on the loopback
// port given, as the README sets it up: the database "elements", the role "quiz" with the
// password "quiz", transaction pooling into at most `poolSize` server connections. Stopped with
// the object.
class Bouncer {
public:
    Bouncer(int serverPort, int poolSize, int maxClients);
    ~Bouncer();
    int Port() const { return port_; }

private:
    void Write(const QString& name, const QByteArray& text);

    QTemporaryDir folder_;
    QProcess process_;
    int port_ = 0;
};
