#include "platform/text_limits.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QValidator>
#include <memory>

namespace textlimits {

namespace {

// The UTF-16 units and UTF-8 bytes of the character starting at `i`; a lone
// surrogate counts as the replacement character it would be sent as.
std::pair<qsizetype, qsizetype> characterAt(QStringView text, qsizetype i) {
    const char16_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return {2, 4};
    return {1, c < 0x80 ? 1 : c < 0x800 ? 2 : 3};
}

// The box's limit cuts what is put in after as many UTF-16 units as fit,
// which may leave half of a character; that half is taken out again.
class WholeCharacters : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override {
        for (qsizetype i = 0; i < input.size();) {
            const QChar c = input.at(i);
            if (c.isHighSurrogate() && i + 1 < input.size() && input.at(i + 1).isLowSurrogate()) {
                i += 2;
            } else if (c.isSurrogate()) {
                input.remove(i, 1);
                if (pos > i)
                    --pos;
            } else {
                ++i;
            }
        }
        return Acceptable;
    }
};

} // namespace

qsizetype utf8Size(QStringView text) {
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < text.size();) {
        const auto [units, size] = characterAt(text, i);
        i += units;
        bytes += size;
    }
    return bytes;
}

qsizetype utf8Fit(QStringView text, qsizetype maxBytes) {
    qsizetype bytes = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const auto [units, size] = characterAt(text, i);
        if (bytes + size > maxBytes)
            break;
        i += units;
        bytes += size;
    }
    return i;
}

void setMaxLength(QLineEdit* box, int maxLength) {
    box->setMaxLength(maxLength);
    if (dynamic_cast<const WholeCharacters*>(box->validator()) == nullptr)
        box->setValidator(new WholeCharacters(box));
}

void limitBytes(QPlainTextEdit* memo, int maxBytes) {
    // Where the last change put text in ends: what went beyond the limit is
    // taken off from there back.
    auto insertedEnd = std::make_shared<int>(-1);
    QObject::connect(
        memo->document(), &QTextDocument::contentsChange, memo,
        [insertedEnd](int position, int, int added) { *insertedEnd = position + added; });
    QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [memo, maxBytes, insertedEnd] {
        const QString text = memo->toPlainText();
        const qsizetype excess = utf8Size(text) - maxBytes;
        if (excess <= 0)
            return;
        const qsizetype end =
            *insertedEnd >= 0 && *insertedEnd <= text.size() ? *insertedEnd : text.size();
        const QStringView head = QStringView(text).left(end);
        const qsizetype room = utf8Size(head) - excess;
        // The rest alone beyond the limit (never typed): keep the start.
        const qsizetype from = room >= 0 ? utf8Fit(head, room) : utf8Fit(text, maxBytes);
        const qsizetype to = room >= 0 ? end : text.size();
        QTextCursor cut(memo->document());
        cut.setPosition(static_cast<int>(from));
        cut.setPosition(static_cast<int>(to), QTextCursor::KeepAnchor);
        cut.removeSelectedText();
    });
}

} // namespace textlimits
