#pragma once

#include "platform/address_opener.h"
#include "platform/event_pump.h"
#include "platform/executable_finder.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/program_folder.h"

namespace tallies {

// The platform operations the web link works through.
struct WebLinkPlatform {
  ProgramFolder& folder;
  FileSystem& files;
  ExecutableFinder& finder;
  EventPump& pump;
  AddressOpener& opener;
  MessageBox& messages;
};

}  // namespace tallies
