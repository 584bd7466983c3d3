#include "support/OdbcTestConfig.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTest>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

// The real program on an X server of the test's own: its window, or the error box of a broken
// data source, appears, and closing it as a window manager would ends the program with 0 or 1.
class TestProgramX11 : public QObject {
    Q_OBJECT

    QProcess server_;
    Display* display_ = nullptr;

    // The shown top-level window named `title`, or 0.
    Window ShownWindow(const QByteArray& title) {
        Window root = 0, parent = 0, *children = nullptr, found = 0;
        unsigned count = 0;
        XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count);
        for (unsigned i = 0; i < count; ++i) {
            char* name = nullptr;
            XWindowAttributes attributes{};
            if (XFetchName(display_, children[i], &name) && title == name &&
                XGetWindowAttributes(display_, children[i], &attributes) &&
                attributes.map_state == IsViewable)
                found = children[i];
            XFree(name);
        }
        XFree(children);
        return found;
    }

private slots:
    // Xvfb picks a free display itself and names it once it accepts clients. The test holds one
    // connection throughout, so that the server never resets between cases.
    void initTestCase() {
        server_.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-nolisten", "tcp"});
        QTRY_VERIFY_WITH_TIMEOUT(server_.canReadLine(), 60'000);
        qputenv("DISPLAY", ":" + server_.readLine().trimmed());
        display_ = XOpenDisplay(nullptr);
        QVERIFY(display_);
        // A window may go between finding it and sending to it: no error ends the test.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    }
    void cleanupTestCase() {
        XCloseDisplay(display_);
        server_.terminate();
        server_.waitForFinished();
    }

    void closingTheFirstWindowEndsTheProgram_data() {
        QTest::addColumn<QStringList>("dataSource");
        QTest::addColumn<QByteArray>("title");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("the quiz window") << QStringList{} << QByteArray("Elements") << 0;
        QTest::newRow("the error box of a broken data source")
            << QStringList{"Driver = /nonexistent/libvaltora-missing.so"} << QByteArray("Valtora")
            << 1;
    }
    void closingTheFirstWindowEndsTheProgram() {
        QFETCH(QStringList, dataSource);
        QFETCH(QByteArray, title);
        QFETCH(int, exitCode);
        const OdbcTestConfig config(dataSource);
        QProcessEnvironment environment = config.Environment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VALTORA_PROGRAM), {});
        // A close request that comes before the window is ready may be lost: it is sent again,
        // as a user would click again, until the program ends or the deadline passes.
        XEvent close{};
        close.xclient.type = ClientMessage;
        close.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
        close.xclient.format = 32;
        close.xclient.data.l[0] =
            static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
        const QDeadlineTimer deadline(120'000);
        bool shown = false;
        while (!program.waitForFinished(200) && !deadline.hasExpired()) {
            close.xclient.window = ShownWindow(title);
            if (close.xclient.window) {
                shown = true;
                XSendEvent(display_, close.xclient.window, False, NoEventMask, &close);
                XFlush(display_);
            }
        }
        QVERIFY2(shown, "the window never appeared");
        QCOMPARE(program.state(), QProcess::NotRunning);
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
    }
};

QTEST_GUILESS_MAIN(TestProgramX11)
#include "tst_program_x11.moc"
