#pragma once

#include <QDateTime>
#include <QString>

// The registers' audit stamp: the user, a blank, and the moment as
// dd/mm/yyyy hh:mm:ss.
QString auditStamp(const QString& usuario, const QDateTime& moment);
// The stamp of the logged-in user at the present moment. Each call reads
// the clock anew.
QString auditStamp();
