#include "json/json_text_encoding.h"

namespace {

// Characters a reader could not see or could misread: written as \uXXXX.
bool needsUnicodeEscape(char16_t c) {
    return c <= 0x1F || (c >= 0x7F && c <= 0x9F) || c == 0x034F || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || c == 0x2060 || (c >= 0xFE01 && c <= 0xFE0F) ||
           c == 0xFEFF || c == 0xFFFD || (c >= 0xD800 && c <= 0xDFFF);
}

char16_t shortEscape(char16_t c) {
    switch (c) {
    case u'"':
        return u'"';
    case u'\\':
        return u'\\';
    case u'\b':
        return u'b';
    case u'\f':
        return u'f';
    case u'\n':
        return u'n';
    case u'\r':
        return u'r';
    case u'\t':
        return u't';
    default:
        return 0;
    }
}

} // namespace

namespace json {

QString encodeText(QStringView text) {
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    QString out;
    out.reserve(text.size() * 3 / 2 + 2);
    out.append(u'"');
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        if (const char16_t letter = shortEscape(c)) {
            out.append(u'\\');
            out.append(QChar(letter));
        } else if (needsUnicodeEscape(c)) {
            const char16_t escape[] = {
                u'\\',        u'u', kHex[c >> 12], kHex[(c >> 8) & 0xF], kHex[(c >> 4) & 0xF],
                kHex[c & 0xF]};
            out.append(QStringView(escape, 6));
        } else {
            out.append(qc);
        }
    }
    out.append(u'"');
    return out;
}

} // namespace json
