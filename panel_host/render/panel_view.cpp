#include "panel_view.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "core/host_error.h"

namespace panel_host {
namespace {

namespace fs = std::filesystem;

bool overlaps(const GaugeView& a, const GaugeView& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

int device_pixels(double units, double scale) { return static_cast<int>(std::lround(units * scale)); }

void check_frame_size(int width, int height, const std::string& what) {
  if (width < 1 || height < 1 || width > kLargestFrameSide || height > kLargestFrameSide)
    throw HostError(what + ": a frame of " + std::to_string(width) + " x " + std::to_string(height) +
                    " pixels; the host draws 1 ... " + std::to_string(kLargestFrameSide) + " on a side");
}

bool ends_with_gau(const std::string& name) {
  if (name.size() < 4) return false;
  std::string tail = name.substr(name.size() - 4);
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == ".gau";
}

// Beside the panel.cfg first, then in the gauges folder.
std::string find_module(const std::string& module, const fs::path& panel_folder, const std::string& gauges_directory,
                        const std::string& where) {
  const std::string file = ends_with_gau(module) ? module : module + ".gau";
  const fs::path beside = panel_folder / file;
  const fs::path in_gauges = fs::path(gauges_directory) / file;
  std::error_code error;
  if (fs::is_regular_file(beside, error)) return beside.string();
  if (fs::is_regular_file(in_gauges, error)) return in_gauges.string();
  throw HostError(where + ": module " + module + " not found (looked for " + beside.string() + " and " +
                  in_gauges.string() + ")");
}

}  // namespace

PanelView::PanelView(Host& host, const PanelConfig& config, const std::string& gauges_directory, double scale)
    : host_(host) {
  const auto window = std::find_if(config.windows.begin(), config.windows.end(),
                                   [](const PanelWindow& candidate) { return candidate.visible; });
  if (window == config.windows.end()) throw HostError(config.path + ": no visible window");
  const fs::path folder = fs::path(config.path).parent_path();
  const std::string at_window = config.path + ":" + std::to_string(window->line);
  Surface background;
  if (!window->file.empty()) {
    const std::string where = config.path + ":" + std::to_string(window->file_line);
    try {
      background = load_bmp_file((folder / window->file).string());
    } catch (const HostError& error) {
      throw HostError(where + ": background " + error.what());
    }
  }
  const double width_mm = window->width_mm.value_or(background ? cairo_image_surface_get_width(background.get()) : 0);
  const double height_mm = window->height_mm.value_or(background ? cairo_image_surface_get_height(background.get()) : 0);
  width_ = device_pixels(width_mm, scale);
  height_ = device_pixels(height_mm, scale);
  check_frame_size(width_, height_, at_window);
  background_colour_ = window->background_colour.value_or(0x202020);
  if (background) {
    background_ = make_image_surface(width_, height_);
    Context context(cairo_create(background_.get()));
    cairo_scale(context.get(), static_cast<double>(width_) / cairo_image_surface_get_width(background.get()),
                static_cast<double>(height_) / cairo_image_surface_get_height(background.get()));
    cairo_set_source_surface(context.get(), background.get(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(context.get()), CAIRO_FILTER_GOOD);
    cairo_paint(context.get());
    dark_background_ = darkened_copy(background_.get());
  }
  for (const PanelGaugeLine& line : window->gauges) {
    const std::string where = config.path + ":" + std::to_string(line.line);
    try {
      LoadedModule& module = host_.load(find_module(line.module, folder, gauges_directory, where));
      add_gauge(host_.create(module, module.gauge(line.gauge)), line.x, line.y, line.width, line.height, scale);
    } catch (const HostError& error) {
      const std::string message = error.what();
      throw HostError(message.rfind(where, 0) == 0 ? message : where + ": " + message);
    }
  }
  make_frames();
}

PanelView::PanelView(Host& host, const std::string& module_path, const std::string& gauge, double scale) : host_(host) {
  LoadedModule& module = host_.load(module_path);
  add_gauge(host_.create(module, module.gauge(gauge)), 0, 0, std::nullopt, std::nullopt, scale);
  width_ = gauges_.front().view.width;
  height_ = gauges_.front().view.height;
  make_frames();
}

PanelView::~PanelView() = default;

void PanelView::add_gauge(GaugeInstance& instance, double x, double y, std::optional<double> width,
                          std::optional<double> height, double scale) {
  Gauge gauge;
  gauge.painter = std::make_unique<GaugePainter>(instance, bitmaps_, fonts_);
  const BitmapSize size = gauge.painter->size();
  // Without a width the gauge keeps its root bitmap's size; with a width
  // alone its height follows the bitmap's proportions.
  const double units_wide = width.value_or(size.width);
  const double units_high = height.value_or(width ? units_wide * size.height / size.width : size.height);
  gauge.view = {device_pixels(x, scale), device_pixels(y, scale), std::max(1, device_pixels(units_wide, scale)),
                std::max(1, device_pixels(units_high, scale))};
  check_frame_size(gauge.view.width, gauge.view.height,
                   instance.module().path() + ": gauge \"" + instance.gauge().name + "\"");
  gauge.in_base = std::none_of(gauges_.begin(), gauges_.end(),
                               [&](const Gauge& earlier) { return overlaps(earlier.view, gauge.view); });
  gauge.looks.assign(gauge.painter->still_prefix(), 0);
  gauge.now.assign(gauge.painter->still_prefix(), 0);
  gauges_.push_back(std::move(gauge));
}

void PanelView::make_frames() {
  base_ = make_image_surface(width_, height_);
  frame_ = make_image_surface(width_, height_);
  base_context_.reset(cairo_create(base_.get()));
  frame_image_ = pixman_view(frame_.get());
}

void PanelView::update() {
  for (Gauge& gauge : gauges_) gauge.painter->instance().update();
}

void PanelView::draw() {
  for (Gauge& gauge : gauges_) gauge.painter->instance().draw();
}

bool PanelView::base_is_stale() {
  bool stale = !base_painted_ || base_night_ != host_.night;
  for (Gauge& gauge : gauges_) {
    if (!gauge.in_base) continue;
    gauge.painter->still_looks(host_.night, gauge.now.data());
    if (gauge.now != gauge.looks) stale = true;
  }
  return stale;
}

void PanelView::paint_base() {
  cairo_t* cr = base_context_.get();
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  if (background_) {
    cairo_set_source_surface(cr, host_.night ? dark_background_.get() : background_.get(), 0, 0);
  } else if (background_colour_) {
    const Rgb colour = colour_from_record(*background_colour_, host_.night);
    cairo_set_source_rgb(cr, colour.red, colour.green, colour.blue);
  } else {
    cairo_set_source_rgba(cr, 0, 0, 0, 0);
  }
  cairo_paint(cr);
  cairo_restore(cr);
  for (Gauge& gauge : gauges_) {
    if (!gauge.in_base) continue;
    gauge.painter->paint(cr, gauge.view, host_.night, 0, gauge.painter->still_prefix());
    gauge.looks = gauge.now;
  }
  cairo_surface_flush(base_.get());
  base_painted_ = true;
  base_night_ = host_.night;
}

cairo_surface_t* PanelView::paint() {
  if (base_is_stale()) paint_base();
  cairo_surface_flush(frame_.get());
  std::memcpy(cairo_image_surface_get_data(frame_.get()), cairo_image_surface_get_data(base_.get()),
              static_cast<std::size_t>(cairo_image_surface_get_stride(base_.get())) * static_cast<std::size_t>(height_));
  for (Gauge& gauge : gauges_)
    gauge.painter->compose(frame_image_.get(), gauge.view, host_.night, gauge.in_base ? gauge.painter->still_prefix() : 0,
                           gauge.painter->instance().elements().size());
  cairo_surface_mark_dirty(frame_.get());
  if (cairo_status(base_context_.get()) != CAIRO_STATUS_SUCCESS)
    throw HostError(std::string("drawing the frame failed: ") + cairo_status_to_string(cairo_status(base_context_.get())));
  return frame_.get();
}

void PanelView::write_png(const std::string& path) const {
  std::error_code error;
  const fs::path folder = fs::path(path).parent_path();
  if (!folder.empty()) fs::create_directories(folder, error);
  const cairo_status_t status = cairo_surface_write_to_png(frame_.get(), path.c_str());
  if (status != CAIRO_STATUS_SUCCESS) throw HostError(path + ": cannot be written: " + cairo_status_to_string(status));
}

}  // namespace panel_host
