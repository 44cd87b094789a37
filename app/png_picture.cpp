#include "app/png_picture.h"

#include <algorithm>
#include <cmath>

#if QUILLANE_HAVE_RSVG
#include <cairo.h>
#include <librsvg/rsvg.h>
#endif

namespace app {

#if !QUILLANE_HAVE_RSVG

const bool kCanWritePng = false;

bool DrawPng(const std::string&, int, std::string*, std::string* error) {
  *error = "this build of quillane cannot write PNG images (it was built without librsvg)";
  return false;
}

#else

const bool kCanWritePng = true;

namespace {

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

bool DrawPng(const std::string& svg, int width, std::string* png, std::string* error) {
  GError* failure = nullptr;
  RsvgHandle* handle =
      rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &failure);
  const auto fail = [&](const std::string& what) {
    *error = what + (failure ? std::string(": ") + failure->message : std::string());
    if (failure) g_error_free(failure);
    if (handle) g_object_unref(handle);
    return false;
  };
  if (handle == nullptr) return fail("cannot read the picture");

  double ownWidth = 0, ownHeight = 0;
  if (!rsvg_handle_get_intrinsic_size_in_pixels(handle, &ownWidth, &ownHeight) || !(ownWidth > 0) ||
      !(ownHeight > 0))
    return fail("the picture has no size");
  double scale = 1;
  if (width > 0) scale = width / ownWidth;
  else if (std::max(ownWidth, ownHeight) > kLargestPngSide) scale = kLargestPngSide / std::max(ownWidth, ownHeight);
  const int pixelsWide = std::max(1, static_cast<int>(std::lround(ownWidth * scale)));
  const int pixelsHigh = std::max(1, static_cast<int>(std::lround(ownHeight * scale)));
  if (pixelsHigh > 32767 || pixelsWide > 32767) return fail("the image would be too large");

  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pixelsWide, pixelsHigh);
  cairo_t* cairo = cairo_create(surface);
  cairo_set_source_rgb(cairo, 1, 1, 1);
  cairo_paint(cairo);
  const RsvgRectangle viewport{0, 0, static_cast<double>(pixelsWide), static_cast<double>(pixelsHigh)};
  const bool drawn = rsvg_handle_render_document(handle, cairo, &viewport, &failure);
  cairo_destroy(cairo);
  png->clear();
  const cairo_status_t written = drawn ? cairo_surface_write_to_png_stream(surface, Append, png)
                                       : CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  if (!drawn) return fail("cannot draw the picture");
  if (written != CAIRO_STATUS_SUCCESS) {
    *error = std::string("cannot make the PNG image: ") + cairo_status_to_string(written);
    g_object_unref(handle);
    return false;
  }
  g_object_unref(handle);
  return true;
}

#endif

}  // namespace app
