#include "platform/files.h"

#include <QFile>
#include <QFileInfo>

namespace files {

bool removeForced(const QString& path, QString* error) {
    if (!QFileInfo::exists(path))
        return true;
    QFile file(path);
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
    if (file.remove())
        return true;
    if (error != nullptr)
        *error = file.errorString();
    return false;
}

} // namespace files
