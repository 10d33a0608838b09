// Bookmarks and the outline objects.
#include "pdf/pdf_printer.h"

#include "pdf/pdf_format.h"

#include <algorithm>

using pdfformat::AppendLine;
using pdfformat::FormatDecimal;
using pdfformat::TextString;

void PDFPrinter::PDFSetBookmark(const QString& str_Text, int iLevel, double y) {
    if (y == -1)
        y = y_;
    // Levels that would leave an item without a parent are brought into line:
    // the first item and negative levels are top level, and an item goes at
    // most one level below the one before it.
    int level = std::max(0, iLevel);
    if (outlines_.empty())
        level = 0;
    else
        level = std::min(level, outlines_.back().level + 1);
    outlines_.push_back(OutlineItem{TextString(str_Text), level, y, pageNumber_});
}

void PDFPrinter::PutOutlines() {
    if (outlines_.empty())
        return;
    const int count = static_cast<int>(outlines_.size());
    const int root = count; // index of the root in the links below
    struct Links {
        int parent = -1;
        int previous = -1;
        int next = -1;
        int first = -1;
        int last = -1;
    };
    std::vector<Links> links(outlines_.size());
    std::vector<int> lastAtLevel;
    int previousLevel = 0;
    for (int i = 0; i < count; ++i) {
        const int level = outlines_[static_cast<std::size_t>(i)].level;
        Links& item = links[static_cast<std::size_t>(i)];
        if (level < 1) {
            item.parent = root;
        } else {
            const int p = lastAtLevel[static_cast<std::size_t>(level - 1)];
            item.parent = p;
            links[static_cast<std::size_t>(p)].last = i;
            if (level > previousLevel)
                links[static_cast<std::size_t>(p)].first = i;
        }
        if (level <= previousLevel && i > 0) {
            const int q = lastAtLevel[static_cast<std::size_t>(level)];
            links[static_cast<std::size_t>(q)].next = i;
            item.previous = q;
        }
        lastAtLevel.resize(static_cast<std::size_t>(level + 1));
        lastAtLevel[static_cast<std::size_t>(level)] = i;
        previousLevel = level;
    }
    const int n = objectCounter_ + 1;
    auto ref = [n](int index) { return QByteArray::number(n + index) + " 0 R"; };
    for (int i = 0; i < count; ++i) {
        const OutlineItem& item = outlines_[static_cast<std::size_t>(i)];
        const Links& link = links[static_cast<std::size_t>(i)];
        const auto page = static_cast<std::size_t>(item.page - 1);
        BeginObject();
        AppendLine(object_, "<</Title " + item.title);
        AppendLine(object_, "/Parent " + ref(link.parent));
        if (link.previous >= 0)
            AppendLine(object_, "/Prev " + ref(link.previous));
        if (link.next >= 0)
            AppendLine(object_, "/Next " + ref(link.next));
        if (link.first >= 0)
            AppendLine(object_, "/First " + ref(link.first));
        if (link.last >= 0)
            AppendLine(object_, "/Last " + ref(link.last));
        AppendLine(object_, "/Dest [" + QByteArray::number(pageObjects_.at(page)) + " 0 R /XYZ 0 " +
                                FormatDecimal(pageHeights_.at(page) - item.y * k_, 2) + " null]");
        AppendLine(object_, "/Count 0>>");
        AppendLine(object_, "endobj");
        WriteChunk(object_);
    }
    outlineRoot_ = BeginObject();
    AppendLine(object_, "<</Type /Outlines /First " + ref(0));
    AppendLine(object_, "/Last " + ref(lastAtLevel.front()) + ">>");
    AppendLine(object_, "endobj");
    WriteChunk(object_);
}
