#pragma once

#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/program_starter.h"
#include "platform/registry.h"

namespace tallies {

// The platform operations the system-information launcher works through.
struct SysInfoPlatform {
  Registry& registry;
  FileSystem& files;
  ProgramStarter& starter;
  MessageBox& messages;
};

}  // namespace tallies
