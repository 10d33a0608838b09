#include "reports/text_lines.h"

#include <QIODevice>

namespace {

constexpr qint64 kPiece = 64 * 1024;

} // namespace

void LineReader::readMore() {
    buffer_.remove(0, start_);
    scan_ -= start_;
    start_ = 0;
    const qsizetype kept = buffer_.size();
    buffer_.resize(kept + kPiece);
    const qint64 read = device_.read(buffer_.data() + kept, kPiece);
    buffer_.resize(kept + std::max<qint64>(read, 0));
    if (read <= 0) {
        atEnd_ = true;
        failed_ = read < 0;
    }
}

bool LineReader::next(QByteArray& line) {
    for (;;) {
        qsizetype end = scan_;
        while (end < buffer_.size() && buffer_.at(end) != '\r' && buffer_.at(end) != '\n')
            ++end;
        scan_ = end;
        // A CR at the end of what was read may be the first half of a CR LF.
        const bool found =
            end < buffer_.size() && (end + 1 < buffer_.size() || atEnd_ || buffer_.at(end) == '\n');
        if (found) {
            line = buffer_.mid(start_, end - start_);
            const bool crlf =
                buffer_.at(end) == '\r' && end + 1 < buffer_.size() && buffer_.at(end + 1) == '\n';
            start_ = scan_ = end + (crlf ? 2 : 1);
            return true;
        }
        if (atEnd_) {
            if (start_ >= buffer_.size() || failed_)
                return false;
            line = buffer_.mid(start_);
            start_ = scan_ = buffer_.size();
            return true;
        }
        readMore();
    }
}

QByteArrayView trimBlanks(QByteArrayView line) {
    while (!line.isEmpty() && line.front() == ' ')
        line = line.sliced(1);
    while (!line.isEmpty() && line.back() == ' ')
        line.chop(1);
    return line;
}
