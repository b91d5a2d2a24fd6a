// A form's events for the sim's own tests: logs the events they look for as
// short lines and lets a test hang behaviour on the ones it needs.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Form.h"

namespace zlt::sim::test {

class FakeEvents : public platform::IFormEvents {
 public:
  std::vector<std::string> log;
  std::function<void(int)> onTimer;
  std::function<void(int)> onClick;
  std::function<long()> onClose;
  std::function<void(std::string_view)> onCopyData;

  void OnMouseDown(int id, const platform::MouseDown& press) override {
    log.push_back("down " + std::to_string(id) + " b" + std::to_string(press.buttons));
  }
  void OnClick(int id) override {
    log.push_back("click " + std::to_string(id));
    if (onClick) onClick(id);
  }
  void OnDblClick(int id) override { log.push_back("dblclick " + std::to_string(id)); }
  void OnTimer(int id) override {
    log.push_back("timer " + std::to_string(id));
    if (onTimer) onTimer(id);
  }
  void OnActivate() override { log.push_back("activate"); }
  long OnCloseRequest() override { return onClose ? onClose() : 0; }
  void OnCopyData(std::string_view bytes) override {
    if (onCopyData) onCopyData(bytes);
  }
};

}  // namespace zlt::sim::test
