#include "app/command_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace zindo {
namespace {

struct Result {
    CommandLineOutcome outcome;
    std::string out, err;
};

Result run(std::vector<std::string_view> arguments) {
    std::ostringstream out, err;
    const CommandLineOutcome outcome = runCommandLine(arguments, out, err);
    return {outcome, out.str(), err.str()};
}

TEST(CommandLineTest, SearchAndListPrintInGridOrderAndNoArgumentsOrShowStartThePicker) {
    EXPECT_EQ(run({"--search", "baguette"}).out, "\U0001F956\n\U0001F956\n\U0001F956\n");  // repeats and all
    EXPECT_EQ(run({"--search=GRIN"}).out.substr(0, 10), "\U0001F600\n\U0001F603\n");
    const Result none = run({"--search", "zzq"});
    EXPECT_EQ(none.outcome.exitStatus, 0);
    EXPECT_EQ(none.out + none.err, "");
    const std::string list = run({"--list"}).out;
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 932);
    EXPECT_NE(list.find("\n\U0001F986\tduck bird quack pond zindo ardelka\n"), std::string::npos);

    EXPECT_TRUE(run({}).outcome.startPicker);
    EXPECT_FALSE(run({}).outcome.showPicker);
    EXPECT_TRUE(run({"--show"}).outcome.showPicker);
    EXPECT_FALSE(run({"--show"}).outcome.insert);
    for (const auto& insert :
         std::vector<std::vector<std::string_view>>{{"--insert"}, {"--show", "--insert"}, {"--insert", "--show"}}) {
        const CommandLineOutcome outcome = run(insert).outcome;
        EXPECT_TRUE(outcome.startPicker && outcome.showPicker && outcome.insert) << insert.size();
    }
    const CommandLineOutcome background = run({"--background"}).outcome;
    EXPECT_TRUE(background.startPicker && background.background && !background.showPicker);
    EXPECT_EQ(run({"-h"}).out, run({"--help"}).out);
}

TEST(CommandLineTest, MistakesGetOneLineOnStderrAndStatusTwo) {
    for (const auto& arguments : std::vector<std::vector<std::string_view>>{{"--bogus"},
                                                                            {"--search"},
                                                                            {"--search", "\xFF"},
                                                                            {"--list", "x"},
                                                                            {"--show", "now"},
                                                                            {"--show", "--show"},
                                                                            {"--insert", "--insert"},
                                                                            {"--background", "x"},
                                                                            {"search"}}) {
        const Result r = run(arguments);
        EXPECT_FALSE(r.outcome.startPicker);
        EXPECT_EQ(r.outcome.exitStatus, 2) << arguments[0];
        EXPECT_EQ(r.out, "") << arguments[0];
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    for (std::string_view overlongSurrogateOrCutShort : {"\xC0\xAF", "\xED\xA0\x80", "a\xF0\x9F\x98"})
        EXPECT_EQ(run({"--search", overlongSurrogateOrCutShort}).outcome.exitStatus, 2);
}

}  // namespace
}  // namespace zindo
