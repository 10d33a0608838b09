#include "platform/db/exact_amounts.h"

#include "platform/db/db_error.h"

#include <algorithm>
#include <vector>

namespace db {

namespace {

// Decimal is an int64 of ten-thousandths: nineteen digits, four of them places.
static_assert(Decimal::kPlaces == 4);
constexpr QLatin1String kExact("cast(? as decimal(19, 4))");

// Where the text quoted from `open` on ends: past its closing quote, a
// doubled quote standing for itself; in texts a backslash escapes what
// follows, in quoted names it is a plain character.
qsizetype pastQuoted(QStringView sql, qsizetype open) {
    const QChar quote = sql[open];
    const bool escapes = quote != QLatin1Char('`');
    for (qsizetype i = open + 1; i < sql.size(); ++i) {
        if (escapes && sql[i] == QLatin1Char('\\')) {
            ++i;
        } else if (sql[i] == quote) {
            if (i + 1 < sql.size() && sql[i + 1] == quote)
                ++i;
            else
                return i + 1;
        }
    }
    return sql.size();
}

qsizetype pastLine(QStringView sql, qsizetype from) {
    const qsizetype end = sql.indexOf(QLatin1Char('\n'), from);
    return end < 0 ? sql.size() : end + 1;
}

// "--" opens a comment only when a space or a control character follows it.
bool opensDashComment(QStringView sql, qsizetype i) {
    const QStringView rest = sql.sliced(i);
    return rest.startsWith(QLatin1String("--")) && (rest.size() == 2 || rest[2].unicode() <= ' ');
}

// The server reads what follows "/*!" or "/*M!" as statement text, up to
// the comment's closing "*/".
bool opensExecutableComment(QStringView rest) {
    return rest.startsWith(QLatin1String("/*!")) || rest.startsWith(QLatin1String("/*M!"));
}

// Past a "/* */" comment at `i`, or past its opening when it is executable
// (`executable` is then set); past a lone "/" otherwise.
qsizetype pastComment(QStringView sql, qsizetype i, bool& executable) {
    const QStringView rest = sql.sliced(i);
    if (!rest.startsWith(QLatin1String("/*")))
        return i + 1;
    if (opensExecutableComment(rest)) {
        executable = true;
        return i + 2;
    }
    const qsizetype end = sql.indexOf(QLatin1String("*/"), i + 2);
    return end < 0 ? sql.size() : end + 2;
}

std::vector<qsizetype> placeholders(QStringView sql) {
    std::vector<qsizetype> found;
    // Inside an executable comment, whose "*/" must not open a comment of
    // its own with the "/" ("*/*?").
    bool executable = false;
    qsizetype i = 0;
    while (i < sql.size()) {
        if (executable && sql.sliced(i).startsWith(QLatin1String("*/"))) {
            executable = false;
            i += 2;
            continue;
        }
        switch (sql[i].unicode()) {
        case '\'':
        case '"':
        case '`':
            i = pastQuoted(sql, i);
            break;
        case '#':
            i = pastLine(sql, i);
            break;
        case '-':
            i = opensDashComment(sql, i) ? pastLine(sql, i) : i + 1;
            break;
        case '/':
            i = pastComment(sql, i, executable);
            break;
        case '?':
            found.push_back(i);
            ++i;
            break;
        default:
            ++i;
        }
    }
    return found;
}

} // namespace

QString withExactAmounts(const QString& sql, const Params& params) {
    const auto isAmount = [](const Value& v) { return std::holds_alternative<Decimal>(v); };
    if (std::none_of(params.begin(), params.end(), isAmount))
        return sql;
    const std::vector<qsizetype> at = placeholders(sql);
    if (at.size() != params.size())
        throw DbError(0, QStringLiteral("07002"),
                      QStringLiteral("O comando tem %1 parâmetros e recebeu %2.")
                          .arg(at.size())
                          .arg(params.size()));
    QString out;
    out.reserve(sql.size() + kExact.size() * static_cast<qsizetype>(at.size()));
    qsizetype copied = 0;
    for (std::size_t k = 0; k < at.size(); ++k) {
        if (!isAmount(params[k]))
            continue;
        out += QStringView(sql).mid(copied, at[k] - copied);
        out += kExact;
        copied = at[k] + 1;
    }
    out += QStringView(sql).mid(copied);
    return out;
}

} // namespace db
