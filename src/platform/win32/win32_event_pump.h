#pragma once

#include "platform/event_pump.h"

namespace tallies {

// Lets the queued window messages of the thread run, then returns.
class Win32EventPump : public EventPump {
 public:
  void ProcessPendingEvents() override;
};

}  // namespace tallies
