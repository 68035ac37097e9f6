// A panel window as the host shows it: its gauges created in the host, laid
// out in device pixels, updated and drawn together into one frame. The
// leading still elements of the gauges (their faces) are kept in a base
// picture with the window's background and drawn again only when their look
// changes; each frame starts as a copy of it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "bitmap_surfaces.h"
#include "cairo_handles.h"
#include "core/host.h"
#include "fonts.h"
#include "gauge_painter.h"
#include "panel_config.h"

namespace panel_host {

// Frames larger than this on a side are refused.
inline constexpr int kLargestFrameSide = 16384;

class PanelView {
 public:
  // The first visible window of `config`; modules are looked for beside the
  // panel.cfg, then in `gauges_directory`. Throws HostError "panel.cfg:LINE: ...".
  PanelView(Host& host, const PanelConfig& config, const std::string& gauges_directory, double scale);
  // One gauge on its own, at its root bitmap's size, on a transparent frame.
  PanelView(Host& host, const std::string& module_path, const std::string& gauge, double scale);
  ~PanelView();
  PanelView(const PanelView&) = delete;
  PanelView& operator=(const PanelView&) = delete;

  Host& host() const { return host_; }
  std::size_t gauge_count() const { return gauges_.size(); }
  GaugeInstance& instance(std::size_t index) const { return gauges_.at(index).painter->instance(); }
  const GaugeView& view(std::size_t index) const { return gauges_.at(index).view; }
  int width() const { return width_; }
  int height() const { return height_; }

  void update();  // one update pass of every gauge, in panel order
  void draw();    // one draw step of every gauge
  // Paints the frame from the gauges' present state and returns it.
  cairo_surface_t* paint();
  cairo_surface_t* frame() const { return frame_.get(); }
  // Writes the last painted frame; throws HostError naming the file.
  void write_png(const std::string& path) const;

 private:
  struct Gauge {
    std::unique_ptr<GaugePainter> painter;
    GaugeView view;
    bool in_base = false;
    std::vector<std::int64_t> looks;  // the still prefix as the base shows it
    std::vector<std::int64_t> now;    // as it looks now
  };
  void add_gauge(GaugeInstance& instance, double x, double y, std::optional<double> width,
                 std::optional<double> height, double scale);
  void make_frames();
  bool base_is_stale();
  void paint_base();

  Host& host_;
  BitmapSurfaces bitmaps_;
  FontLibrary fonts_;
  std::vector<Gauge> gauges_;
  int width_ = 0, height_ = 0;
  Surface background_;       // stretched to the frame, or none
  Surface dark_background_;
  std::optional<std::uint32_t> background_colour_;  // 0x00BBGGRR; none: transparent
  Surface base_;
  Surface frame_;
  PixmanImage frame_image_;
  Context base_context_;
  bool base_painted_ = false;
  bool base_night_ = false;
};

}  // namespace panel_host
