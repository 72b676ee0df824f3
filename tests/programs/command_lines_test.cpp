// The installed programs as their users start them: help and version on
// standard output with status 0, a wrong option refused on standard error
// with status 2; every command of vnplay-tool with its help and its section
// in the manual page.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "tool/run_tool.h"
#include "version/version.h"

namespace vn::test {
namespace {

struct Program {
    std::string path;
    std::string name;
};

std::vector<Program> Programs() {
    std::vector<Program> programs{{VNPLAY_TOOL, "vnplay-tool"}, {VNPLAY_SAMPLES, "vnplay-samples"}};
#ifdef VNPLAY_PLAYER
    programs.push_back({VNPLAY_PLAYER, "vnplay"});
#endif
    return programs;
}

TEST(CommandLines, HelpAndVersionAnswerOnStandardOutput) {
    for (const Program& program : Programs()) {
        for (const char* help : {" --help", " -h"}) {
            const ToolRun run = RunCommandLine(program.path + help);
            EXPECT_EQ(run.status, 0) << program.name << help;
            EXPECT_EQ(run.out.rfind("usage: " + program.name + " ", 0), 0u) << run.out;
            EXPECT_EQ(run.err, "") << program.name << help;
        }
        const ToolRun version = RunCommandLine(program.path + " --version");
        EXPECT_EQ(version.status, 0) << program.name;
        EXPECT_EQ(version.out, program.name + " " + version::kText + "\n");
    }
}

TEST(CommandLines, AWrongOptionIsRefusedOnStandardErrorWithStatusTwo) {
    for (const Program& program : Programs()) {
        const ToolRun run = RunCommandLine(program.path + " --no-such-option");
        EXPECT_EQ(run.status, 2) << program.name;
        EXPECT_EQ(run.out, "") << program.name;
        EXPECT_NE(run.err.find("unknown option \"--no-such-option\""), std::string::npos) << run.err;
    }
    const ToolRun command = RunTool("info x.avi --no-such-option");
    EXPECT_EQ(command.status, 2);
    EXPECT_NE(command.err.find("unknown option --no-such-option"), std::string::npos) << command.err;
}

TEST(ToolCommands, EachHasItsHelpAndItsSectionInTheManualPage) {
    std::ifstream file(VN_MAN_PAGES "/vnplay-tool.1.in");
    const std::string roff{std::istreambuf_iterator<char>(file), {}};
    const std::string manual = std::regex_replace(roff, std::regex(R"(\\-)"), "-");
    ASSERT_FALSE(manual.empty());

    const ToolRun overview = RunTool("--help");
    const std::regex commandLine("^  ([a-z-]+) ");
    const std::regex option("--[a-z-]+");
    int commands = 0;
    for (const std::string& line : overview.OutLines()) {
        std::smatch command;
        if (!std::regex_search(line, command, commandLine)) continue;
        ++commands;
        const std::string name = command[1];
        EXPECT_NE(manual.find(".SS " + name + " "), std::string::npos) << name << " has no section in the manual";
        const ToolRun help = RunTool(name + " --help");
        EXPECT_EQ(help.status, 0) << name;
        EXPECT_EQ(help.out.rfind("usage: vnplay-tool " + name + " ", 0), 0u) << help.out;
        for (std::sregex_iterator it(help.out.begin(), help.out.end(), option), end; it != end; ++it) {
            EXPECT_NE(manual.find(it->str()), std::string::npos) << name << " " << it->str() << " is not in the manual";
        }
    }
    EXPECT_GE(commands, 5) << overview.out;
}

}  // namespace
}  // namespace vn::test
