#pragma once

#include <QString>

class QWidget;

// What a failure of the start-up or of the login's load does: shows the
// failure, offers the settings window for a first installation, and ends.
void startupFailure(int number, const QString& description, QWidget* parent);
