#pragma once

#include <QString>

class QWidget;

// Where the update program is fetched from: QUENDARO_UPDATE_URL when set,
// else the maker's site.
QString updateAddress();

// The main window's "Atualizar": asks, and on Yes runs BaixaAtualizacao.
void mnu_update_Click(QWidget* mainWindow);

// Downloads `upbrivon.exe` into the program folder, starts it and ends the
// program; when the download fails it says why and returns.
void BaixaAtualizacao(QWidget* mainWindow);
