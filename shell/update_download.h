#pragma once

#include <QString>

class QWidget;

// Where the update program is fetched from: QUENDARO_UPDATE_URL when set,
// else the maker's site.
QString updateAddress();

// Where the update program is saved: `upbrivon.exe` in the program folder.
QString updateProgramFile();

// The main window's "Atualizar": asks, and on Yes runs BaixaAtualizacao.
void mnu_update_Click(QWidget* mainWindow);

// Downloads the update program to updateProgramFile(), starts it and ends the
// program; when the download fails it says why and returns.
void BaixaAtualizacao(QWidget* mainWindow);
