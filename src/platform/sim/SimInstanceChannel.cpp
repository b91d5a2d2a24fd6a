#include "platform/sim/SimInstanceChannel.h"

#include <string>

#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimInstance.h"

namespace zlt::sim {
namespace {

// The one name instances claim; its holder is the first instance.
constexpr const char* kFirstInstanceName = "ZLTFusen first instance";

}  // namespace

bool SimInstanceChannel::ClaimFirstInstance() {
  if (instance_.Ended()) return false;
  return desktop_.ClaimName(kFirstInstanceName, instance_.Id());
}

platform::WindowHandle SimInstanceChannel::WaitForWindow(std::string_view caption,
                                                         std::chrono::milliseconds /*timeout*/) {
  const SimForm* form = desktop_.FindForm(caption);
  return form != nullptr ? form->Handle() : platform::kNoWindow;
}

bool SimInstanceChannel::SendCopyData(platform::WindowHandle target,
                                      platform::WindowHandle /*sender*/, std::string_view bytes) {
  if (desktop_.LiveForm(target) == nullptr) return false;
  // The receiver gets its own copy, as the system copies cbData bytes across.
  const std::string payload(bytes);
  instance_.CopyDataSent().push_back(payload);
  desktop_.DeliverTo(target, [&](platform::IFormEvents& events) { events.OnCopyData(payload); });
  desktop_.ReturnInto(instance_);
  return true;
}

}  // namespace zlt::sim
