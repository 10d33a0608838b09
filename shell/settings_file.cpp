#include "shell/settings_file.h"

#include "platform/cp1252.h"
#include "platform/program_folder.h"
#include "shell/scramble.h"
#include "shell/shared_state.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <unistd.h>

namespace settings {

namespace {

const QString kFileName = QStringLiteral("Quendaro.ini");
const QString kSection = QStringLiteral("CONFIG");

// A value the connection-string syntax would split goes in braces.
QString connectionValue(const QString& value) {
    if (value.contains(QLatin1Char(';')) || value.contains(QLatin1Char('{')) ||
        value.contains(QLatin1Char('}'))) {
        QString braced = value;
        braced.replace(QLatin1Char('}'), QStringLiteral("}}"));
        return QLatin1Char('{') + braced + QLatin1Char('}');
    }
    return value;
}

// CR LF, LF or CR alone.
const QRegularExpression kLineEnd(QStringLiteral("\r\n|\r|\n"));

// The file's text: Windows-1252, or what its byte-order mark names (some
// editors save UTF-8 or UTF-16 with one).
QString fileText(QByteArray bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return cp1252::decode(bytes.remove(0, 3));
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE).decode(bytes.sliced(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16BE).decode(bytes.sliced(2));
    return cp1252::decode(bytes);
}

// The replacement of a file given to a group (the shop's users) goes to that
// group too, where the writer is one of its members.
void keepGroup(int handle, const QFileInfo& existing) {
    if (fchown(handle, static_cast<uid_t>(-1), existing.groupId()) != 0)
        return; // not a member: the file is the writer's group's
}

} // namespace

QString filePath() {
    return programfolder::file(kFileName);
}

bool fileExists() {
    return QFileInfo(filePath()).isFile();
}

QString LeINI(const QString& section, const QString& key, const QString& defaultValue,
              const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return defaultValue;
    bool inSection = false;
    for (QString line : fileText(f.readAll()).split(kLineEnd)) {
        line = line.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            const QString name = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        if (line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) != 0)
            continue;
        QString value = line.mid(equals + 1).trimmed();
        if (value.size() >= 2 &&
            ((value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"'))) ||
             (value.startsWith(QLatin1Char('\'')) && value.endsWith(QLatin1Char('\'')))))
            value = value.mid(1, value.size() - 2);
        return value;
    }
    return defaultValue;
}

Values read() {
    Values v;
    if (!fileExists())
        return v;
    const QString file = filePath();
    auto key = [&](const char* name) {
        return scramble::DescriptografaTexto(
            LeINI(kSection, QString::fromLatin1(name), kMissingKey, file));
    };
    v.server = key("conexao");
    v.password = key("senha");
    v.database = key("banco");
    v.user = key("userbco");
    return v;
}

std::optional<dlg::Message> unsupportedValue(const Values& values) {
    const std::pair<const QString*, const char*> boxes[] = {{&values.database, "BANCO"},
                                                            {&values.user, "USUÁRIO"},
                                                            {&values.password, "SENHA"},
                                                            {&values.server, "SERVIDOR"}};
    for (const auto& [value, name] : boxes) {
        if (!cp1252::holds(value->trimmed()))
            return dlg::alerta(QStringLiteral("--- ERRO --- %1 CONTÉM CARACTERES NÃO SUPORTADOS!")
                                   .arg(QString::fromUtf8(name)));
    }
    return std::nullopt;
}

QString write(const Values& values) {
    const QByteArray crlf = QByteArrayLiteral("\r\n");
    QByteArray content = QByteArrayLiteral("[CONFIG]") + crlf;
    auto line = [&](const char* key, const QString& value) {
        content +=
            QByteArray(key) + '=' + scramble::CriptografaTexto(value.trimmed()).toLatin1() + crlf;
    };
    line("conexao", values.server);
    line("senha", values.password);
    line("banco", values.database);
    line("userbco", values.user);

    const QFileInfo existing(filePath());
    QSaveFile file(existing.filePath());
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // It holds the database password: a new file is its owner's alone, before
    // anything is written; one that exists keeps its permissions (copied by
    // QSaveFile) and the group they are meant for.
    if (!existing.exists())
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    else
        keepGroup(file.handle(), existing);
    file.write(content);
    if (!file.commit())
        return file.errorString();
    return QString();
}

QString connectionString(const Values& values) {
    return QStringLiteral("Driver={MySQL ODBC 8.0 ANSI Driver};Server=") +
           connectionValue(values.server) + QStringLiteral(";Database=") +
           connectionValue(values.database) + QStringLiteral(";User=") +
           connectionValue(values.user) + QStringLiteral(";Password=") +
           connectionValue(values.password) + QStringLiteral(";Option=3;");
}

void MontaConexao() {
    shared::gConexao = connectionString(read());
}

} // namespace settings
