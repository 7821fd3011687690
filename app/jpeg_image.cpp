#include "app/jpeg_image.h"

#include <QFile>

#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <cstdlib>
#include <new>
#include <stdexcept>
#include <string>

#include <jerror.h>
#include <jpeglib.h>

namespace lernwerk {

namespace {

// How libjpeg and this file talk about failure.
//
// libjpeg reports a fatal error through error_exit, which must not return; its default prints
// the message and calls exit(). Ours formats the message and longjmps back to runGuarded().
// Throwing instead would unwind through libjpeg's C frames, which is not safe. The frames a
// jump leaves are libjpeg's and the plain step functions below, which hold no objects with
// destructors; everything C++ lives in the callers of runGuarded().
//
// Warnings are corrupt data that libjpeg would paper over (a truncated file comes out grey at
// the bottom, a damaged one with smeared blocks). We show only our own pictures, so a damaged
// one is treated as the error it is. Trace messages are dropped, and nothing is ever printed.
struct ErrorManager {
    jpeg_error_mgr base;  // first, so that libjpeg's pointer to it is a pointer to the whole
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void jumpOut(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void onMessage(j_common_ptr info, int level)
{
    if (level < 0) {
        jumpOut(info);
    }
}

void printNothing(j_common_ptr /*info*/) {}

void installErrorManager(ErrorManager& errors)
{
    jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOut;
    errors.base.emit_message = onMessage;
    errors.base.output_message = printNothing;
    errors.message[0] = '\0';
}

// Runs one step of libjpeg work with `errors` armed. Returns false when libjpeg gave up; its
// message is then in errors.message. Nothing here is changed between setjmp and longjmp.
bool runGuarded(ErrorManager& errors, void (*step)(void*), void* work)
{
    if (setjmp(errors.jump) != 0) {
        return false;
    }
    step(work);
    return true;
}

// Pictures above this many bytes of pixels are refused before any memory is taken for them;
// a damaged header can claim up to 65500 x 65500 pixels.
constexpr std::uint64_t maxPixelBytes = 256u * 1024u * 1024u;

// ---- decoding -----------------------------------------------------------------------------

struct Decoding {
    jpeg_decompress_struct info;
    ErrorManager errors;
    const unsigned char* data;
    unsigned long size;
    // Where the scanlines go: the decoded rows of libjpeg's output colour space.
    unsigned char* pixels;
    std::size_t stride;
};

void startDecoding(void* work)
{
    auto& job = *static_cast<Decoding*>(work);
    jpeg_mem_src(&job.info, job.data, job.size);
    jpeg_read_header(&job.info, TRUE);
    switch (job.info.jpeg_color_space) {
    case JCS_GRAYSCALE:
        job.info.out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        job.info.out_color_space = JCS_CMYK;  // converted to RGB by convertCmykRows()
        break;
    default:
        job.info.out_color_space = JCS_RGB;
        break;
    }
    jpeg_start_decompress(&job.info);
}

void readScanlines(void* work)
{
    auto& job = *static_cast<Decoding*>(work);
    while (job.info.output_scanline < job.info.output_height) {
        JSAMPROW row = job.pixels + static_cast<std::size_t>(job.info.output_scanline) * job.stride;
        jpeg_read_scanlines(&job.info, &row, 1);
    }
    jpeg_finish_decompress(&job.info);
}

// libjpeg delivers three bytes R, G, B per pixel at the start of each row; spread them into
// the row's 32-bit pixels. Walking from the right end, a pixel's four bytes never overlap the
// three-byte pixels still to be read to its left.
void spreadRgbRows(QImage& image)
{
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        uchar* line = image.scanLine(y);
        auto* out = reinterpret_cast<QRgb*>(line);
        for (int x = width - 1; x >= 0; --x) {
            const uchar* in = line + 3 * x;
            out[x] = qRgb(in[0], in[1], in[2]);
        }
    }
}

// CMYK pictures written by Adobe programs (recognisable by their Adobe marker) store the inks
// inverted, 255 meaning no ink; others store them plainly.
void convertCmykRows(QImage& image, bool inverted)
{
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const auto* in = reinterpret_cast<const uchar*>(out + x);
            int c = in[0];
            int m = in[1];
            int yellow = in[2];
            int k = in[3];
            if (!inverted) {
                c = 255 - c;
                m = 255 - m;
                yellow = 255 - yellow;
                k = 255 - k;
            }
            out[x] = qRgb(c * k / 255, m * k / 255, yellow * k / 255);
        }
    }
}

// Decodes `bytes` into `image`; on failure returns false with the reason in `problem`.
bool decodeInto(const QByteArray& bytes, QImage& image, std::string& problem)
{
    if (bytes.isEmpty()) {
        problem = "the data is empty";
        return false;
    }

    Decoding job{};
    job.info.err = &job.errors.base;
    installErrorManager(job.errors);
    job.data = reinterpret_cast<const unsigned char*>(bytes.constData());
    job.size = static_cast<unsigned long>(bytes.size());

    // Ends libjpeg's work however this function is left.
    struct Cleanup {
        Decoding& job;
        ~Cleanup() { jpeg_destroy_decompress(&job.info); }
    } cleanup{job};

    // jpeg_create_decompress fails only for want of memory; destroying after that is safe.
    jpeg_create_decompress(&job.info);
    if (!runGuarded(job.errors, startDecoding, &job)) {
        problem = job.errors.message;
        return false;
    }

    const auto width = job.info.output_width;
    const auto height = job.info.output_height;
    const bool grey = job.info.output_components == 1;
    const std::uint64_t pixelBytes = std::uint64_t{width} * height * (grey ? 1u : 4u);
    if (pixelBytes > maxPixelBytes) {
        problem = "the picture is too large (" + std::to_string(width) + " x " +
                  std::to_string(height) + " pixels)";
        return false;
    }
    QImage decoded(static_cast<int>(width), static_cast<int>(height),
                   grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    if (decoded.isNull()) {
        problem = "not enough memory for the picture";
        return false;
    }

    job.pixels = decoded.bits();
    job.stride = static_cast<std::size_t>(decoded.bytesPerLine());
    if (!runGuarded(job.errors, readScanlines, &job)) {
        problem = job.errors.message;
        return false;
    }

    if (job.info.out_color_space == JCS_RGB) {
        spreadRgbRows(decoded);
    } else if (job.info.out_color_space == JCS_CMYK) {
        convertCmykRows(decoded, job.info.saw_Adobe_marker != 0);
    }
    image = decoded;
    return true;
}

// ---- encoding -----------------------------------------------------------------------------

// A destination that grows a malloc'd buffer owned by this file, so that the buffer can be
// freed whatever point libjpeg gave up at.
struct Sink {
    jpeg_destination_mgr base;  // first, as libjpeg sees only this part
    unsigned char* data;
    std::size_t capacity;
};

void sinkStart(j_compress_ptr info)
{
    auto* sink = reinterpret_cast<Sink*>(info->dest);
    sink->base.next_output_byte = sink->data;
    sink->base.free_in_buffer = sink->capacity;
}

boolean sinkGrow(j_compress_ptr info)
{
    // libjpeg calls this when the whole buffer is full.
    auto* sink = reinterpret_cast<Sink*>(info->dest);
    const std::size_t grownCapacity = sink->capacity * 2;
    auto* grown = static_cast<unsigned char*>(std::realloc(sink->data, grownCapacity));
    if (grown == nullptr) {
        info->err->msg_code = JERR_OUT_OF_MEMORY;
        info->err->msg_parm.i[0] = 0;
        (*info->err->error_exit)(reinterpret_cast<j_common_ptr>(info));
    }
    sink->data = grown;
    sink->base.next_output_byte = grown + sink->capacity;
    sink->base.free_in_buffer = grownCapacity - sink->capacity;
    sink->capacity = grownCapacity;
    return TRUE;
}

void sinkFinish(j_compress_ptr /*info*/) {}

struct Encoding {
    jpeg_compress_struct info;
    ErrorManager errors;
    Sink sink;
    const QImage* source;  // Format_Grayscale8 or Format_RGB888
    int quality;
};

void writeJpeg(void* work)
{
    auto& job = *static_cast<Encoding*>(work);
    const QImage& source = *job.source;
    const bool grey = source.format() == QImage::Format_Grayscale8;

    job.info.dest = &job.sink.base;
    job.info.image_width = static_cast<JDIMENSION>(source.width());
    job.info.image_height = static_cast<JDIMENSION>(source.height());
    job.info.input_components = grey ? 1 : 3;
    job.info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&job.info);
    jpeg_set_quality(&job.info, job.quality, TRUE);  // TRUE: tables stay baseline
    job.info.optimize_coding = TRUE;
    for (int i = 0; i < job.info.num_components; ++i) {
        job.info.comp_info[i].h_samp_factor = 1;
        job.info.comp_info[i].v_samp_factor = 1;
    }

    jpeg_start_compress(&job.info, TRUE);
    while (job.info.next_scanline < job.info.image_height) {
        // libjpeg only reads the rows it is given.
        auto* row = const_cast<JSAMPROW>(source.constScanLine(static_cast<int>(job.info.next_scanline)));
        jpeg_write_scanlines(&job.info, &row, 1);
    }
    jpeg_finish_compress(&job.info);
}

std::string invalidMessage(const std::string& problem)
{
    return "Invalid JPEG picture: " + problem;
}

}  // namespace

