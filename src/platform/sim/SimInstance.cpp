#include "platform/sim/SimInstance.h"

#include <utility>

#include "platform/sim/SimDesktop.h"

namespace zlt::sim {

Instance::Instance(Desktop& desktop, Config config)
    : desktop_(desktop),
      config_(std::move(config)),
      id_(desktop.RegisterInstance(*this)),
      windows_(desktop, *this),
      files_(config_.hostRoot),
      processes_(desktop, *this),
      clock_(desktop),
      shell_(desktop),
      channel_(desktop, *this),
      environment_(config_.appFolder, config_.userName, config_.commandLine, config_.localAppData),
      platform_{windows_, files_, processes_, clock_, shell_, channel_, environment_} {}

Instance::~Instance() { desktop_.UnregisterInstance(*this); }

void Instance::RunAsProcess(const std::function<void()>& body) { desktop_.Guarded(this, body); }

void Instance::OnEnded(std::function<void()> cleanup) {
  cleanup_ = std::move(cleanup);
  if (ended_ && cleanupDue_ && desktop_.depth_ == 0) desktop_.RunPendingCleanups();
}

std::vector<SimForm*> Instance::Forms() const {
  std::vector<SimForm*> forms;
  for (SimForm* form : desktop_.Forms()) {
    if (form->Owner() == this) forms.push_back(form);
  }
  return forms;
}

}  // namespace zlt::sim
