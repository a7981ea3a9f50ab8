#include "about/about_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "config/app_config.h"

namespace tallies {
namespace {

TEST(AboutTexts, CaptionIsAboutAndTheApplicationTitle) {
  EXPECT_EQ(AboutCaption(), "About Tallies");
}

TEST(AboutTexts, VersionHasPlainDigits) {
  // Each number as the project's version writes it: 2, not 02, and 0 rather than nothing.
  EXPECT_EQ(AboutVersionText(), "Version " TALLIES_EXPECTED_VERSION);
}

TEST(AboutTexts, DescriptionNamesAuthorAndSite) {
  EXPECT_EQ(AboutDescriptionText(),
            "Hydraulic/General Calculations - Written by the Tallies developers. Note: " +
                std::string(kVendorSiteName) +
                " assumes no responsibility for inaccurate information.");
}

TEST(AboutTexts, DisclaimerNamesTheSite) {
  const std::string disclaimer = AboutDisclaimerText();
  EXPECT_NE(disclaimer.find(kVendorSiteName), std::string::npos);
}

TEST(AboutTexts, InitialTextsDifferFromTheLoadedOnes) {
  EXPECT_NE(AboutCaption(), kAboutInitialCaption);
}

}  // namespace
}  // namespace tallies
