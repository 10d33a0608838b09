#include "shell/background_picture.h"

#include "platform/files.h"
#include "platform/program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace background {

QString file() {
    return programfolder::file(QStringLiteral("planofundo.jpg"));
}

QStringList pictures(const QString& folder) {
    QStringList out;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& entry : entries) {
        if (entry.suffix().compare(QLatin1String("jpg"), Qt::CaseInsensitive) == 0)
            out << entry.fileName();
    }
    return out;
}

CopyResult copy(const QString& source, QString* error) {
    const QString target = file();
    const QFileInfo from(source);
    if (from.exists() && from.canonicalFilePath() == QFileInfo(target).canonicalFilePath())
        return CopyResult::SameFile;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = in.errorString();
        return CopyResult::Failed;
    }
    QSaveFile out(target);
    // Writing over a read-only background is still a replacement.
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    if (!out.open(QIODevice::WriteOnly) || out.write(in.readAll()) < 0 || !out.commit()) {
        *error = out.errorString();
        return CopyResult::Failed;
    }
    return CopyResult::Copied;
}

bool remove(QString* error) {
    return files::removeForced(file(), error);
}

} // namespace background
