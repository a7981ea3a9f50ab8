#include "platform/qt/qt_event_pump.h"

#include <QCoreApplication>

namespace tallies {

void QtEventPump::ProcessPendingEvents() { QCoreApplication::processEvents(); }

}  // namespace tallies
