#pragma once

#include <QString>

// Hands a file to the desktop's mail composer; composing and sending the
// message happen there, outside the program. A missing file opens the
// composer without an attachment.
void sendByMail(const QString& attachment);
