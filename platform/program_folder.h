#pragma once

#include <QString>

// The folder the program keeps its files in: QUENDARO_DIR when set, else the
// executable's folder. Lookups ignore letter case, as users expect of names
// like "Quendaro.ini" and "quendaro.ini".
namespace programfolder {

QString path();
// The existing entry under `folder` whose relative path matches `relative`
// ignoring letter case (each component in turn); when none exists, the path as
// given, so it can be created.
QString resolveIn(const QString& folder, const QString& relative);
// resolveIn(path(), relative).
QString file(const QString& relative);
bool exists(const QString& relative);

} // namespace programfolder
