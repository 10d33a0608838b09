#pragma once

#include <QString>
#include <QStringList>

// A report as the forms list it: its column-title line and its lines, the
// dash and total lines included.
struct ReportList {
    QString titleLine;
    QStringList lines;
};
