#include "about/about_texts.h"

#include "config/app_config.h"

namespace tallies {

std::string AboutCaption() { return "About " + std::string(kApplicationTitle); }

std::string AboutVersionText() {
  return "Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
         std::to_string(kVersionRevision);
}

std::string AboutDescriptionText() {
  return "Hydraulic/General Calculations - Written by " + std::string(kAuthorName) +
         ". Note: " + std::string(kVendorSiteName) +
         " assumes no responsibility for inaccurate information.";
}

std::string AboutDisclaimerText() {
  return "Warning: check every result before you rely on it. " + std::string(kVendorSiteName) +
         " offers these calculations as a help only and accepts no liability for their use.";
}

}  // namespace tallies
