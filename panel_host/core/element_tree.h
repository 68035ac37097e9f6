// A gauge's element tree in drawing order: the root, then each element's
// children in list order, depth first.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "gauge_kit/records.h"

namespace panel_host {

struct TreeEntry {
  gauge_kit::ElementHeader* element;
  int depth;
  int parent;  // index of the parent entry, -1 for the root
};

// Throws HostError (prefixed with `context`) for a tree that loops or is absurdly large.
std::vector<TreeEntry> flatten_tree(gauge_kit::ElementHeader* root, const std::string& context);

gauge_kit::ElementHeader* root_element(const gauge_kit::GaugeHeader& header);

// Number of entries in an element's null-terminated children list.
int child_count(const gauge_kit::ElementHeader& element);

// The sources of an element, by kind; the callbacks read these. Held in
// place, so that an update pass allocates nothing.
struct ElementSources {
  std::array<gauge_kit::HostVariable*, 3> items{};
  std::size_t count = 0;
  gauge_kit::HostVariable** begin() { return items.data(); }
  gauge_kit::HostVariable** end() { return items.data() + count; }
};
ElementSources element_sources(gauge_kit::ElementHeader& element);

const char* kind_name(gauge_kit::ElementKind kind);

}  // namespace panel_host
