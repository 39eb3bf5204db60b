#include "app/command_line.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

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

TEST(CommandLineTest, NoArgumentsStartTheProgramAndShowAlsoOpensAPicker) {
    EXPECT_TRUE(run({}).outcome.startPicker);
    EXPECT_FALSE(run({}).outcome.showPicker);
    EXPECT_TRUE(run({"--show"}).outcome.showPicker);
}

TEST(CommandLineTest, SearchPrintsOneEmojiALineInGridOrderAndListEveryEntryWithItsKeywords) {
    const std::string bread = "\U0001F956\n";
    EXPECT_EQ(run({"--search", "baguette"}).out, bread + bread + bread);
    EXPECT_EQ(run({"--search=GRIN"}).out.substr(0, 10), "\U0001F600\n\U0001F603\n");
    const Result none = run({"--search", "zzq"});
    EXPECT_EQ(none.outcome.exitStatus, 0);
    EXPECT_EQ(none.out + none.err, "");

    std::istringstream lines(run({"--list"}).out);
    std::vector<std::string> all;
    for (std::string line; std::getline(lines, line);) all.push_back(line);
    ASSERT_EQ(all.size(), 932u);
    EXPECT_EQ(all[365], "\U0001F986\tduck bird quack pond zindo ardelka");
    EXPECT_EQ(all[155], "\U0001F44D\t");  // no row, nothing after the tab
}

TEST(CommandLineTest, HelpVersionAndMistakes) {
    EXPECT_NE(run({"--help"}).out.find("Usage: zindozindo"), std::string::npos);
    EXPECT_EQ(run({"-h"}).out, run({"--help"}).out);
    EXPECT_EQ(run({"--version"}).out.rfind("zindozindo ", 0), 0u);
    const std::vector<std::vector<std::string_view>> mistakes{
        {"--bogus"}, {"--search"}, {"--search", "\xFF"}, {"--list", "extra"}, {"--show", "now"}, {"search"}};
    for (const auto& arguments : mistakes) {
        const Result r = run(arguments);
        EXPECT_FALSE(r.outcome.startPicker);
        EXPECT_EQ(r.outcome.exitStatus, 2) << arguments[0];
        EXPECT_EQ(r.out, "") << arguments[0];
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

// The binary as a script runs it: stdout bytes and the exit status.
TEST(CommandLineProcessTest, BinaryPrintsExactBytesAndExitStatus) {
    const auto shell = [](const std::string& command, std::string& out) {
        FILE* pipe = popen((std::string(ZINDO_BINARY) + command).c_str(), "r");
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        return WEXITSTATUS(pclose(pipe));
    };
    std::string out;
    EXPECT_EQ(shell(" --search zindo", out), 0);
    EXPECT_EQ(out, "\U0001F986\n");
    out.clear();
    EXPECT_EQ(shell(" --search \"$(printf '\\377')\" 2>/dev/null", out), 2);
    EXPECT_EQ(out, "");
}

}  // namespace
}  // namespace zindo
