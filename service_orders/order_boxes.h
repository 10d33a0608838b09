#pragma once

class QLineEdit;
class QWidget;

// Boxes the order and supplies windows lay out alike.
namespace orderboxes {

// A code box with its name box beside it, the name taking the spare width.
QWidget* codigoENome(QWidget* parent, QLineEdit* codigo, QLineEdit* nome);

} // namespace orderboxes
