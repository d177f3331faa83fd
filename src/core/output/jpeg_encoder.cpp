#include "output/jpeg_encoder.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE
#include <cstdlib>
#include <new>

#include <jpeglib.h>
// jerror.h after jpeglib.h: it names the codes of libjpeg's messages.
#include <jerror.h>

namespace lg {
namespace {

// libjpeg reports fatal errors through error_exit, whose default ends the
// process. Ours jumps back to the setjmp in Compress instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void JumpOnError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::longjmp(err->jump, 1);
}

// Warnings and trace messages would go to stderr, which a GUI program has
// not got.
void DiscardMessage(j_common_ptr) {}

// Everything libjpeg touches lives here, in the caller's frame, so nothing
// the jump skips over has a destructor and nothing it reads afterwards is a
// local of the function that called setjmp.
struct Job {
    jpeg_compress_struct cinfo{};
    ErrorManager err{};
    unsigned char* buffer = nullptr;  // malloc'ed by jpeg_mem_dest
    unsigned long size = 0;
    bool created = false;
};

// Plain C-style on purpose: no object with a destructor may live between
// setjmp and a longjmp out of libjpeg.
bool Compress(Job& job, const ImageView32& image, unsigned char* rgbRow) {
    job.cinfo.err = jpeg_std_error(&job.err.base);
    job.err.base.error_exit = JumpOnError;
    job.err.base.output_message = DiscardMessage;
    if (setjmp(job.err.jump) != 0) return false;

    jpeg_create_compress(&job.cinfo);
    job.created = true;
    jpeg_mem_dest(&job.cinfo, &job.buffer, &job.size);

    job.cinfo.image_width = static_cast<JDIMENSION>(image.width);
    job.cinfo.image_height = static_cast<JDIMENSION>(image.height);
#ifdef JCS_EXTENSIONS
    // libjpeg-turbo reads the B, G, R, A bytes of our pixels as they are.
    job.cinfo.input_components = 4;
    job.cinfo.in_color_space = JCS_EXT_BGRX;
#else
    job.cinfo.input_components = 3;
    job.cinfo.in_color_space = JCS_RGB;
#endif
    jpeg_set_defaults(&job.cinfo);
    jpeg_set_quality(&job.cinfo, kJpegQuality, TRUE);
    for (int c = 0; c < job.cinfo.num_components; ++c) {
        job.cinfo.comp_info[c].h_samp_factor = 1;
        job.cinfo.comp_info[c].v_samp_factor = 1;
    }
    // Optimal Huffman tables keep the file baseline and make it smaller.
    job.cinfo.optimize_coding = TRUE;

    jpeg_start_compress(&job.cinfo, TRUE);
    while (job.cinfo.next_scanline < job.cinfo.image_height) {
        const uint32_t* pixels = image.Row(static_cast<int>(job.cinfo.next_scanline));
#ifdef JCS_EXTENSIONS
        (void)rgbRow;
        // libjpeg only reads the rows it is given; its type just lacks const.
        JSAMPROW row = reinterpret_cast<JSAMPROW>(const_cast<uint32_t*>(pixels));
#else
        for (int x = 0; x < image.width; ++x) {
            rgbRow[3 * x] = static_cast<uint8_t>(RedOf(pixels[x]));
            rgbRow[3 * x + 1] = static_cast<uint8_t>(GreenOf(pixels[x]));
            rgbRow[3 * x + 2] = static_cast<uint8_t>(BlueOf(pixels[x]));
        }
        JSAMPROW row = rgbRow;
#endif
        jpeg_write_scanlines(&job.cinfo, &row, 1);
    }
    jpeg_finish_compress(&job.cinfo);
    return true;
}

}  // namespace

// Sides beyond JPEG_MAX_DIMENSION are left for libjpeg to refuse, before it
// reads a row: that keeps its own limit the only one, and the way back from
// its errors in use.
EncodeStatus EncodeJpeg(const ImageView32& image, std::vector<uint8_t>& out) {
    if (!image.IsEncodable()) return EncodeStatus::kEmptyImage;

    std::vector<unsigned char> rgbRow;
    Job job;
    bool ok = false;
    EncodeStatus status = EncodeStatus::kOk;
    try {
#ifndef JCS_EXTENSIONS
        rgbRow.resize(static_cast<size_t>(image.width) * 3);
#endif
        ok = Compress(job, image, rgbRow.data());
        if (ok) out.insert(out.end(), job.buffer, job.buffer + job.size);
    } catch (const std::bad_alloc&) {
        status = EncodeStatus::kOutOfMemory;
    }
    if (job.created) jpeg_destroy_compress(&job.cinfo);
    std::free(job.buffer);
    if (status != EncodeStatus::kOk) return status;
    if (ok) return EncodeStatus::kOk;
    return job.err.base.msg_code == JERR_IMAGE_TOO_BIG ? EncodeStatus::kTooLarge
                                                       : EncodeStatus::kCodecFailure;
}

}  // namespace lg
