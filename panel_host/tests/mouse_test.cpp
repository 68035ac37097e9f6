// Mouse regions: nested parents, innermost match, repeat flags, tooltips.
#include <gtest/gtest.h>

#include "core/host.h"
#include "core/mouse_regions.h"

namespace {

using panel_host::Host;

struct PressCase {
  int x;
  int y;
  int ticks;
  int rect;
  int cursor;
  std::vector<std::uint32_t> key_events;
  int callbacks;
};

void PrintTo(const PressCase& c, std::ostream* os) { *os << "press " << c.x << "," << c.y << " x" << c.ticks; }

class ProbeMouse : public testing::TestWithParam<PressCase> {};

TEST_P(ProbeMouse, PointActsThroughTheInnermostChildRegion) {
  const PressCase& c = GetParam();
  Host host;
  panel_host::LoadedModule& module = host.load(PROBE_MODULE);
  panel_host::GaugeInstance& instance = host.create(module, module.gauge("Probe"));
  const panel_host::MouseOutcome outcome = instance.press(c.x, c.y, c.ticks);
  EXPECT_EQ(outcome.rect, c.rect);
  EXPECT_EQ(outcome.cursor, c.cursor);
  std::vector<std::uint32_t> sent;
  for (std::size_t i = outcome.first_key_event; i < host.key_events().size(); ++i) sent.push_back(host.key_events()[i].id);
  EXPECT_EQ(sent, c.key_events);
  EXPECT_EQ(outcome.callbacks, c.callbacks);
  EXPECT_EQ(*static_cast<int*>(gauge_platform::find_data(module.library(), "ProbeMouseCalls")), c.callbacks);
}

INSTANTIATE_TEST_SUITE_P(
    Regions, ProbeMouse,
    testing::ValuesIn<PressCase>({
        // A child at (0, 0) of the parent at (38, 138) covers gauge pixels from (38, 138).
        {38, 138, 1, 4, 2, {0x1234}, 0},
        {47, 147, 1, 4, 2, {0x1234}, 0},
        {48, 138, 1, -1, -1, {}, 0},
        {37, 138, 1, -1, -1, {}, 0},
        {58, 138, 1, 5, 1, {0x1235}, 0},
        // Repeating regions act once per tick while held; the others once.
        {40, 140, 3, 4, 2, {0x1234, 0x1234, 0x1234}, 0},
        {60, 140, 3, 5, 1, {0x1235}, 0},
        // A callback region calls the module instead of sending an event.
        {0, 0, 1, 2, 5, {}, 1},
        {19, 19, 2, 2, 5, {}, 1},
        {20, 19, 1, -1, -1, {}, 0},
        {-1, 0, 1, -1, -1, {}, 0},
    }));

TEST(MouseTooltips, InnermostParentGivesTheTooltip) {
  Host host;
  panel_host::LoadedModule& module = host.load(PROBE_MODULE);
  const gauge_kit::MouseRect* list = module.gauge("Probe").mouse_rects;
  const panel_host::MouseHit outer = panel_host::hit_test(list, 200, 200, 5, 150);
  EXPECT_EQ(outer.tooltip_id, 7u);
  EXPECT_STREQ(outer.tooltip_text, "probe");
  EXPECT_EQ(outer.cursor, -1);
  const panel_host::MouseHit inner = panel_host::hit_test(list, 200, 200, 40, 140);
  EXPECT_EQ(inner.tooltip_id, 9u);
  EXPECT_EQ(inner.cursor, 2);
  EXPECT_EQ(panel_host::hit_test(list, 200, 200, 200, 5).tooltip_id, 0u);
}

}  // namespace
