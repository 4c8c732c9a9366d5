#include "support/TempDir.h"
#include "ui/platform/QtProgramRunner.h"
#include "ui/platform/TestScripts.h"

#include <QTest>

#include <signal.h>

#include <filesystem>

namespace fs = std::filesystem;
using cfg::image::Program_State;
using cfg::test::read_bytes;
using cfg::test::TempDir;
using cfg::test::write_bytes;
using ui::test::write_script;

Q_DECLARE_METATYPE(Program_State)

// The real program start. Its state moves on as events are processed, as in the update dialog.
class UpdaterPlatformTest : public QObject {
    Q_OBJECT
private slots:
    void tellsHowTheProgramEnded_data() {
        QTest::addColumn<QString>("body");
        QTest::addColumn<Program_State>("state");
        QTest::addColumn<int>("exit_code");
        QTest::newRow("success") << "exit 0\n" << Program_State::Exited << 0;
        QTest::newRow("failure") << "exit 3\n" << Program_State::Exited << 3;
        QTest::newRow("killed") << "kill -9 $$\n" << Program_State::Crashed << 0;
    }

    void tellsHowTheProgramEnded() {
        QFETCH(QString, body);
        QFETCH(Program_State, state);
        QFETCH(int, exit_code);
        TempDir dir;
        write_script(dir / "tool", body.toStdString());
        ui::QtProgramRunner runner;
        QCOMPARE(runner.status().state, Program_State::None);
        QVERIFY(runner.start({dir / "tool", {}, {}, true}));
        QTRY_VERIFY_WITH_TIMEOUT(runner.status().state != Program_State::Running, 10000);
        QCOMPARE(runner.status().state, state);
        QCOMPARE(runner.status().exit_code, exit_code);
    }

    void startsInTheFolderWithTheArguments() {
        TempDir dir;
        fs::create_directories(dir / "work");
        write_script(dir / "tool", "echo \"$#:$1:$2:$(pwd)\" > record\n");
        ui::QtProgramRunner runner;
        QVERIFY(runner.start({dir / "tool", {"first", "second part"}, dir / "work", false}));
        QTRY_COMPARE_WITH_TIMEOUT(runner.status().state, Program_State::Exited, 10000);
        QCOMPARE(read_bytes(dir / "work" / "record"),
                 "2:first:second part:" + fs::canonical(dir / "work").string() + "\n");
    }

    void aProgramThatCannotStartIsNotStarted() {
        TempDir dir;
        write_bytes(dir / "not executable", "#!/bin/sh\n");
        ui::QtProgramRunner runner;
        QVERIFY(!runner.start({dir / "missing", {}, {}, false}));
        QVERIFY(!runner.start({dir / "not executable", {}, {}, false}));
        QCOMPARE(runner.status().state, Program_State::None);
    }

    void stopEndsTheProgram() {
        TempDir dir;
        write_script(dir / "tool", "sleep 30\n");
        ui::QtProgramRunner runner;
        QVERIFY(runner.start({dir / "tool", {}, {}, true}));
        QCOMPARE(runner.status().state, Program_State::Running);
        runner.stop();
        QCOMPARE(runner.status().state, Program_State::Crashed);
    }

    // The updater may still be writing the device when the tool ends.
    void aProgramOutlivesItsRunner() {
        TempDir dir;
        write_script(dir / "tool", "echo $$ >'" + (dir / "pid").string() + "'\nsleep 1\ntouch '" +
                                       (dir / "done").string() + "'\n");
        {
            ui::QtProgramRunner runner;
            QVERIFY(runner.start({dir / "tool", {}, {}, true}));
        }
        QVERIFY(!fs::exists(dir / "done"));
        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(dir / "done"), 10000);
        // Once the program has ended and been reaped, the process object it was let go with is
        // deleted: nothing is left behind.
        const pid_t pid = std::stoi(cfg::test::read_bytes(dir / "pid"));
        QTRY_VERIFY_WITH_TIMEOUT(::kill(pid, 0) != 0, 10000);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(UpdaterPlatformTest)
#include "UpdaterPlatformTest.moc"
