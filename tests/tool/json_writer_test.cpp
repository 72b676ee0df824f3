#include "tool/json_writer.h"

#include <gtest/gtest.h>

#include "tool/arguments.h"

namespace vn::tool {
namespace {

TEST(JsonWriter, NestsAndSeparates) {
    JsonWriter json;
    const int list[] = {1, 2};
    json.BeginObject()
        .Field("a", 1)
        .ArrayField("b", list)
        .Key("c")
        .BeginObject()
        .EndObject()
        .FieldIf("d", false, [](JsonWriter&) {})
        .Field("e", true)
        .EndObject();
    EXPECT_EQ(json.str(), R"({"a":1,"b":[1,2],"c":{},"d":null,"e":true})");
}

TEST(JsonWriter, EscapesWhatJsonCannotCarry) {
    JsonWriter json;
    json.Value(std::string_view("days: 1\n\"q\"\\\x01\xe9"));
    EXPECT_EQ(json.str(), R"("days: 1\n\"q\"\\\u0001\u00e9")");
}

TEST(Arguments, OptionValuesMayBeNegative) {
    const char* argv[] = {"vnplay-tool", "seek", "f.mvm", "--direction", "-1", "--all", "--step"};
    Arguments args(7, const_cast<char**>(argv), 2, {"direction", "step"}, {"all"});
    EXPECT_FALSE(args.ok());  // --step lacks its value
    EXPECT_EQ(args.Integer("direction"), -1);
    EXPECT_TRUE(args.Has("all"));
    ASSERT_EQ(args.positional().size(), 1u);
    EXPECT_EQ(args.positional()[0], "f.mvm");
}

TEST(Arguments, OptionsTheCommandDoesNotTakeAreErrorsButHelpIsEveryCommands) {
    const char* argv[] = {"vnplay-tool", "info", "f.avi", "--frame", "3", "-h"};
    Arguments args(6, const_cast<char**>(argv), 2, {}, {});
    EXPECT_FALSE(args.ok());
    EXPECT_EQ(args.error(), "unknown option --frame");
    EXPECT_TRUE(args.Has("help"));
}

}  // namespace
}  // namespace vn::tool
