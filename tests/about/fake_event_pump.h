#pragma once

#include <functional>

#include "platform/event_pump.h"

namespace tallies::testing {

// Counts the times queued events were let run; a hook stands for an event waiting in the queue
// and runs at the first of them only.
class FakeEventPump : public EventPump {
 public:
  void QueueEvent(std::function<void()> event) { m_queued = std::move(event); }

  void ProcessPendingEvents() override {
    ++m_runs;
    if (m_queued) {
      auto event = std::move(m_queued);
      m_queued = nullptr;
      event();
    }
  }

  int runs() const { return m_runs; }

 private:
  std::function<void()> m_queued;
  int m_runs = 0;
};

}  // namespace tallies::testing
