#pragma once

#include "platform/event_pump.h"

namespace tallies {

// Lets the queued events of the Qt event loop run, then returns.
class QtEventPump : public EventPump {
 public:
  void ProcessPendingEvents() override;
};

}  // namespace tallies
