#include "pixmint/acquire/svg_document.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "pixmint/acquire/svg_library.h"

namespace pixmint {

namespace {

// Owns the cairo surface and context; it can't be copied, so each is destroyed exactly once.
struct CairoOwner {
    const SvgLibrary& lib;
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;

    explicit CairoOwner(const SvgLibrary& library) : lib(library) {}
    CairoOwner(const CairoOwner&) = delete;
    CairoOwner& operator=(const CairoOwner&) = delete;
    ~CairoOwner() {
        if (cr != nullptr) lib.destroy(cr);
        if (surface != nullptr) lib.surface_destroy(surface);
    }
};

// A document's size in pixels, as librsvg gives it: not yet checked.
struct ExactSize {
    double width = 0, height = 0;
};

// The document's size in pixels: its width and height, or failing those its viewBox; none when
// it has neither.
std::optional<ExactSize> intrinsic_size(const SvgLibrary& lib, RsvgHandle* h) {
    ExactSize size;
    if (lib.intrinsic_size_in_pixels(h, &size.width, &size.height)) return size;
    gboolean has_w = FALSE, has_h = FALSE, has_vbox = FALSE;
    RsvgLength lw{}, lh{};
    RsvgRectangle vbox{};
    lib.intrinsic_dimensions(h, &has_w, &lw, &has_h, &lh, &has_vbox, &vbox);
    if (!has_vbox) return std::nullopt;
    return ExactSize{vbox.width, vbox.height};
}

// Cairo keeps colour premultiplied by alpha; restore the straight value,
// rounded to nearest.
inline std::uint8_t unpremultiply(std::uint32_t c, std::uint32_t a) {
    if (a == 0) return 0;
    const std::uint32_t v = (c * 255 + a / 2) / a;
    return static_cast<std::uint8_t>(v > 255 ? 255 : v);
}

}  // namespace

lvforge::Result<SvgDocument, SvgFailure> SvgDocument::open(const std::string& path) {
    // Without the library there is nothing to render with.
    const SvgLibrary* lib = svg_library();
    if (lib == nullptr) return SvgFailure::rasterizer_failed;

    SvgDocument doc;
    GError* error = nullptr;
    RsvgHandle* handle = lib->new_from_file(path.c_str(), &error);
    if (error != nullptr) lib->error_free(error);
    if (handle == nullptr) return SvgFailure::open_failed;
    doc.handle_ = std::unique_ptr<void, SvgHandleRelease>(handle, SvgHandleRelease{lib->object_unref});
    lib->set_dpi(handle, 96.0);

    const auto size = intrinsic_size(*lib, handle);
    if (!size) return SvgFailure::open_failed;
    const double fw = size->width, fh = size->height;
    // Truncation toward zero; a size that is no finite non-negative number,
    // or that no image buffer could hold, leaves the document unusable.
    if (!std::isfinite(fw) || !std::isfinite(fh) || fw < 0 || fh < 0 || fw >= 2147483648.0 ||
        fh >= 2147483648.0) {
        return SvgFailure::open_failed;
    }
    doc.exact_width_ = fw;
    doc.exact_height_ = fh;
    doc.width_ = static_cast<std::uint32_t>(fw);
    doc.height_ = static_cast<std::uint32_t>(fh);
    return doc;
}

lvforge::Result<Image, SvgFailure> SvgDocument::render() const {
    const SvgLibrary& lib = *svg_library();
    auto* handle = static_cast<RsvgHandle*>(handle_.get());
    const std::uint32_t w = width_, h = height_;

    // Cairo draws straight into the image's own (zeroed) buffer, which is then
    // turned in place from premultiplied native-endian ARGB into straight RGBA:
    // one buffer of the image's size rather than two.
    const std::size_t bytes = std::size_t{w} * h * 4;
    Image image{w, h, 4, PixelBuffer(static_cast<std::uint8_t*>(std::calloc(bytes == 0 ? 1 : bytes, 1)))};
    if (image.pixels == nullptr) return SvgFailure::alloc_failed;

    CairoOwner canvas{lib};
    canvas.surface =
        lib.image_surface_create_for_data(image.pixels.get(), CAIRO_FORMAT_ARGB32, static_cast<int>(w),
                                          static_cast<int>(h), static_cast<int>(w * 4));
    if (lib.surface_status(canvas.surface) != CAIRO_STATUS_SUCCESS) return SvgFailure::rasterizer_failed;
    canvas.cr = lib.create(canvas.surface);
    if (lib.status(canvas.cr) != CAIRO_STATUS_SUCCESS) return SvgFailure::rasterizer_failed;

    // The viewport is the document's own unrounded size at the origin, so it
    // renders at scale 1; whatever lies past the truncated edge is cut off.
    const RsvgRectangle viewport{0.0, 0.0, exact_width_, exact_height_};
    GError* error = nullptr;
    if (!lib.render_document(handle, canvas.cr, &viewport, &error)) {
        if (error != nullptr) lib.error_free(error);
        return SvgFailure::open_failed;
    }
    lib.surface_flush(canvas.surface);

    std::uint8_t* px = image.pixels.get();
    for (std::size_t i = 0; i < std::size_t{w} * h; ++i, px += 4) {
        std::uint32_t argb;
        std::memcpy(&argb, px, 4);  // native-endian 0xAARRGGBB
        const std::uint32_t a = argb >> 24;
        px[0] = unpremultiply((argb >> 16) & 0xFF, a);
        px[1] = unpremultiply((argb >> 8) & 0xFF, a);
        px[2] = unpremultiply(argb & 0xFF, a);
        px[3] = static_cast<std::uint8_t>(a);
    }
    return image;
}

}  // namespace pixmint
