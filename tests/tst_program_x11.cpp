#include "support/OdbcTestConfig.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTest>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <memory>

// The real program on a real X server: its window (or its error box) appears, and closing it
// ends the program with the right status. Runs under xvfb-run.
class TestProgramX11 : public QObject {
    Q_OBJECT

    // One connection for the whole test: an X server resets when its last client leaves.
    std::unique_ptr<Display, decltype(&XCloseDisplay)> display_{nullptr, &XCloseDisplay};

    // The first window below `parent` whose WM_NAME is `title`, or 0.
    static Window FindWindow(Display* display, Window parent, const char* title) {
        char* name = nullptr;
        if (XFetchName(display, parent, &name) && name) {
            const bool match = qstrcmp(name, title) == 0;
            XFree(name);
            if (match)
                return parent;
        }
        Window root = 0;
        Window ignored = 0;
        Window* children = nullptr;
        unsigned count = 0;
        Window found = 0;
        if (XQueryTree(display, parent, &root, &ignored, &children, &count)) {
            for (unsigned i = 0; i < count && !found; ++i)
                found = FindWindow(display, children[i], title);
            if (children)
                XFree(children);
        }
        return found;
    }

    // What a window manager sends when the user clicks the close box.
    static void RequestClose(Display* display, Window window) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] =
            static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window, False, NoEventMask, &event);
        XFlush(display);
    }

private slots:
    void initTestCase() {
        display_.reset(XOpenDisplay(nullptr));
        QVERIFY2(display_, "no X display: run under xvfb-run");
    }

    // Starts the program, waits for a window titled `title` and closes it as a window manager
    // would; the program must then end with `exitCode`.
    void closingTheFirstWindowEndsTheProgram_data() {
        QTest::addColumn<QString>("driver");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("the quiz window") << QString() << QStringLiteral("Elements") << 0;
        QTest::newRow("the error box of a broken data source")
            << QStringLiteral("/nonexistent/libvaltora-missing-driver.so")
            << QStringLiteral("Valtora") << 1;
    }
    void closingTheFirstWindowEndsTheProgram() {
        QFETCH(QString, driver);
        QFETCH(QString, title);
        QFETCH(int, exitCode);
        OdbcTestConfig config;
        if (!driver.isEmpty())
            config.AddDataSource(QStringLiteral("Elements"), driver, {});
        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.setProcessEnvironment(config.Environment());
        program.start(QStringLiteral(VALTORA_PROGRAM), {});
        QVERIFY(program.waitForStarted());

        const QByteArray name = title.toUtf8();
        Window window = 0;
        const QDeadlineTimer deadline(10'000);
        while (!window && !deadline.hasExpired() && program.state() == QProcess::Running) {
            window =
                FindWindow(display_.get(), DefaultRootWindow(display_.get()), name.constData());
            if (!window)
                QTest::qWait(50);
        }
        QVERIFY2(window,
                 qPrintable(QStringLiteral("no window \"%1\" within 10 seconds").arg(title)));

        RequestClose(display_.get(), window);
        QVERIFY(program.waitForFinished(10'000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
    }
};

QTEST_GUILESS_MAIN(TestProgramX11)
#include "tst_program_x11.moc"
