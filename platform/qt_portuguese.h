#pragma once

// Qt's own texts (file dialogs, standard buttons, edit menus) in Brazilian
// Portuguese, from the translation Qt installs beside itself. False when it
// is not installed: those texts then stay in English.
bool loadQtPortuguese();
