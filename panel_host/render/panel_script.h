// Scripts in the syntax of `panel-host run`, carried out on a panel before it
// is drawn: set, update [N], frame [N] and draw act on every gauge of the
// panel; click, hold, hover and service on the current gauge (use K picks
// the K-th gauge of the panel, 1 at the start); fail, repair and night as in
// run. Lines that print in run print nothing here.
#pragma once

#include <istream>
#include <string>

#include "panel_view.h"

namespace panel_host {

class PanelScript {
 public:
  explicit PanelScript(PanelView& panel) : panel_(panel) {}

  // Carries out one line; throws ScriptError.
  void run_line(const std::string& line);
  // Carries out every line; throws HostError "NAME: line N: ..." at the first bad one.
  void run(std::istream& in, const std::string& name);

 private:
  PanelView& panel_;
  std::size_t current_ = 0;
};

}  // namespace panel_host
