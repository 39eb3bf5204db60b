#include "platform/qt/single_instance.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "platform/qt/picker_widgets.h"

namespace zindo::platform::qt {
namespace {

using Kind = SingleInstance::Request::Kind;

TEST(SingleInstanceTest, ReadsOneShortLineOfShowOrInsertAndAPrintableTokenAndRefusesTheRest) {
    const struct {
        QByteArray received;
        Kind kind;
        QByteArray token;
        bool insert = false;
    } cases[] = {
        {"show\n", Kind::show, ""},
        {"show id_TIME42\nmore", Kind::show, "id_TIME42"},
        {"insert\n", Kind::show, "", true},
        {"insert id_TIME42\n", Kind::show, "id_TIME42", true},
        {"inserted\n", Kind::refused, ""},
        {"show insert\n", Kind::show, "insert"},
        {"show", Kind::incomplete, ""},
        {"show \n", Kind::show, ""},
        {"show\x07now\n", Kind::refused, ""},
        {"show a b\n", Kind::refused, ""},
        {"quit\n", Kind::refused, ""},
        {"showing\n", Kind::refused, ""},
        {"show " + QByteArray(1019, 'x') + "\n", Kind::show, QByteArray(1019, 'x')},
        {"show " + QByteArray(1020, 'x') + "\n", Kind::refused, ""},
        {QByteArray(1024, 'x'), Kind::incomplete, ""},
        {QByteArray(1025, 'x'), Kind::refused, ""},  // cut off, not left to the time-out
    };
    for (const auto& c : cases) {
        const SingleInstance::Request request = SingleInstance::readRequest(c.received);
        EXPECT_EQ(request.kind, c.kind) << c.received.left(40).toStdString();
        EXPECT_EQ(request.token, c.token) << c.received.left(40).toStdString();
        EXPECT_EQ(request.insert, c.insert) << c.received.left(40).toStdString();
    }
}

TEST(SingleInstanceTest, TheLockHolderRunsAndServesAloneAndLaterStartsHandItTheirRequests) {
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    qputenv("DISPLAY", ":7");
    const QByteArray path = SingleInstance::socketPath().toUtf8();
    ASSERT_EQ(::mknod(path.constData(), S_IFSOCK | 0600, 0), 0);  // what a crashed run leaves: a socket nobody serves
    auto holder = std::make_unique<SingleInstance>();
    ASSERT_EQ(holder->claim(SingleInstance::Start::plain), SingleInstance::Claim::run);
    // Not serving yet: a plain start raced it at launch, and asks nothing.
    EXPECT_EQ(SingleInstance().claim(SingleInstance::Start::plain), SingleInstance::Claim::handedOver);

    std::vector<QByteArray> shown;
    ASSERT_TRUE(holder->serve([&](const SingleInstance::Request& request) {
        shown.push_back((request.insert ? "insert:" : "") + request.token);
    }));
    struct stat status = {};
    ASSERT_EQ(::stat(path.constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 077, 0u) << "only the user may reach the running program";
    for (const QByteArray& garbage : {QByteArray("quit\n"), QByteArray(2048, '\xff')}) {
        QLocalSocket client;
        client.connectToServer(QString::fromUtf8(path));
        client.write(garbage);
        EXPECT_TRUE(QTest::qWaitFor([&] { return client.state() == QLocalSocket::UnconnectedState; }, 10000));
    }
    EXPECT_EQ(SingleInstance().claim(SingleInstance::Start::plain), SingleInstance::Claim::handedOver);
    qputenv("XDG_ACTIVATION_TOKEN", "the-token");
    EXPECT_EQ(SingleInstance().claim(SingleInstance::Start::show), SingleInstance::Claim::handedOver);
    qunsetenv("XDG_ACTIVATION_TOKEN");
    EXPECT_EQ(SingleInstance().claim(SingleInstance::Start::insert), SingleInstance::Claim::handedOver);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown.size() == 3; }, 10000));
    EXPECT_EQ(shown, (std::vector<QByteArray>{"", "the-token", "insert:"}));

    holder.reset();  // the lock goes with its holder
    EXPECT_EQ(SingleInstance().claim(SingleInstance::Start::show), SingleInstance::Claim::run);
}

}  // namespace
}  // namespace zindo::platform::qt
