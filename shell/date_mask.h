#pragma once

class QLineEdit;

// Makes a box a dd/mm/yyyy date box: its typed characters go through
// MascaraData; ten characters at most.
void installDateMask(QLineEdit* box);
