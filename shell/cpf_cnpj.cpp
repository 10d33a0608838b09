#include "shell/cpf_cnpj.h"

#include "platform/digits.h"
#include "shell/shared_state.h"

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
bool isCapital(QChar c) {
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
}

// The number a text starts with, blanks ignored: what the old Val() gave.
long long leadingNumber(const QString& text) {
    QString s = text;
    s.remove(QLatin1Char(' ')).remove(QLatin1Char('\t'));
    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && (s.at(i) == QLatin1Char('-') || s.at(i) == QLatin1Char('+')))
        negative = s.at(i++) == QLatin1Char('-');
    long long v = 0;
    for (; i < s.size() && isDigit(s.at(i)) && v < 1'000'000'000'000'000LL; ++i)
        v = v * 10 + s.at(i).digitValue();
    return negative ? -v : v;
}

// A CNPJ of the registry's alphanumeric kind (digits being a special case):
// fourteen characters besides separators, twelve digits or capitals and two
// check digits.
bool isAlphanumericCnpj(const QString& text) {
    if (text.size() != 14 && text.size() != 18)
        return false;
    QString bare;
    for (QChar c : text) {
        if (c != QLatin1Char('.') && c != QLatin1Char('/') && c != QLatin1Char('-'))
            bare += c;
    }
    if (bare.size() != 14)
        return false;
    for (int i = 0; i < 12; ++i) {
        if (!isDigit(bare.at(i)) && !isCapital(bare.at(i)))
            return false;
    }
    return isDigit(bare.at(12)) && isDigit(bare.at(13));
}

int checkDigit(long long sum) {
    const long long r = sum % 11;
    return r < 2 ? 0 : static_cast<int>(11 - r);
}

// A character's value in the sums: its digit, for an alphanumeric CNPJ a
// capital's code minus 48, anything else 0.
int valueOf(QChar c, bool letters) {
    if (isDigit(c))
        return c.digitValue();
    if (letters && isCapital(c))
        return c.unicode() - 48;
    return 0;
}

// Whether only digits (and, for an alphanumeric CNPJ, capitals) are left once
// the separators and the blanks around the text are removed: a letter or
// symbol would otherwise count as 0 and pass for a digit.
bool onlyDocumentCharacters(const QString& text, const QString& separators, bool letters) {
    for (QChar c : text.trimmed()) {
        if (!separators.contains(c) && !isDigit(c) && !(letters && isCapital(c)))
            return false;
    }
    return true;
}

// The modulo-11 check of a laid-out text: the characters before the last two,
// separators skipped, weighed by position n (from 1) with `first` and
// `second`; the last two characters must read as the two check digits.
bool checkDigitsMatch(const QString& text, const QString& separators, bool letters,
                      int (*first)(int), int (*second)(int)) {
    long long a = 0, b = 0;
    int n = 0;
    for (qsizetype i = 0; i < text.size() - 2; ++i) {
        const QChar c = text.at(i);
        if (separators.contains(c))
            continue;
        ++n;
        const int v = valueOf(c, letters);
        a += v * first(n);
        b += v * second(n);
    }
    const int d1 = checkDigit(a);
    const int d2 = checkDigit(b + 2 * d1);
    return leadingNumber(text.right(2)) == 10 * d1 + d2;
}

DocumentCheck cpfRoute(const QString& document) {
    QString copy = document;
    if (copy.size() == 11 && isDigits(copy))
        copy = QStringLiteral("%1.%2.%3-%4")
                   .arg(copy.left(3), copy.mid(3, 3), copy.mid(6, 3), copy.mid(9, 2));
    const QString separators = QStringLiteral(".-");
    const bool valid =
        onlyDocumentCharacters(copy, separators, false) &&
        checkDigitsMatch(
            copy, separators, false, [](int n) { return 11 - n; }, [](int n) { return 12 - n; });
    return DocumentCheck{valid, valid ? copy : QString(), document};
}

DocumentCheck cnpjRoute(const QString& document) {
    const bool letters = isAlphanumericCnpj(document);
    QString doc = document;
    if (doc.size() == 14 && (isDigits(doc) || letters))
        doc = QStringLiteral("%1.%2.%3/%4-%5")
                  .arg(doc.left(2), doc.mid(2, 3), doc.mid(5, 3), doc.mid(8, 4), doc.mid(12, 2));
    const QString separators = QStringLiteral("./-");
    const bool valid = onlyDocumentCharacters(doc, separators, letters) &&
                       checkDigitsMatch(
                           doc, separators, letters, [](int n) { return n < 5 ? 6 - n : 14 - n; },
                           [](int n) { return n < 6 ? 7 - n : 15 - n; });
    return DocumentCheck{valid, valid ? doc : QString(), doc};
}

} // namespace

DocumentCheck checkCpfCnpj(const QString& document) {
    const qsizetype length = document.size();
    const bool startsWithDigit = length > 0 && isDigit(document.at(0));
    if ((!startsWithDigit && !isAlphanumericCnpj(document)) || length < 11 || length > 18)
        return DocumentCheck{false, QString(), document};
    if (length == 11 || (length == 14 && document.at(3) == QLatin1Char('.')))
        return cpfRoute(document);
    if (length == 18 && document.mid(15, 3) == QLatin1String("CPF"))
        return DocumentCheck{true, document, document};
    return cnpjRoute(document);
}

void ValidaCpfCnpj(QString& documento) {
    const DocumentCheck check = checkCpfCnpj(documento);
    documento = check.document;
    shared::gResultado = check.valid;
    shared::gDocFormatado = check.formatted;
}
