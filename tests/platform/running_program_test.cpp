#include "platform/running_program.h"

#include <gtest/gtest.h>

#include <string>

namespace zindo::platform {
namespace {

TEST(RunningProgramTest, NamesFilesForTheDisplayWhileTheyFitASocketAddressAndSendsOnlyAPrintableToken) {
    RuntimePath path{};
    ASSERT_TRUE(runningProgramPath("/run/user/1000", ":0", "socket", path));
    EXPECT_STREQ(path.data(), "/run/user/1000/zindozindo-_0.socket");
    ASSERT_TRUE(runningProgramPath("/run/user/1000/", "wayland-0", "lock", path));
    EXPECT_STREQ(path.data(), "/run/user/1000/zindozindo-wayland-0.lock");
    // The longest that fits leaves room for the NUL; one more does not fit.
    const std::string_view name = "/zindozindo-_0.socket";
    const std::string directory(path.size() - 1 - name.size(), 'd');
    ASSERT_TRUE(runningProgramPath(directory, ":0", "socket", path));
    EXPECT_EQ(std::string(path.data()), directory + std::string(name));
    EXPECT_FALSE(runningProgramPath(directory + "d", ":0", "socket", path));

    using Parts = std::array<std::string_view, 3>;
    EXPECT_EQ(showRequest("", false), (Parts{"show", "", "\n"}));
    EXPECT_EQ(showRequest("id_TIME42", false), (Parts{"show ", "id_TIME42", "\n"}));
    EXPECT_EQ(showRequest("two words", false), (Parts{"show", "", "\n"}));
    EXPECT_EQ(showRequest("", true), (Parts{"insert", "", "\n"}));
    EXPECT_EQ(showRequest("id_TIME42", true), (Parts{"insert ", "id_TIME42", "\n"}));
    EXPECT_EQ(showRequest("two words", true), (Parts{"insert", "", "\n"}));
}

}  // namespace
}  // namespace zindo::platform
