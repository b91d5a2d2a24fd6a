// What IProcesses::EndNow throws inside a sim instance: it unwinds the
// program's stack to the delivery that entered the instance, which marks the
// instance ended. It never reaches a test.
#pragma once

namespace zlt::sim {

class ProcessEnded {
 public:
  ProcessEnded() = default;
  explicit ProcessEnded(int instanceId) : instanceId_(instanceId) {}
  // The instance that ended; 0 when not known.
  int InstanceId() const { return instanceId_; }

 private:
  int instanceId_ = 0;
};

}  // namespace zlt::sim
