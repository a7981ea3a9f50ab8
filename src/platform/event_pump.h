#pragma once

namespace tallies {

// Lets the events queued on the user-interface thread run (a further click included), then
// returns.
class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void ProcessPendingEvents() = 0;
};

}  // namespace tallies
