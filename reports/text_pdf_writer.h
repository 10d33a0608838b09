#pragma once

#include "platform/decimal.h"

#include <QByteArray>
#include <QString>
#include <vector>

// Document values of the info object.
struct PdfInfo {
    QString author;
    QString creator;
    QString keywords;
    QString subject;
    QString title;
};

// Turns a plain paged text file (Windows-1252) into a PDF 1.2 file of
// monospaced pages: one text line per input line, long lines cut at a break
// character, a new page at a form feed or when a page is full, the page
// number at each foot. Problems are shown in plain message boxes.
class TextPdfWriter {
public:
    // Rotation in degrees, page size in inches. True when the PDF was
    // written whole.
    bool ConvertToPDF(const QString& filename, const QString& outputfile, const PdfInfo& info,
                      const QString& fontName, int fontSize, int rotation, float pwidth,
                      float pheight);

    // True for a file longer than 0 bytes; an empty or missing file is not there.
    static bool FileExists(const QString& path);
    // Every occurrence replaced, the search going on after the inserted text.
    static QByteArray ReplaceText(const QByteArray& text, const QByteArray& toReplace,
                                  const QByteArray& newText);

    // The page set-up of the last conversion.
    int pageWidth() const { return pageWidth_; }
    int pageHeight() const { return pageHeight_; }
    int linesPerPage() const { return linesPerPage_; }
    int charsPerLine() const { return charsPerLine_; }

private:
    void setuppage(const QString& fontName, int fontSize, int rotation, float pwidth,
                   float pheight);
    // A line and its CR.
    void writebuffer(const QByteArray& text, bool flush = false);
    // Bytes as they are; the buffer goes to the file past 32000 bytes or on `flush`.
    void append(const QByteArray& bytes, bool flush = false);
    void writeheader();
    void writeobjects();
    void writebody();
    qint64 startpage();
    void endpage(qint64 streamstart);
    void endpdf();
    void pagefoot();
    void textline(const QByteArray& piece);
    void newPageIfFull(bool formFeed);
    int newObject();

    QString input_;
    QString output_;
    PdfInfo info_;
    QByteArray fontName_;
    Decimal fontSize_;
    Decimal leading_;
    int rotation_ = 0;
    int pageWidth_ = 0;
    int pageHeight_ = 0;
    int linesPerPage_ = 0;
    int charsPerLine_ = 0;
    double pageNumberX_ = 0;
    int objectCounter_ = 0;
    qint64 position_ = 0;
    std::vector<qint64> offsets_;  // by object number
    std::vector<int> pageObjects_; // by page number - 1
    int lineCounter_ = 0;
    qint64 streamStart_ = 0;
    QByteArray buffer_;
    QString writeError_;
    QString readError_;
};
