#pragma once

#include <QString>

// The metric files the writer measures text with live in "fonts" under the
// program folder. The system's fonts package provides metric-compatible files
// under other names; this copies them under the standard names.
namespace fontfolder {

// Where the system's metric files are installed.
QString systemMetricsFolder();
// Creates "fonts" under the program folder when missing and, when it holds no
// ".afm" file, copies the system's metric files into it under the standard
// font names. Returns the folder. Throws PDFError (MissingMetrics) when a
// system file is missing or cannot be copied.
QString ensureFontFolder();

} // namespace fontfolder
