// Owning handles for Cairo objects.
#pragma once

#include <cairo.h>
#include <pixman.h>

#include <memory>

namespace panel_host {

struct SurfaceRelease {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextRelease {
  void operator()(cairo_t* context) const { cairo_destroy(context); }
};
struct FontFaceRelease {
  void operator()(cairo_font_face_t* face) const { cairo_font_face_destroy(face); }
};

struct PixmanRelease {
  void operator()(pixman_image_t* image) const { pixman_image_unref(image); }
};

using Surface = std::unique_ptr<cairo_surface_t, SurfaceRelease>;
using PixmanImage = std::unique_ptr<pixman_image_t, PixmanRelease>;

// A pixman view of an ARGB image surface's pixels, for compositing without
// Cairo's per-call bookkeeping; the surface must outlive it.
PixmanImage pixman_view(cairo_surface_t* surface);
using Context = std::unique_ptr<cairo_t, ContextRelease>;
using FontFace = std::unique_ptr<cairo_font_face_t, FontFaceRelease>;

// A new ARGB image surface; throws HostError when Cairo cannot make one.
Surface make_image_surface(int width, int height, cairo_format_t format = CAIRO_FORMAT_ARGB32);

}  // namespace panel_host
