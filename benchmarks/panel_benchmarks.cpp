// The demo panel at its cruise state: each gauge's update pass, a whole
// frame (every gauge updated, drawn and painted into the frame buffer) in a
// steady state and while things move, and a plain copy of a buffer of the
// frame's size as the bound.
#include <benchmark/benchmark.h>

#include <cairo.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "allocation_counter.h"
#include "render/panel_script.h"
#include "render/panel_view.h"

namespace {

struct DemoPanel {
  panel_host::Host host;
  std::unique_ptr<panel_host::PanelView> view;

  DemoPanel() {
    view = std::make_unique<panel_host::PanelView>(host, panel_host::read_panel_config(std::string(DEMO_DIR) + "/panel.cfg"),
                                                   GAUGES_DIR, 1.0);
    std::ifstream script(std::string(DEMO_DIR) + "/cruise.script");
    panel_host::PanelScript(*view).run(script, "cruise.script");
    // Settle: the first frames fill the caches.
    for (int i = 0; i < 3; ++i) {
      view->update();
      view->draw();
      view->paint();
    }
  }
};

DemoPanel& demo() {
  static DemoPanel panel;
  return panel;
}

// Heap allocations per iteration, over the timed loop.
class AllocationsPerIteration {
 public:
  explicit AllocationsPerIteration(benchmark::State& state) : state_(state), first_(benchmarks::allocations()) {}
  ~AllocationsPerIteration() {
    if (!benchmarks::counting_allocations() || state_.iterations() == 0) return;
    state_.counters["allocs_per_iter"] =
        static_cast<double>(benchmarks::allocations() - first_) / static_cast<double>(state_.iterations());
  }
  AllocationsPerIteration(const AllocationsPerIteration&) = delete;
  AllocationsPerIteration& operator=(const AllocationsPerIteration&) = delete;

 private:
  benchmark::State& state_;
  std::uint64_t first_;
};

void GaugeUpdate(benchmark::State& state, std::size_t index) {
  panel_host::GaugeInstance& instance = demo().view->instance(index);
  AllocationsPerIteration counted(state);
  for (auto _ : state) instance.update();
}

void PanelFrame(benchmark::State& state) {
  panel_host::PanelView& view = *demo().view;
  AllocationsPerIteration counted(state);
  for (auto _ : state) {
    view.update();
    view.draw();
    benchmark::DoNotOptimize(view.paint());
  }
  state.counters["pixels"] = view.width() * view.height();
}

// A frame while the aircraft climbs and turns: needles, cards and drums move
// every frame, so their pictures are drawn again.
void PanelFrameMoving(benchmark::State& state) {
  DemoPanel& panel = demo();
  panel_host::PanelView& view = *panel.view;
  panel_host::HostVariables& variables = panel.host.variables();
  double step = 0;
  AllocationsPerIteration counted(state);
  for (auto _ : state) {
    step += 1;
    variables.set(74, 2950 + step * 0.5);
    variables.set(84, std::fmod(245 + step * 0.1, 360.0));
    variables.set(5, std::fmod(38 + step * 0.2, 60.0));
    variables.set(607, 4444416 + step);
    view.update();
    view.draw();
    benchmark::DoNotOptimize(view.paint());
  }
  variables.set(74, 2950);
  variables.set(84, 245);
  variables.set(5, 38);
  variables.set(607, 4444416);
}

void FrameBufferCopy(benchmark::State& state) {
  cairo_surface_t* frame = demo().view->frame();
  const std::size_t bytes = static_cast<std::size_t>(cairo_image_surface_get_stride(frame)) *
                            static_cast<std::size_t>(cairo_image_surface_get_height(frame));
  std::vector<unsigned char> from(bytes, 1), to(bytes, 0);
  AllocationsPerIteration counted(state);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes));
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  DemoPanel& panel = demo();
  for (std::size_t i = 0; i < panel.view->gauge_count(); ++i)
    benchmark::RegisterBenchmark(("GaugeUpdate/" + std::string(panel.view->instance(i).gauge().name)).c_str(), GaugeUpdate, i);
  benchmark::RegisterBenchmark("PanelFrame", PanelFrame)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("PanelFrameMoving", PanelFrameMoving)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("FrameBufferCopy", FrameBufferCopy)->Unit(benchmark::kMicrosecond);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
