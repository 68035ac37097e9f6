// The fonts strings are drawn with: the liquid-crystal faces "Quartz" and
// "Glass Gauge" map to DSEG7, every other face to DejaVu Sans Mono. Faces are
// found through fontconfig once and kept.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "cairo_handles.h"

namespace panel_host {

// The installed family a gauge's font face is drawn with.
const char* installed_family(const char* face);

// Frees what Cairo and fontconfig keep of the fonts for the whole process;
// call it once nothing drawn with Cairo is left (so leak checks stay quiet).
void release_font_caches();

class FontLibrary {
 public:
  FontLibrary() = default;
  FontLibrary(const FontLibrary&) = delete;
  FontLibrary& operator=(const FontLibrary&) = delete;

  // The face for a gauge's font name and weight (100 thin ... 900 heavy).
  cairo_font_face_t* face(const char* name, std::int32_t weight);

 private:
  std::map<std::pair<std::string, int>, FontFace> faces_;
};

}  // namespace panel_host
