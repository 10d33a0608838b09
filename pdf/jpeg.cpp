// JPEG pictures: read from file, embedded as they are, placed on the page.
#include "pdf/pdf_printer.h"

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

QByteArray WordHex(const QByteArray& bytes, qsizetype position) {
    return QByteArray::number(ReadWord(bytes, position), 16).toUpper().rightJustified(4, '0');
}

bool IsStartOfFrame(const QByteArray& marker) {
    static const QByteArrayList kFrames = {"FFC0", "FFC1", "FFC2", "FFC3", "FFC5", "FFC6", "FFC7"};
    return kFrames.contains(marker);
}

PDFError badJpeg(const QString& file, const QString& why) {
    return PDFError(PDFError::Kind::BadJpeg,
                    QStringLiteral("A imagem %1 não pode ser incluída no PDF: %2.").arg(file, why));
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
    if (!opened || file.size() < 250) {
        ImageMessage(QStringLiteral("Fichier image non JPEG.\r\n") + kCannotInclude);
        return std::nullopt;
    }
    JpegImage image;
    image.size = file.size();
    image.data = file.readAll();
    if (image.data.size() != image.size)
        throw badJpeg(fileName, file.errorString());
    const QByteArray& bytes = image.data;
    const qsizetype size = bytes.size();
    if (WordHex(bytes, 1) != "FFD8" || WordHex(bytes, size - 1) != "FFD9") {
        ImageMessage(
            QStringLiteral("Marqueur de début JPEG ou marqueur de fin JPEG non valide.\r\n") +
            kCannotInclude);
        return std::nullopt;
    }
    bool frame = false;
    qsizetype p = 3;
    while (p < size - 1) {
        QByteArray marker = WordHex(bytes, p);
        int length = ReadWord(bytes, p + 2);
        if (marker == "FFFF") {
            // Fill bytes before a marker: the segment starts at the last of them.
            while (ByteAt(bytes, p + 1) == 255)
                ++p;
            marker = WordHex(bytes, p);
            length = ReadWord(bytes, p + 2);
        }
        if (marker == "FFE0") {
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
        if (marker == "FFEE" && bytes.mid(p + 3, 5) == "Adobe")
            image.adobe = true;
        if (IsStartOfFrame(marker)) {
            image.width = ReadWord(bytes, p + 7);
            image.height = ReadWord(bytes, p + 5);
            switch (ByteAt(bytes, p + 9) * 8) {
            case 8:
                image.colourSpace = "DeviceGray";
                break;
            case 24:
                image.colourSpace = "DeviceRGB";
                break;
            case 32:
                image.colourSpace = "DeviceCMYK";
                break;
            default:
                throw badJpeg(fileName,
                              QStringLiteral("número de componentes de cor não suportado"));
            }
            frame = true;
        }
        p += length + 2;
    }
    if (!frame || image.width == 0 || image.height == 0)
        throw badJpeg(fileName, QStringLiteral("o arquivo não informa largura e altura"));
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
