// Writes the settings file of a program folder, scrambled exactly as the
// program reads it. Used by the installation script.
#include "shell/settings_file.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 6) {
        err << "uso: quendaro-ini <pasta> <servidor> <banco> <usuário> <senha>\n";
        return 2;
    }
    qputenv("QUENDARO_DIR", args.at(1).toLocal8Bit());
    const QString error =
        settings::write(settings::Values{args.at(2), args.at(5), args.at(3), args.at(4)});
    if (!error.isEmpty()) {
        err << "não foi possível gravar " << settings::filePath() << ": " << error << "\n";
        return 1;
    }
    return 0;
}
