// Writes the settings file of a program folder, scrambled exactly as the
// program reads it. Used by the installation script. The password comes
// from standard input when it is not given, so that it shows on no command
// line.
#include "shell/settings_file.h"

#include <QCoreApplication>
#include <QTextStream>
#include <iostream>
#include <optional>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

// One line of standard input without its line end; typed without echo at a
// terminal. None when the input ends first.
std::optional<QString> passwordFromInput() {
    const bool terminal = isatty(STDIN_FILENO) != 0;
    termios shown{};
    if (terminal && tcgetattr(STDIN_FILENO, &shown) == 0) {
        std::cerr << "Senha do banco: " << std::flush;
        termios hidden = shown;
        hidden.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden);
    }
    std::string line;
    const bool read = static_cast<bool>(std::getline(std::cin, line));
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &shown);
        std::cerr << std::endl;
    }
    if (!read)
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromLocal8Bit(line);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 5 && args.size() != 6) {
        err << "uso: quendaro-ini <pasta> <servidor> <banco> <usuário> [<senha>]\n"
               "     sem <senha>, ela é lida da entrada padrão\n";
        return 2;
    }
    const std::optional<QString> password =
        args.size() == 6 ? std::optional<QString>(args.at(5)) : passwordFromInput();
    if (!password) {
        err << "a senha não veio na entrada padrão; nada foi gravado\n";
        return 2;
    }
    qputenv("QUENDARO_DIR", args.at(1).toLocal8Bit());
    const QString error =
        settings::write(settings::Values{args.at(2), *password, args.at(3), args.at(4)});
    if (!error.isEmpty()) {
        err << "não foi possível gravar " << settings::filePath() << ": " << error << "\n";
        return 1;
    }
    return 0;
}