QImage decodeJpeg(const QByteArray& bytes)
{
    QImage image;
    std::string problem;
    if (!decodeInto(bytes, image, problem)) {
        throw std::runtime_error(invalidMessage(problem));
    }
    return image;
}

QImage loadJpeg(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("Cannot read the picture \"" + path.toStdString() +
                                 "\": " + file.errorString().toStdString());
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw std::runtime_error("Cannot read the picture \"" + path.toStdString() +
                                 "\": " + file.errorString().toStdString());
    }

    QImage image;
    std::string problem;
    if (!decodeInto(bytes, image, problem)) {
        throw std::runtime_error("Invalid JPEG picture \"" + path.toStdString() + "\": " + problem);
    }
    return image;
}

QByteArray encodeJpeg(const QImage& image, int quality)
{
    if (image.isNull()) {
        throw std::runtime_error("Cannot encode an empty picture as JPEG");
    }
    const bool grey = image.format() == QImage::Format_Grayscale8 ||
                      image.format() == QImage::Format_Grayscale16;
    const QImage source =
        image.convertToFormat(grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);

    Encoding job{};
    job.info.err = &job.errors.base;
    installErrorManager(job.errors);
    job.source = &source;
    job.quality = quality;  // jpeg_set_quality clamps it to 1..100
    job.sink.base.init_destination = sinkStart;
    job.sink.base.empty_output_buffer = sinkGrow;
    job.sink.base.term_destination = sinkFinish;
    job.sink.capacity = static_cast<std::size_t>(source.width()) *
                            static_cast<std::size_t>(source.height()) / 2 +
                        4096;
    job.sink.data = static_cast<unsigned char*>(std::malloc(job.sink.capacity));
    if (job.sink.data == nullptr) {
        throw std::bad_alloc();
    }

    // Ends libjpeg's work and frees the output however this function is left.
    struct Cleanup {
        Encoding& job;
        ~Cleanup()
        {
            jpeg_destroy_compress(&job.info);
            std::free(job.sink.data);
        }
    } cleanup{job};

    jpeg_create_compress(&job.info);
    if (!runGuarded(job.errors, writeJpeg, &job)) {
        throw std::runtime_error(std::string("Cannot encode the picture as JPEG: ") +
                                 job.errors.message);
    }
    const std::size_t used = job.sink.capacity - job.sink.base.free_in_buffer;
    QByteArray result(reinterpret_cast<const char*>(job.sink.data), static_cast<qsizetype>(used));
    return result;
}

}  // namespace lernwerk
