#pragma once

#include <QByteArray>

class QIODevice;

// The lines of a text file read a piece at a time, so a long report is
// never held whole: each line ended by CR LF, CR or LF, the last one
// needing no end.
class LineReader {
public:
    explicit LineReader(QIODevice& device) : device_(device) {}

    // The next line without its end; false once the file is over or a read failed.
    bool next(QByteArray& line);
    bool failed() const { return failed_; }

private:
    void readMore();

    QIODevice& device_;
    QByteArray buffer_;
    qsizetype start_ = 0; // of the line being read
    qsizetype scan_ = 0;  // where the search for its end goes on
    bool atEnd_ = false;
    bool failed_ = false;
};

// Without its leading and trailing blanks; tabs and form feeds stay.
QByteArrayView trimBlanks(QByteArrayView line);
