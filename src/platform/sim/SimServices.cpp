#include "platform/sim/SimServices.h"

#include "platform/sim/ProcessEnded.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimInstance.h"

namespace zlt::sim {

void SimProcesses::StartMinimisedNoActivate(std::string_view program,
                                            std::string_view commandLine) {
  desktop_.processes_.push_back({std::string(program), std::string(commandLine), true});
}

void SimProcesses::EndNow() { throw ProcessEnded(instance_.Id()); }

unsigned long SimProcesses::CurrentProcessId() const {
  return static_cast<unsigned long>(instance_.Id());
}

bool SimProcesses::SameProgramRunning(unsigned long processId) const {
  const Instance* running = desktop_.FindInstance(static_cast<int>(processId));
  return running != nullptr && !running->Ended();
}

platform::LocalTime SimClock::Now() const { return desktop_.Now(); }

void SimShell::Open(std::string_view address) { desktop_.openedAddresses_.emplace_back(address); }

}  // namespace zlt::sim
