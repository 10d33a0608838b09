// JPEG pictures: read from file, embedded as they are, placed on the page.
#include "pdf/pdf_printer.h"

#include "pdf/jpeg_decoder.h"
#include "pdf/pdf_format.h"

#include <QFile>
#include <algorithm>

using pdfformat::AppendLine;
using pdfformat::FormatDecimal;

namespace {

const QString kCannotInclude = QStringLiteral("Impossible d'inclure l'image dans le fichier PDF.");

// Positions are counted from 1, as in the file's own description; outside the
// data a byte reads 0.
int ByteAt(const QByteArray& bytes, qsizetype position) {
    if (position < 1 || position > bytes.size())
        return 0;
    return static_cast<unsigned char>(bytes[position - 1]);
}

int ReadWord(const QByteArray& bytes, qsizetype position) {
    return ByteAt(bytes, position) * 256 + ByteAt(bytes, position + 1);
}

// Every start-of-frame marker; only the first three make a picture PDF
// readers draw: baseline, extended and progressive, with Huffman coding.
// The others are lossless, hierarchical or arithmetic-coded.
bool IsStartOfFrame(int marker) {
    return marker >= 0xFFC0 && marker <= 0xFFCF && marker != 0xFFC4 && marker != 0xFFC8 &&
           marker != 0xFFCC;
}

constexpr int kStartOfImage = 0xFFD8;
constexpr int kEndOfImage = 0xFFD9;
constexpr int kStartOfScan = 0xFFDA;

QString Unsupported(const QString& why) {
    return QStringLiteral("Image JPEG non supportée : ") + why +
           QStringLiteral(".\r\nSeules les images JPEG de base ou progressives, de 8 bits et de "
                          "1, 3 ou 4 composantes, sont supportées.\r\n") +
           kCannotInclude;
}

QString Damaged(const QString& why) {
    return QStringLiteral("Image JPEG endommagée : ") + why + QStringLiteral(".\r\n") +
           kCannotInclude;
}

// The decoder's verdict in the writer's words; empty when it decoded the
// very picture the writer's walk describes.
QString Refusal(const jpegdecoder::Reading& reading, int width, int height, int components) {
    using Verdict = jpegdecoder::Reading::Verdict;
    switch (reading.verdict) {
    case Verdict::TooLarge:
        return Unsupported(QStringLiteral("image trop grande"));
    case Verdict::Damaged:
        return Damaged(reading.problem);
    case Verdict::Decoded:
        break;
    }
    if (reading.width != width || reading.height != height || reading.components != components ||
        reading.arithmetic)
        return Damaged(QStringLiteral("en-têtes de trame contradictoires"));
    return {};
}

} // namespace

void PDFPrinter::ImageMessage(const QString& text) const {
    CriticalBox(QStringLiteral("Fichier Image - "), text);
}

std::optional<PDFPrinter::JpegImage> PDFPrinter::CheckedImage(const QString& fileName) {
    if (!fileName.contains(QLatin1Char('.'))) {
        ImageMessage(QStringLiteral("Le fichier image ") + fileName +
                     QStringLiteral(" ne possède pas d'extension.\r\n") + kCannotInclude);
        return std::nullopt;
    }
    if (!fileName.endsWith(QLatin1String("jpg")) && !fileName.endsWith(QLatin1String("jpeg"))) {
        ImageMessage(
            QStringLiteral("Format d'image non supportée.\r\nSeule les images de types JPG "
                           "sont supportées.\r\n") +
            kCannotInclude);
        return std::nullopt;
    }
    return ReadJpeg(fileName);
}

