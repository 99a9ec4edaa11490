#include "app/platform/mailcomposer.h"

#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace ashtally {
namespace {

struct Outcome {
    bool Ok = false;
    QString Message;
};

// Stand-in mail commands in a folder of their own: each records its arguments, one a line,
// into "arguments" beside it, then does what the test asks.
class MailComposerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_folder.isValid()); }

    QString StandIn(const char* name, const char* ending) const {
        const QString path = m_folder.filePath(QString::fromLatin1(name));
        QFile script(path);
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QByteArray("#!/bin/sh\n"
                                "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$(dirname "
                                "\"$0\")/arguments\"\n") +
                     ending + "\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    std::vector<std::string> RecordedArguments() const {
        QFile file(m_folder.filePath(QStringLiteral("arguments")));
        std::vector<std::string> arguments;
        if (file.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : file.readAll().split('\n')) {
                arguments.push_back(line.toStdString());
            }
            arguments.pop_back(); // after the last line break
        }
        return arguments;
    }

    // Composes and waits in the event loop (as the window would) for the outcome.
    static std::optional<Outcome> Compose(MailComposer& composer, const MailMessage& message) {
        std::optional<Outcome> outcome;
        QEventLoop loop;
        composer.Compose(message, [&](bool ok, const QString& text) {
            outcome = Outcome{ok, text};
            loop.quit();
        });
        EXPECT_FALSE(outcome) << "the outcome must not arrive inside Compose";
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        loop.exec();
        return outcome;
    }

    QTemporaryDir m_folder;
};

TEST_F(MailComposerTest, HandsTheArgumentsOverExactly) {
    MailComposer composer(StandIn("mail", "exit 0"));
    const auto outcome = Compose(composer, {.Subject = "1 year — Ευχαριστώ; \"well done\"",
                                            .To = "a@x; b@x,,c@x",
                                            .Attachments = "/tmp/pic 1.jpg"});
    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->Ok) << outcome->Message.toStdString();
    EXPECT_TRUE(outcome->Message.isEmpty());
    const std::vector<std::string> expected = {"--utf8",
                                               "--subject",
                                               "1 year — Ευχαριστώ; \"well done\"",
                                               "--attach",
                                               "/tmp/pic 1.jpg",
                                               "a@x",
                                               " b@x",
                                               "c@x"};
    EXPECT_EQ(expected, RecordedArguments());
}

TEST_F(MailComposerTest, TellsWhenTheCommandIsMissing) {
    MailComposer composer(m_folder.filePath(QStringLiteral("no-such-mail-command")));
    const auto outcome = Compose(composer, {.To = "a@x"});
    ASSERT_TRUE(outcome);
    EXPECT_FALSE(outcome->Ok);
    EXPECT_TRUE(outcome->Message.contains(QStringLiteral("no-such-mail-command")))
        << outcome->Message.toStdString();
    EXPECT_TRUE(outcome->Message.contains(QStringLiteral("xdg-utils")))
        << outcome->Message.toStdString();

    // The same for a name looked up on PATH.
    MailComposer byName(QStringLiteral("ashtally-no-such-mail-command"));
    const auto named = Compose(byName, {.To = "a@x"});
    ASSERT_TRUE(named);
    EXPECT_FALSE(named->Ok);
}

TEST_F(MailComposerTest, TellsWhenTheCommandFails) {
    struct Case {
        const char* Ending;
        const char* InMessage;
    };
    const std::vector<Case> cases = {
        {"exit 1", "exit code 1"},
        {"exit 3", "No mail program is set up"},
        {"exit 2", "file to attach was not found"},
        {"kill -9 $$", "stopped unexpectedly"},
    };
    for (const Case& c : cases) {
        MailComposer composer(StandIn("mail", c.Ending));
        const auto outcome = Compose(composer, {.To = "a@x"});
        ASSERT_TRUE(outcome) << c.Ending;
        EXPECT_FALSE(outcome->Ok) << c.Ending;
        EXPECT_TRUE(outcome->Message.contains(QString::fromUtf8(c.InMessage)))
            << c.Ending << ": " << outcome->Message.toStdString();
    }
}

// Some mail programs keep the command waiting while their message window is open: that is a
// hand-off, not a hang, and the command is left to run.
TEST_F(MailComposerTest, ACommandStillRunningCountsAsHandedOff) {
    MailComposer composer(StandIn("mail", "exec sleep 30"));
    composer.SetPatience(300);
    const auto outcome = Compose(composer, {.To = "a@x"});
    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->Ok);
    EXPECT_EQ((std::vector<std::string>{"--utf8", "a@x"}), RecordedArguments());
}

} // namespace
} // namespace ashtally
