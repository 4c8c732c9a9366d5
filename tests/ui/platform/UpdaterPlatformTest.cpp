#include "support/TempDir.h"
#include "ui/platform/QtProgramStarter.h"
#include "ui/platform/SocketIcmpEcho.h"
#include "ui/platform/TestScripts.h"

#include <QTest>

#include <filesystem>

namespace fs = std::filesystem;
using cfg::image::Echo_Outcome;
using cfg::test::read_bytes;
using cfg::test::TempDir;
using cfg::test::write_bytes;
using ui::test::write_script;

Q_DECLARE_METATYPE(Echo_Outcome)

namespace {} // namespace

// The real ICMP echo, only ever towards the loopback address, and the real program start.
class UpdaterPlatformTest : public QObject {
    Q_OBJECT
private slots:
    void theLoopbackAddressAnswers_data() {
        QTest::addColumn<int>("data_size");
        QTest::addColumn<Echo_Outcome>("outcome");
        QTest::newRow("the device test's 1024 bytes") << 1024 << Echo_Outcome::Reply;
        QTest::newRow("a reply without data does not count") << 0 << Echo_Outcome::No_Reply;
    }

    void theLoopbackAddressAnswers() {
        if (!ui::SocketIcmpEcho::available())
            QSKIP("this system allows neither an ICMP datagram socket nor a raw one");
        QFETCH(int, data_size);
        QFETCH(Echo_Outcome, outcome);
        ui::SocketIcmpEcho echo;
        // Twice on one echo: the second request must not take the first one's reply for its own.
        QCOMPARE(echo.echo("127.0.0.1", data_size, 1000), outcome);
        QCOMPARE(echo.echo("127.0.0.1", data_size, 1000), outcome);
    }

    // No name is looked up and nothing is sent for these.
    void aTextThatIsNoIpv4AddressFailsToSend() {
        ui::SocketIcmpEcho echo;
        for (const char* text : {"localhost", "127.0.0", "127.0.0.1.1", "127.0.0.256", "127.0.x.1", ""})
            QVERIFY2(echo.echo(text, 1024, 400) == Echo_Outcome::Send_Failed, text);
    }

    void aProgramThatEndsIsWaitedFor() {
        TempDir dir;
        write_script(dir / "tool", "echo \"$#:$1:$2\" > '" + (dir / "arguments").string() + "'\n");
        ui::QtProgramStarter starter(10000);
        QCOMPARE(starter.Start_Program(dir / "tool", "first \"second part\"", 1), ui::Start_Outcome::Ended);
        QCOMPARE(read_bytes(dir / "arguments"), std::string("2:first:second part\n"));
        QCOMPARE(starter.Start_Program(dir / "tool", "", 0), ui::Start_Outcome::Ended);
        QCOMPARE(read_bytes(dir / "arguments"), std::string("0::\n"));
    }

    void aProgramThatCannotStartIsReportedAsNotStarted() {
        TempDir dir;
        write_bytes(dir / "not executable", "#!/bin/sh\n");
        ui::QtProgramStarter starter(10000);
        QCOMPARE(starter.Start_Program(dir / "missing", "", 0), ui::Start_Outcome::Not_Started);
        QCOMPARE(starter.Start_Program(dir / "not executable", "", 0), ui::Start_Outcome::Not_Started);
    }

    void aProgramThatOutlastsTheLimitGoesOnAfterTheStarterIsGone() {
        TempDir dir;
        write_script(dir / "tool", "sleep 1\ntouch '" + (dir / "done").string() + "'\n");
        {
            ui::QtProgramStarter starter(100);
            QCOMPARE(starter.Start_Program(dir / "tool", "", 0), ui::Start_Outcome::Still_Running);
        }
        QVERIFY(!fs::exists(dir / "done"));
        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(dir / "done"), 10000);
    }
};

QTEST_MAIN(UpdaterPlatformTest)
#include "UpdaterPlatformTest.moc"
