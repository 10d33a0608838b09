#pragma once

#include <QString>

class QWidget;

// What the print commands of the order windows share: the window is busy
// while the document is written, a failure is reported, and the file just
// written (named by gArquivoPDF) is opened in the viewer; a document that was
// not written opens nothing, not even an earlier file.
void imprimeOS(QWidget* window, bool (*documento)(const QString& osnr), const QString& osnr);
