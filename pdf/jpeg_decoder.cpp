#include "pdf/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>
#include <mutex>
#include <vector>

#include <jpeglib.h>
// After jpeglib.h: the message codes.
#include <jerror.h>

namespace jpegdecoder {

namespace {

// libjpeg reports an error by calling error_exit, which must not return:
// it jumps back to the decoding function with the message kept.
struct Errors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool failed;
};

void keepFirst(j_common_ptr info) {
    auto* errors = reinterpret_cast<Errors*>(info->err);
    if (errors->message[0] == '\0')
        (*info->err->format_message)(info, errors->message);
}

void stop(j_common_ptr info) {
    auto* errors = reinterpret_cast<Errors*>(info->err);
    errors->message[0] = '\0';
    errors->failed = true;
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// No C++ object with a destructor lives here: the jump would skip it. The
// frame header is kept once it was read.
void decodes(const unsigned char* data, unsigned long size, Errors& errors, Reading& reading) {
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = stop;
    // Warnings are counted by libjpeg; the first one's text is kept, none printed.
    errors.base.output_message = keepFirst;
    errors.message[0] = '\0';
    errors.failed = false;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return;
    }
    jpeg_create_decompress(&info);
    // Past the limit libjpeg asks for backing store, which it has none of, and
    // stops before it takes the memory.
    info.mem->max_memory_to_use = kMemoryLimit;
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    reading.width = static_cast<int>(info.image_width);
    reading.height = static_cast<int>(info.image_height);
    reading.components = info.num_components;
    reading.arithmetic = info.arith_code != FALSE;
    // Every coefficient is still decoded, so every fault is still met; the
    // smallest output saves the rest of the work.
    info.scale_num = 1;
    info.scale_denom = 8;
    info.dct_method = JDCT_IFAST;
    info.do_fancy_upsampling = FALSE;
    jpeg_start_decompress(&info);
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * info.output_components, 1);
    while (info.output_scanline < info.output_height)
        jpeg_read_scanlines(&info, row, 1);
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
}

Reading decode(const QByteArray& file) {
    Errors errors;
    Reading reading;
    decodes(reinterpret_cast<const unsigned char*>(file.constData()),
            static_cast<unsigned long>(file.size()), errors, reading);
    const int code = errors.base.msg_code;
    if (errors.failed &&
        (code == JERR_NO_BACKING_STORE || code == JERR_OUT_OF_MEMORY || code == JERR_IMAGE_TOO_BIG))
        reading.verdict = Reading::Verdict::TooLarge;
    else if (errors.failed || errors.base.num_warnings > 0)
        reading.verdict = Reading::Verdict::Damaged;
    else
        reading.verdict = Reading::Verdict::Decoded;
    if (reading.verdict != Reading::Verdict::Decoded)
        reading.problem = QString::fromLatin1(errors.message);
    return reading;
}

struct Remembered {
    QString path;
    QDateTime modified;
    QByteArray bytes;
    Reading reading;
};

// The few pictures of the latest documents, the newest last: the logo of
// every order document is decoded once.
constexpr std::size_t kRemembered = 4;

} // namespace

Reading reading(const QString& path, const QDateTime& modified, const QByteArray& bytes) {
    static std::mutex lock;
    static std::vector<Remembered> remembered;
    {
        const std::lock_guard<std::mutex> guard(lock);
        for (const Remembered& r : remembered) {
            // The bytes compare their size first.
            if (r.path == path && r.modified == modified && r.bytes == bytes)
                return r.reading;
        }
    }
    Reading fresh = decode(bytes);
    const std::lock_guard<std::mutex> guard(lock);
    std::erase_if(remembered, [&](const Remembered& r) { return r.path == path; });
    if (remembered.size() == kRemembered)
        remembered.erase(remembered.begin());
    remembered.push_back({path, modified, bytes, fresh});
    return fresh;
}

} // namespace jpegdecoder
