#pragma once

// Qt's own texts (file dialogs, standard buttons, edit menus) in Brazilian
// Portuguese, from the translation Qt installs beside itself, and pt_BR as
// the default locale whatever the system's, so the dates and sizes Qt's
// widgets show read as the users write them. The program's own numbers and
// dates have formats of their own and do not change. False when the
// translation is not installed: those texts then stay in English.
bool loadQtPortuguese();
