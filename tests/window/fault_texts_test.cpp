#include "controls/fault_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallies {
namespace {

struct TextCase {
  std::string given;
  std::string expected;
};

TEST(FaultTexts, AnUnexpectedFaultNamesItsCauseOnce) {
  const std::vector<TextCase> cases{
      {"bad allocation",
       "Tallies could not finish this action: bad allocation.\n"
       "The window stays open and keeps what it showed."},
      // The system's own texts end with a full stop and a line break: one full stop stays.
      {"Access is denied.\r\n",
       "Tallies could not finish this action: Access is denied.\n"
       "The window stays open and keeps what it showed."},
      {"",
       "Tallies could not finish this action: Unknown failure.\n"
       "The window stays open and keeps what it showed."},
  };
  for (const TextCase& c : cases) EXPECT_EQ(UnexpectedFaultText(c.given), c.expected);
}

TEST(FaultTexts, ACreationFailureNamesTheWindowAndTheReason) {
  EXPECT_EQ(CreationFailureText("Edit",
                                "Not enough memory resources are available to process "
                                "this command.\r\n"),
            "Tallies cannot open its window: Windows did not create a \"Edit\" window (Not enough "
            "memory resources are available to process this command).\nTallies will close.");
  EXPECT_EQ(CreationFailureText("frmMain", ""),
            "Tallies cannot open its window: Windows did not create a \"frmMain\" window (no "
            "reason given).\nTallies will close.");
}

TEST(FaultTexts, ALogLineIsOneLine) {
  const std::vector<TextCase> cases{
      {"one", "Tallies: one"},
      {"first.\nsecond.", "Tallies: first. second."},
      {"first.\r\nsecond.\r\n", "Tallies: first. second. "},
  };
  for (const TextCase& c : cases) EXPECT_EQ(AsLogLine(c.given), c.expected);
}

}  // namespace
}  // namespace tallies
