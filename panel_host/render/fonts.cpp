#include "fonts.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <cstring>
#include <iostream>
#include <memory>

#include "core/host_error.h"

namespace panel_host {
namespace {

constexpr const char* kLiquidCrystalFamily = "DSEG7 Classic";
constexpr const char* kFallbackFamily = "DejaVu Sans Mono";

struct PatternRelease {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternRelease>;

// Three weights are enough for the faces in use: light, regular, bold.
int weight_class(std::int32_t weight) {
  if (weight <= 300) return FC_WEIGHT_LIGHT;
  if (weight >= 600) return FC_WEIGHT_BOLD;
  return FC_WEIGHT_REGULAR;
}

bool same_family(FcPattern* pattern, const char* family) {
  FcChar8* found = nullptr;
  return FcPatternGetString(pattern, FC_FAMILY, 0, &found) == FcResultMatch &&
         std::strcmp(reinterpret_cast<const char*>(found), family) == 0;
}

Pattern match(const char* family, int weight) {
  Pattern pattern(FcPatternCreate());
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, weight);
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  return Pattern(FcFontMatch(nullptr, pattern.get(), &result));
}

}  // namespace

void release_font_caches() {
  cairo_debug_reset_static_data();
  FcFini();
}

const char* installed_family(const char* face) {
  if (std::strcmp(face, "Quartz") == 0 || std::strcmp(face, "Glass Gauge") == 0) return kLiquidCrystalFamily;
  return kFallbackFamily;
}

cairo_font_face_t* FontLibrary::face(const char* name, std::int32_t weight) {
  const char* family = installed_family(name);
  const int wanted = weight_class(weight);
  const auto key = std::make_pair(std::string(family), wanted);
  if (const auto found = faces_.find(key); found != faces_.end()) return found->second.get();
  Pattern matched = match(family, wanted);
  if (!matched || !same_family(matched.get(), family)) {
    std::cerr << "panel-host: font \"" << family << "\" is not installed (Debian: "
              << (family == kLiquidCrystalFamily ? "fonts-dseg" : "fonts-dejavu-core") << "); using the nearest match\n";
    if (!matched) matched = match("monospace", wanted);
  }
  if (!matched) throw HostError(std::string("no font found for \"") + name + "\"");
  FontFace created(cairo_ft_font_face_create_for_pattern(matched.get()));
  if (cairo_font_face_status(created.get()) != CAIRO_STATUS_SUCCESS)
    throw HostError(std::string("cannot load the font for \"") + name + "\"");
  return (faces_[key] = std::move(created)).get();
}

}  // namespace panel_host
