// The player's command line: Qt's options are left to Qt before it starts,
// refused when Qt has not taken them; "--" lets a file begin with a dash.
#include "app/command_line.h"

#include <gtest/gtest.h>

namespace vn::app {
namespace {

using Action = CommandLine::Action;

TEST(CommandLine, QtOptionsPassUntilQtHasTakenItsOwnAndTheRestAreFiles) {
    const QStringList arguments{"-style", "fusion", "REC0001.AVI"};
    EXPECT_EQ(ReadCommandLine(arguments, false).action, Action::Play);
    const CommandLine left = ReadCommandLine({"-stlye", "REC0001.AVI"}, true);
    EXPECT_EQ(left.action, Action::Refuse);
    EXPECT_EQ(left.refused, "-stlye");
    EXPECT_EQ(ReadCommandLine({"--stlye"}, false).action, Action::Refuse);

    const CommandLine files = ReadCommandLine({"a.avi", "--", "-b.avi", "--help"}, true);
    EXPECT_EQ(files.action, Action::Play);
    EXPECT_EQ(files.files, QStringList({"a.avi", "-b.avi", "--help"}));
    EXPECT_EQ(ReadCommandLine({"a.avi", "-h"}, false).action, Action::Help);
    EXPECT_EQ(ReadCommandLine({"--version", "--bogus"}, false).action, Action::Version);
}

}  // namespace
}  // namespace vn::app