std::optional<PDFPrinter::JpegImage> PDFPrinter::ReadJpeg(const QString& fileName) {
    QFile file(fileName);
    const bool opened = file.open(QIODevice::ReadOnly);
    JpegImage image;
    QDateTime modified;
    if (opened) {
        image.size = file.size();
        image.data = file.readAll();
        modified = file.fileTime(QFileDevice::FileModificationTime);
    }
    if (!opened || image.size < 250 || image.data.size() != image.size) {
        ImageMessage(QStringLiteral("Fichier image non JPEG.\r\n") + kCannotInclude);
        return std::nullopt;
    }
    const QByteArray& bytes = image.data;
    const qsizetype size = bytes.size();
    if (ReadWord(bytes, 1) != kStartOfImage || ReadWord(bytes, size - 1) != kEndOfImage) {
        ImageMessage(
            QStringLiteral("Marqueur de début JPEG ou marqueur de fin JPEG non valide.\r\n") +
            kCannotInclude);
        return std::nullopt;
    }
    int frame = 0;
    int precision = 0;
    int components = 0;
    qsizetype p = 3;
    // The segments before the first scan; what follows it is coded data.
    while (p < size - 1) {
        int marker = ReadWord(bytes, p);
        int length = ReadWord(bytes, p + 2);
        if (marker == 0xFFFF) {
            // Fill bytes before a marker: the segment starts at the last of them.
            while (ByteAt(bytes, p + 1) == 255)
                ++p;
            marker = ReadWord(bytes, p);
            length = ReadWord(bytes, p + 2);
        }
        if (marker == kStartOfScan)
            break;
        if (marker == 0xFFE0) {
            static const QString kUnits[] = {QStringLiteral("Dots"),
                                             QStringLiteral("Dots/inch (DPI)"),
                                             QStringLiteral("Dots/cm")};
            const int unit = ByteAt(bytes, p + 11);
            if (unit > 2) {
                ImageMessage(QStringLiteral("Erreur de résolution d'image , l'Opcode est ") +
                             QString::number(unit) +
                             QStringLiteral("Les Opcodes valides sont  0, 1, 2.\r\n") +
                             kCannotInclude);
                return std::nullopt;
            }
            image.densityUnit = kUnits[unit];
        }
        if (marker == 0xFFEE && bytes.mid(p + 3, 5) == "Adobe")
            image.adobe = true;
        if (IsStartOfFrame(marker) && frame == 0) {
            frame = marker;
            precision = ByteAt(bytes, p + 4);
            image.height = ReadWord(bytes, p + 5);
            image.width = ReadWord(bytes, p + 7);
            components = ByteAt(bytes, p + 9);
        }
        p += length + 2;
    }
    QString refused;
    if (frame == 0 || image.width == 0 || image.height == 0)
        refused = Unsupported(QStringLiteral("largeur et hauteur absentes"));
    else if (frame > 0xFFC2)
        refused = Unsupported(QStringLiteral("trame ") + QString::number(frame, 16).toUpper());
    else if (precision != 8)
        refused = Unsupported(QStringLiteral("précision de %1 bits").arg(precision));
    else if (components != 1 && components != 3 && components != 4)
        refused = Unsupported(QStringLiteral("%1 composantes de couleur").arg(components));
    if (refused.isEmpty()) {
        // What is embedded is what the decoder read, never a header it did not use.
        const jpegdecoder::Reading reading = jpegdecoder::reading(fileName, modified, bytes);
        refused = Refusal(reading, image.width, image.height, components);
        image.width = reading.width;
        image.height = reading.height;
        components = reading.components;
    }
    if (!refused.isEmpty()) {
        ImageMessage(refused);
        return std::nullopt;
    }
    static const QByteArray kSpaces[] = {"DeviceGray", {}, "DeviceRGB", "DeviceCMYK"};
    image.colourSpace = kSpaces[components - 1];
    image.bitsPerComponent = 8;
    image.filter = "DCTDecode";
    return image;
}

double PDFPrinter::PDFImageWidth(const QString& pFileName) {
    const std::optional<JpegImage> image = CheckedImage(pFileName);
    return image ? image->width : 0;
}

double PDFPrinter::PDFImageHeight(const QString& pFileName) {
    const std::optional<JpegImage> image = CheckedImage(pFileName);
    return image ? image->height : 0;
}

void PDFPrinter::PDFImage(const QString& pFileName, double x, double y, double w, double h,
                          const QString& URLLink) {
    RequirePage("PDFImage");
    std::optional<JpegImage> image = CheckedImage(pFileName);
    if (!image)
        return;
    const double pixelsWide = image->width;
    const double pixelsHigh = image->height;
    if (w == 0 && h == 0) {
        w = pixelsWide / k_;
        h = pixelsHigh / k_;
    }
    if (w == 0)
        w = h * pixelsWide / pixelsHigh;
    if (h == 0)
        h = w * pixelsHigh / pixelsWide;
    // A picture the document already holds, the logo of every page, is drawn
    // from its one image object.
    const auto held = std::find_if(images_.begin(), images_.end(), [&](const JpegImage& other) {
        return other.data == image->data;
    });
    const bool embedded = held != images_.end();
    const int heldNumber = static_cast<int>(held - images_.begin()) + 1;
    Atomically([&] {
        int n = heldNumber;
        if (!embedded) {
            images_.push_back(std::move(*image));
            n = ++imageCount_;
        }
        AppendLine(content_, "q");
        AppendLine(content_, FormatDecimal(w * k_, 2) + " 0 0 " + FormatDecimal(h * k_, 2) + " " +
                                 PagePoint(x, y + h) + " cm /ImgJPEG" + QByteArray::number(n) +
                                 " Do Q");
        lastImageWidth_ = w;
        lastImageHeight_ = h;
        CheckLinkTarget(URLLink, "IMAGE", x, y);
    });
    x_ = (x + w) * k_;
    y_ = (y + h) * k_;
}

void PDFPrinter::PutImage(int n) {
    const JpegImage& image = images_.at(static_cast<std::size_t>(n - 1));
    BeginObject();
    AppendLine(object_, "<</Type /XObject");
    AppendLine(object_, "/Subtype /Image");
    AppendLine(object_, "/Filter [/" + image.filter + " ]");
    AppendLine(object_, "/Width " + QByteArray::number(image.width));
    AppendLine(object_, "/Height " + QByteArray::number(image.height));
    AppendLine(object_, "/ColorSpace /" + image.colourSpace);
    AppendLine(object_, "/BitsPerComponent " + QByteArray::number(image.bitsPerComponent));
    if (image.adobe && image.colourSpace == "DeviceCMYK")
        AppendLine(object_, "/Decode [1 0 1 0 1 0 1 0]");
    AppendLine(object_, "/Length " + QByteArray::number(image.size));
    AppendLine(object_, "/Name /ImgJPEG" + QByteArray::number(n) + ">>");
    AppendLine(object_, "stream");
    AppendLine(object_, image.data);
    AppendLine(object_, "endstream");
    AppendLine(object_, "endobj");
    WriteChunk(object_);
}
