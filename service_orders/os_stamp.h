#pragma once

#include <QDateTime>
#include <QString>

// The stamp of the service-order tables: the date and time first
// (dd/mm/yyyy hh:mm:ss), a blank, then the user.
QString osStamp(const QDateTime& moment, const QString& usuario);
// The same, by the logged-in user.
QString osStamp(const QDateTime& moment = QDateTime::currentDateTime());
