// The gauge definition records: a gauge is a header, a tree of elements,
// calibration tables, failure lists and mouse rectangles, all of it writable
// static module data that the host reads and fills in.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gauge_kit/calling_convention.h"

namespace gauge_kit {

struct GaugeHeader;
struct ElementHeader;

struct PixelPoint {
  std::int32_t x;
  std::int32_t y;
};

// Routine types, called by the host.
using ElementCallback = double(GAUGE_CALL*)(ElementHeader* element);
using MouseCallback = std::int32_t(GAUGE_CALL*)(PixelPoint* point, std::uint32_t mouse_flags);
using GaugeServiceCallback = void(GAUGE_CALL*)(GaugeHeader* gauge, std::uint32_t service_id,
                                               std::uint32_t extra);
using LifecycleRoutine = void(GAUGE_CALL*)();
using LifecycleValueRoutine = void(GAUGE_CALL*)(std::uint32_t value);

enum class ElementKind : std::uint32_t {
  StaticImage = 0,
  Needle = 1,
  String = 2,
  Slider = 3,
  Icon = 4,
  MovingImage = 5,
  Sprite = 6,
};

// Header versions.
inline constexpr std::uint32_t kHeaderVersion700 = 700;
inline constexpr std::uint32_t kHeaderVersion800 = 800;

struct GaugeHeader {
  std::uint32_t version;
  const char* name;
  // Version 700: {root, null}. Version 800: a single pointer to the root.
  ElementHeader** element_list;
  LifecycleRoutine query;
  LifecycleValueRoutine install;
  LifecycleRoutine initialise;
  LifecycleRoutine update;
  LifecycleValueRoutine generate;
  LifecycleRoutine draw;
  LifecycleRoutine kill;
  std::uint32_t default_width_mm;
  std::uint32_t default_height_mm;
  struct MouseRect* mouse_rects;
  GaugeServiceCallback service_callback;
  void* user_data;
  const char* parameters;
  const char* usage;
  // Host working fields.
  void* host_instance = nullptr;
  std::uint32_t host_reserved = 0;
};

struct FailureRecord {
  std::int32_t key;
  std::int32_t action;
  std::uint32_t reserved;
};

struct ElementHeader {
  ElementKind kind;
  std::int32_t bitmap_id;
  PixelPoint position;
  PixelPoint pivot;
  GaugeHeader* gauge;
  ElementHeader** children;  // null-terminated list, or null
  FailureRecord* failures;   // ended by key 0, or null
  std::uint32_t image_flags;
  std::uint32_t special_flags;
  // Host working fields.
  PixelPoint previous_position = {};
  ElementHeader* previous_element = nullptr;
  std::uint32_t host_reserved = 0;
};

struct HostVariable {
  std::uint32_t id;  // 0: no variable, reads 0
  // Host working fields.
  double value = 0.0;  // current value, stored before every callback
  const void* host_variable = nullptr;
};

struct NonlinearityPoint {
  std::int32_t x;
  std::int32_t y;
  double value;
  double angle = 0.0;  // filled by the host
};

struct StaticImageElement {
  ElementHeader header;
};

struct NeedleElement {
  ElementHeader header;
  HostVariable source;
  NonlinearityPoint* scale;
  std::uint32_t scale_points;
  std::int32_t max_degrees_per_tick;
  ElementCallback callback;
};

inline constexpr std::size_t kFontFaceSize = 32;

struct StringElement {
  ElementHeader header;
  HostVariable sources[3];
  char* text;  // set by the host
  std::int32_t box_width;
  std::int32_t box_height;
  std::uint32_t fore_colour;
  std::uint32_t back_colour;
  std::uint32_t highlight_colour;
  char font_face[kFontFaceSize];
  std::int32_t font_weight;
  std::uint32_t charset;
  std::uint32_t format_flags;
  std::uint32_t char_count;
  const void* highlight_list;
  ElementCallback callback;
};

// The version-800 string record carries one more host word at its end.
struct StringElement800 {
  StringElement string;
  std::uint32_t host_word = 0;
};

struct SliderElement {
  ElementHeader header;
  HostVariable x_source;
  double x_scale;
  HostVariable y_source;
  double y_scale;
  ElementCallback x_callback;
  ElementCallback y_callback;
};

struct IconElement {
  ElementHeader header;
  HostVariable source;
  std::uint32_t switch_type;
  std::uint32_t icon_count;
  double scale;
  std::int32_t offset;
  ElementCallback callback;
};

struct MovingImageElement {
  ElementHeader header;
  HostVariable x_source;
  double x_min;
  double x_max;
  HostVariable y_source;
  double y_min;
  double y_max;
  ElementCallback x_callback;
  ElementCallback y_callback;
};

struct SpriteElement {
  ElementHeader header;
  HostVariable x_source;
  double x_scale;
  HostVariable y_source;
  double y_scale;
  HostVariable angle_source;
  double angle_scale;
  float texture_scale_x;
  float texture_scale_y;
  ElementCallback x_callback;
  ElementCallback y_callback;
  ElementCallback angle_callback;
};

enum class MouseRectKind : std::uint32_t {
  EndOfList = 0,
  Parent = 1,
  Child = 2,
  EndOfParent = 3,
  TooltipText = 4,
};

// A tooltip text record's argument list entry; the system only uses empty
// lists (one all-zero entry).
struct TooltipArgument {
  std::uint32_t variable_id;
  std::uint32_t format;
  const void* callback;
};

// The callback field of a tooltip text record holds the text instead.
union MouseTarget {
  MouseCallback callback;
  const char* tooltip_text;
};

struct MouseRect {
  MouseRectKind kind;
  std::int32_t x;
  std::int32_t y;
  std::int32_t width;
  std::int32_t height;
  std::int32_t cursor;  // -1: none
  std::uint32_t tooltip_id;
  std::uint32_t mouse_flags;
  std::uint32_t key_event;
  MouseTarget target;
  const void* data;
};

// Image flags the modules and the host act on.
inline constexpr std::uint32_t kImageTransparent = 0x1;
inline constexpr std::uint32_t kImageBright = 0x4;
inline constexpr std::uint32_t kImageHidden = 0x40000000;

// Mouse flags in use.
inline constexpr std::uint32_t kMouseLeftSingle = 0x20000000;
inline constexpr std::uint32_t kMouseLeftRepeat = 0x20200000;
inline constexpr std::uint32_t kMouseRepeatBit = 0x00200000;

// The element record a callback receives: every kind begins with its header.
template <class Element>
Element& element_as(ElementHeader* element) {
  return *reinterpret_cast<Element*>(element);
}

static_assert(sizeof(double) == 8, "values are 64-bit floats");
static_assert(sizeof(float) == 4, "texture scales are 32-bit floats");
static_assert(sizeof(StringElement::font_face) == 32, "the font face field holds 32 characters");
static_assert(sizeof(void*) != 4 || sizeof(MouseRect) == 11 * 4,
              "a mouse rectangle is eleven 32-bit fields on a 32-bit target");
static_assert(offsetof(StringElement800, string) == 0);
static_assert(sizeof(StringElement800) > sizeof(StringElement));

}  // namespace gauge_kit
