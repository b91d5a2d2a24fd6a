// A form's events for the sim's own tests: logs every event as a short line
// and lets a test hang behaviour on the ones it needs.
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
    Log("down " + std::to_string(id) + " b" + std::to_string(press.buttons));
  }
  void OnClick(int id) override {
    Log("click " + std::to_string(id));
    if (onClick) onClick(id);
  }
  void OnDblClick(int id) override { Log("dblclick " + std::to_string(id)); }
  void OnKeyDown(int id, int key, int shift) override {
    Log("keydown " + std::to_string(id) + " " + std::to_string(key) + " " + std::to_string(shift));
  }
  void OnKeyPress(int id, int& key) override {
    Log("keypress " + std::to_string(id) + " " + std::to_string(key));
  }
  void OnChange(int id) override { Log("change " + std::to_string(id)); }
  void OnGotFocus(int id) override { Log("gotfocus " + std::to_string(id)); }
  void OnLostFocus(int id) override { Log("lostfocus " + std::to_string(id)); }
  void OnTimer(int id) override {
    Log("timer " + std::to_string(id));
    if (onTimer) onTimer(id);
  }
  void OnActivate() override { Log("activate"); }
  long OnCloseRequest() override {
    Log("close");
    return onClose ? onClose() : 0;
  }
  void OnEndSession() override { Log("endsession"); }
  void OnCopyData(std::string_view bytes) override {
    Log("copydata " + std::string(bytes));
    if (onCopyData) onCopyData(bytes);
  }

 private:
  void Log(std::string line) { log.push_back(std::move(line)); }
};

}  // namespace zlt::sim::test
