#pragma once

#include "platform/db/connection.h"

#include <QStringList>
#include <functional>

// What the server saw of the program: the connections opened and the
// SELECTs run, read on an administrator's connection of its own.
class ServerWatch {
public:
    explicit ServerWatch(const QString& connectionString);

    // Connections the server has accepted since it started.
    qint64 connections();
    // The SELECTs other connections ran while `work` ran, with their values
    // in place, as the server's general log holds them.
    QStringList selectsDuring(const std::function<void()>& work);

private:
    db::Connection admin_;
};
