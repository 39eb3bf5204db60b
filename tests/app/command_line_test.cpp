#include "app/command_line.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "emoji_literal.h"

namespace zindo {
namespace {

using testing::utf8;

struct Result {
    CommandLineOutcome outcome;
    std::string out, err;
};

Result run(std::vector<std::string_view> arguments) {
    std::ostringstream out, err;
    const CommandLineOutcome outcome = runCommandLine(arguments, out, err);
    return {outcome, out.str(), err.str()};
}

TEST(CommandLineTest, NoArgumentsStartTheProgramAndShowAlsoOpensAPicker) {
    const Result r = run({});
    EXPECT_TRUE(r.outcome.startPicker);
    EXPECT_FALSE(r.outcome.showPicker);
    EXPECT_EQ(r.out + r.err, "");
    const Result show = run({"--show"});
    EXPECT_TRUE(show.outcome.startPicker);
    EXPECT_TRUE(show.outcome.showPicker);
    EXPECT_EQ(show.out + show.err, "");
    EXPECT_EQ(run({"--show", "now"}).outcome.exitStatus, 2);
}

TEST(CommandLineTest, SearchPrintsOneEmojiALineInGridOrder) {
    const std::string grin = utf8("1F600") + "\n" + utf8("1F603") + "\n" + utf8("1F601") + "\n" + utf8("1F605") + "\n" +
                             utf8("1F63A") + "\n" + utf8("1F638") + "\n";
    EXPECT_EQ(run({"--search", "grin"}).out, grin);
    EXPECT_EQ(run({"--search=GRIN"}).out, grin);
    const std::string bread = utf8("1F956") + "\n";
    EXPECT_EQ(run({"--search", "baguette"}).out, bread + bread + bread);
}

TEST(CommandLineTest, SearchWithoutMatchesSucceedsSilently) {
    const Result r = run({"--search", "zzq"});
    EXPECT_FALSE(r.outcome.startPicker);
    EXPECT_EQ(r.outcome.exitStatus, 0);
    EXPECT_EQ(r.out + r.err, "");
}

TEST(CommandLineTest, ListPrintsEveryEntryWithItsKeywords) {
    const Result r = run({"--list"});
    std::istringstream lines(r.out);
    std::vector<std::string> all;
    for (std::string line; std::getline(lines, line);) all.push_back(line);
    ASSERT_EQ(all.size(), 932u);
    EXPECT_EQ(all[0], utf8("1F600") + "\tgrin happy smile face cheerful joy");
    EXPECT_EQ(all[365], utf8("1F986") + "\tduck bird quack pond zindo ardelka");
    EXPECT_EQ(all[155], utf8("1F44D") + "\t");  // no row, nothing after the tab
}

TEST(CommandLineTest, HelpAndVersion) {
    EXPECT_NE(run({"--help"}).out.find("Usage: zindozindo"), std::string::npos);
    EXPECT_EQ(run({"-h"}).out, run({"--help"}).out);
    EXPECT_EQ(run({"--version"}).out.rfind("zindozindo ", 0), 0u);
}

TEST(CommandLineTest, MistakesGetOneLineOnStderrAndStatusTwo) {
    const std::vector<std::vector<std::string_view>> mistakes{
        {"--bogus"}, {"--search"}, {"--search", "\xFF"}, {"--list", "extra"}, {"--search", "a", "b"}, {"search"}};
    for (const auto& arguments : mistakes) {
        const Result r = run(arguments);
        EXPECT_FALSE(r.outcome.startPicker);
        EXPECT_EQ(r.outcome.exitStatus, 2) << arguments[0];
        EXPECT_EQ(r.out, "") << arguments[0];
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

// The installed binary as a script runs it: stdout bytes and the exit status.
TEST(CommandLineProcessTest, BinaryPrintsExactBytesAndExitStatus) {
    const auto shell = [](const std::string& command, std::string& out) {
        FILE* pipe = popen(command.c_str(), "r");
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        return WEXITSTATUS(pclose(pipe));
    };
    std::string out;
    EXPECT_EQ(shell(std::string(ZINDO_BINARY) + " --search zindo", out), 0);
    EXPECT_EQ(out, utf8("1F986") + "\n");
    out.clear();
    EXPECT_EQ(shell(std::string(ZINDO_BINARY) + " --search \"$(printf '\\377')\" 2>/dev/null", out), 2);
    EXPECT_EQ(out, "");
}

}  // namespace
}  // namespace zindo
