#include "startup/SecondInstance.h"

#include <chrono>
#include <memory>

#include "platform/Cp932.h"
#include "state/Text.h"

namespace zlt {

namespace {

constexpr std::string_view kCheckCaption = "ZLTFusenCheck";
constexpr std::string_view kFirstCaption = "ZLT付箋紙プラグイン";

// The second start's own controller window: a caption the search below can
// never find, and the sender's handle for the message.
class SenderWindow final : public platform::IFormEvents {};

}  // namespace

std::string ForwardPayload(std::string_view commandLine) {
  std::string payload = platform::Utf8ToCp932(StripQuotes(commandLine));
  payload.push_back('\0');
  return payload;
}

void RunSecondInstance(platform::Platform& platform) {
  const std::string commandLine = platform.environment.CommandLine();
  if (commandLine.empty()) platform::EndProcess(platform.processes);

  SenderWindow events;
  platform::FormSpec spec;
  spec.caption = kCheckCaption;
  spec.style = platform::FormStyle::Hidden;
  const auto sender = platform.windows.CreateForm(spec, events);

  const std::string payload = ForwardPayload(commandLine);
  // The first start may still be coming up (the host can fire "/*" and "/N"
  // back to back): give its window a moment to appear.
  const auto first = platform.instance.WaitForWindow(
      kFirstCaption, std::chrono::milliseconds(kFirstInstanceWaitMs));
  if (first != platform::kNoWindow)
    platform.instance.SendCopyData(first, sender->Handle(), payload);
  platform::EndProcess(platform.processes);
}

}  // namespace zlt
