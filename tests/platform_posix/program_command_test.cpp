#include "platform/program_command.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallies {
namespace {

using namespace std::string_literals;

// A program's command as one text, and the path and arguments it stands for.
struct CommandCase {
  const char* name;
  std::string text;
  std::vector<std::string> parts;
};

class ProgramCommandTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(ProgramCommandTest, SplitsOnlyAtNulCharacters) {
  EXPECT_EQ(SplitCommand(GetParam().text), GetParam().parts);
}

TEST_P(ProgramCommandTest, JoiningThePartsGivesTheText) {
  const std::vector<std::string>& parts = GetParam().parts;
  const std::vector<std::string> arguments(parts.begin() + 1, parts.end());
  EXPECT_EQ(JoinCommand(parts.front(), arguments), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ProgramCommandTest,
    ::testing::Values(
        CommandCase{"Empty", "", {""}},
        CommandCase{"PathAlone", "/usr/bin/xfce4-about", {"/usr/bin/xfce4-about"}},
        CommandCase{
            "BlanksStayInThePath", "/opt/my tools/info center", {"/opt/my tools/info center"}},
        CommandCase{"OneArgument",
                    "/usr/bin/gnome-control-center\0info-overview"s,
                    {"/usr/bin/gnome-control-center", "info-overview"}},
        CommandCase{"ArgumentsWithBlanks", "/bin/viewer\0a b\0c"s, {"/bin/viewer", "a b", "c"}},
        CommandCase{"EmptyArgument", "/bin/viewer\0\0c"s, {"/bin/viewer", "", "c"}},
        CommandCase{"EmptyLastArgument", "/bin/viewer\0"s, {"/bin/viewer", ""}}),
    [](const ::testing::TestParamInfo<CommandCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tallies
