#include "pdf/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace jpegdecoder {

namespace {

// libjpeg reports an error by calling error_exit, which must not return:
// it jumps back to the decoding function with the message kept.
struct Errors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void keepFirst(j_common_ptr info) {
    auto* errors = reinterpret_cast<Errors*>(info->err);
    if (errors->message[0] == '\0')
        (*info->err->format_message)(info, errors->message);
}

void stop(j_common_ptr info) {
    auto* errors = reinterpret_cast<Errors*>(info->err);
    errors->message[0] = '\0';
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// No C++ object with a destructor lives here: the jump would skip it.
bool decodes(const unsigned char* data, unsigned long size, Errors& errors) {
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = stop;
    // Warnings are counted by libjpeg; the first one's text is kept, none printed.
    errors.base.output_message = keepFirst;
    errors.message[0] = '\0';
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
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
    const bool clean = errors.base.num_warnings == 0;
    jpeg_destroy_decompress(&info);
    return clean;
}

} // namespace

QString problem(const QByteArray& file) {
    Errors errors;
    if (decodes(reinterpret_cast<const unsigned char*>(file.constData()),
                static_cast<unsigned long>(file.size()), errors))
        return {};
    return QString::fromLatin1(errors.message);
}

} // namespace jpegdecoder
