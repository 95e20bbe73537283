#include "desktop/JpegWriter.h"

#include "common/WholeFile.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace jpeg {

namespace {

// The library reports errors by calling error_exit, which must not return:
// we jump back out of the compression instead of letting it end the program.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void jumpOut(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void keepQuiet(j_common_ptr) {}

// Where the library leaves the compressed bytes (allocated with malloc).
struct Output {
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
};

// Everything that lives across the setjmp belongs to the caller, so a jump
// back finds it as the library left it.
bool compress(const QImage& rgb, int quality, jpeg_compress_struct* info, ErrorManager* errors, Output* out)
{
    info->err = jpeg_std_error(&errors->base);
    errors->base.error_exit = jumpOut;
    errors->base.output_message = keepQuiet;
    if (setjmp(errors->jump)) {
        jpeg_destroy_compress(info);
        return false;
    }
    jpeg_create_compress(info);
    jpeg_mem_dest(info, &out->buffer, &out->size);
    info->image_width = JDIMENSION(rgb.width());
    info->image_height = JDIMENSION(rgb.height());
    info->input_components = 3;
    info->in_color_space = JCS_RGB;
    jpeg_set_defaults(info);
    jpeg_set_quality(info, quality, TRUE); // baseline tables
    // Full colour: the colour channels are not sampled down, which matters
    // for a picture one pixel wide.
    for (int c = 0; c < info->num_components; ++c) {
        info->comp_info[c].h_samp_factor = 1;
        info->comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(info, TRUE);
    while (info->next_scanline < info->image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(info->next_scanline)));
        jpeg_write_scanlines(info, &row, 1);
    }
    jpeg_finish_compress(info);
    jpeg_destroy_compress(info);
    return true;
}

} // namespace

QByteArray encode(const QImage& image, int quality)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull())
        return {};
    jpeg_compress_struct info{};
    ErrorManager errors{};
    Output out;
    const bool done = compress(rgb, quality, &info, &errors, &out);
    QByteArray bytes;
    if (done && out.buffer)
        bytes = QByteArray(reinterpret_cast<const char*>(out.buffer), qsizetype(out.size));
    std::free(out.buffer);
    return bytes;
}

bool writeFile(const QString& path, const QImage& image, int quality)
{
    const QByteArray bytes = encode(image, quality);
    if (bytes.isEmpty())
        return false;
    return writeWholeFile(path, bytes);
}

} // namespace jpeg
