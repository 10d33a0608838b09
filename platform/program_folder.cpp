#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace programfolder {

QString path() {
    const QString fromEnv = qEnvironmentVariable("QUENDARO_DIR");
    if (!fromEnv.isEmpty())
        return QDir::cleanPath(fromEnv);
    return QCoreApplication::applicationDirPath();
}

QString resolveIn(const QString& folder, const QString& relative) {
    const QStringList parts = QString(relative)
                                  .replace(QLatin1Char('\\'), QLatin1Char('/'))
                                  .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = folder;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        QString found;
        const QDir dir(current);
        if (dir.exists(part)) {
            found = part;
        } else {
            const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden |
                                                      QDir::System | QDir::NoDotAndDotDot);
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    found = entry;
                    break;
                }
            }
        }
        if (found.isEmpty()) {
            QStringList rest = parts.mid(i);
            return QDir(current).filePath(rest.join(QLatin1Char('/')));
        }
        current = dir.filePath(found);
    }
    return current;
}

QString file(const QString& relative) {
    return resolveIn(path(), relative);
}

bool exists(const QString& relative) {
    return QFileInfo::exists(file(relative));
}

} // namespace programfolder
