#include <QDeadlineTimer>
#include <QProcess>
#include <QTest>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <memory>

// The real program on a real X server: its window appears, and closing it ends the program
// cleanly. Runs under xvfb-run.
class TestProgramX11 : public QObject {
    Q_OBJECT

    using DisplayPtr = std::unique_ptr<Display, decltype(&XCloseDisplay)>;

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
    void windowAppearsAndClosingEndsTheProgram() {
        DisplayPtr display(XOpenDisplay(nullptr), &XCloseDisplay);
        QVERIFY2(display, "no X display: run under xvfb-run");

        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(QStringLiteral(VALTORA_PROGRAM), {});
        QVERIFY(program.waitForStarted());

        Window window = 0;
        const QDeadlineTimer deadline(10'000);
        while (!window && !deadline.hasExpired() && program.state() == QProcess::Running) {
            window = FindWindow(display.get(), DefaultRootWindow(display.get()), "Elements");
            if (!window)
                QTest::qWait(50);
        }
        QVERIFY2(window, "no window named \"Elements\" within 10 seconds");

        RequestClose(display.get(), window);
        QVERIFY(program.waitForFinished(10'000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestProgramX11)
#include "tst_program_x11.moc"
