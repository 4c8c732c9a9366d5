#include "ui/image/WorkerUpdateHost.h"
#include "support/TempDir.h"
#include "support/UpdateFakes.h"

#include <QTest>

#include <functional>

namespace fs = std::filesystem;
using cfg::image::Update_Outcome;
using cfg::test::write_bytes;

Q_DECLARE_METATYPE(Update_Outcome)

namespace {

// When the dialog lets go of the update, in the order the update comes to them.
enum class Moment { First_Echo, Last_Echo, Updater_Started };

// A device that answers at once, telling the test of each request as it is sent.
class WatchedEcho : public cfg::test::FakeEcho {
public:
    std::function<void()> on_send;

    cfg::image::Echo_Send send(const std::string& address, int size) override {
        const cfg::image::Echo_Send sent = FakeEcho::send(address, size);
        if (on_send)
            on_send();
        return sent;
    }
};

} // namespace

Q_DECLARE_METATYPE(Moment)

// The update as the dialog's worker runs it, with the user giving it up, or the dialog going, at
// each moment of it: whatever the moment, the update ends there and then or goes on to its end,
// and never writes the job or starts the updater for a dialog that is gone.
class WorkerUpdateHostTest : public QObject {
    Q_OBJECT
private slots:
    void givingUpEndsTheUpdateBeforeAnythingIsWritten_data() {
        QTest::addColumn<Moment>("moment");
        QTest::addColumn<bool>("abandon"); // the dialog goes rather than the user giving up
        QTest::addColumn<bool>("given_up");
        QTest::addColumn<Update_Outcome>("outcome");
        QTest::addColumn<int>("echoes");
        QTest::addColumn<bool>("written"); // the address remembered, the job written, the updater started
        QTest::newRow("given up during the device test")
            << Moment::First_Echo << false << true << Update_Outcome::Given_Up << 1 << false;
        QTest::newRow("given up after the device's last answer")
            << Moment::Last_Echo << false << true << Update_Outcome::Given_Up << 2 << false;
        QTest::newRow("given up once the updater runs")
            << Moment::Updater_Started << false << false << Update_Outcome::Updated << 2 << true;
        QTest::newRow("dialog gone during the device test")
            << Moment::First_Echo << true << true << Update_Outcome::Given_Up << 1 << false;
        QTest::newRow("dialog gone while the updater is waited for")
            << Moment::Updater_Started << true << true << Update_Outcome::Given_Up << 2 << true;
    }

    void givingUpEndsTheUpdateBeforeAnythingIsWritten() {
        QFETCH(Moment, moment);
        QFETCH(bool, abandon);
        QFETCH(bool, given_up);
        QFETCH(Update_Outcome, outcome);
        QFETCH(int, echoes);
        QFETCH(bool, written);

        const cfg::test::TempDir dir;
        const cfg::image::Update_Job_Folders folders{dir / "program", dir / "data", dir / "master",
                                                     dir / "project"};
        write_bytes(folders.Path_Master / "Sim52C40.sim", "firmware");
        for (const char* bank : {"bank1.bin", "bank2.bin", "bank3.bin"})
            write_bytes(folders.Path_Project / "bin" / bank, "bank");
        write_bytes(folders.Path_Exe / "Ethernet_Update", "");
        fs::create_directories(folders.Path_Data);

        WatchedEcho echo;
        cfg::test::FakeRunner ping;
        cfg::test::FakeRunner updater;
        bool answered = false;
        ui::WorkerUpdateHost host([](const cfg::image::Update_Progress&) {},
                                  [&answered](const cfg::image::Update_Request&) { answered = true; });
        bool gave_up = true;
        const auto let_go = [&] {
            if (abandon)
                host.abandon();
            else
                gave_up = host.give_up();
        };
        if (moment == Moment::Updater_Started) {
            updater.on_start = [&](const cfg::image::Program_Launch&) { let_go(); };
            // One that would run for ever: only the dialog's going ends the wait.
            if (abandon)
                updater.ends_with.reset();
        } else {
            const std::size_t at = moment == Moment::First_Echo ? 1 : 2;
            echo.on_send = [&echo, &let_go, at] {
                if (echo.targets.size() == at)
                    let_go();
            };
        }

        const cfg::image::Update_Result result =
            host.run({"127.0.0.1", cfg::image::Update_Firmware_And_Configuration, true}, folders,
                     {echo, ping, updater});

        QCOMPARE(result.outcome, outcome);
        QCOMPARE(gave_up, given_up);
        QCOMPARE(echo.targets.size(), std::size_t(echoes));
        QCOMPARE(answered, written);
        QCOMPARE(fs::exists(folders.Path_Data / "Ethernet_Update.xml"), written);
        QCOMPARE(updater.launches.size(), std::size_t(written));
        // An updater that was started is never ended: it may be writing the device.
        QVERIFY(!updater.stopped);
    }
};

QTEST_APPLESS_MAIN(WorkerUpdateHostTest)
#include "WorkerUpdateHostTest.moc"
