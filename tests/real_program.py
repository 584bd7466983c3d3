#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# real_program.py PROGRAM APP_ID
# The real program driven through its accessibility tree as a screen reader would, in a D-Bus
# session of its own:
# - under Weston (Wayland, headless): the window carries the desktop entry's id; options chosen
#   through their actions move the covers and decide what is judged; Exit ends the program with
#   0, and OK in the error box of a broken data source with 1, the box showing its markup as
#   text;
# - on a bare X server with no window manager, as in a kiosk: after a message box, the window is
#   active again and Alt with a digit chooses an option.
import atexit, os, shutil, subprocess, sys, tempfile, time
import pyatspi

program, app_id = sys.argv[1:3]
home = tempfile.mkdtemp()
children = []


@atexit.register
def stop_children():
    for child in children:
        child.kill()
    shutil.rmtree(home, ignore_errors=True)


def wait_for(what, find):
    for _ in range(1200):
        if found := find():
            return found
        time.sleep(0.1)
    sys.exit(f"{what}: not within 120 s")


def start(environment, data_source):
    with open(f"{home}/odbc.ini", "w") as ini:
        ini.write(data_source)
    quiz = subprocess.Popen([program], stderr=open(f"{home}/printed", "w"),
                            env=dict(os.environ, **environment))
    children.append(quiz)
    return quiz


def find(quiz, role, name, state=None):
    # The accessible of `role` in the application of process `quiz`, named `name` or whose name
    # `name` accepts, and in `state` where one is given.
    named = name if callable(name) else lambda each: each == name
    for app in pyatspi.Registry.getDesktop(0):
        if app and app.get_process_id() == quiz.pid:
            return pyatspi.findDescendant(app, lambda a: a.getRoleName() == role and named(
                a.name) and (state is None or a.getState().contains(state)))


def act(quiz, role, name):
    wait_for(name, lambda: find(quiz, role, name)).queryAction().doAction(0)


def text(quiz, box):
    return find(quiz, "text", box).queryText().getText(0, -1)


open(f"{home}/odbcinst.ini", "w").close()
os.environ.update(XDG_RUNTIME_DIR=home, ODBCSYSINI=home, ODBCINI=f"{home}/odbc.ini",
                  QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
wayland = dict(QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY="wayland-valtora")
children.append(subprocess.Popen(["weston", "--backend=headless-backend.so", "--idle-time=0",
                                 "--socket=wayland-valtora"], stderr=subprocess.DEVNULL))
wait_for("Weston", lambda: os.path.exists(f"{home}/wayland-valtora"))
quiz = start(dict(wayland, WAYLAND_DEBUG="1"), "")
act(quiz, "push button", "Spin")
name = wait_for("an element", lambda: text(quiz, "Element Name"))
act(quiz, "radio button", "Guess the Name")
wait_for("the name covered", lambda: not text(quiz, "Element Name") and text(quiz, "Symbol"))
find(quiz, "text", "Answer").queryEditableText().setTextContents(name.lower())
act(quiz, "push button", "Check")
wait_for("praise", lambda: find(quiz, "label", "Your my hero"))
act(quiz, "push button", "OK")
act(quiz, "push button", "Exit")
assert quiz.wait(120) == 0, open(f"{home}/printed").read()
assert f'set_app_id("{app_id}")' in open(f"{home}/printed").read(), "no app id " + app_id
quiz = start(wayland, "[Elements]\nDriver = /nonexistent/<b>missing</b>.so\n")
# The driver's words stand in the box as they are, never read as markup.
wait_for("markup shown", lambda: find(quiz, "label", lambda name: "<b>missing</b>.so" in name))
act(quiz, "push button", "OK")
assert quiz.wait(120) == 1, open(f"{home}/printed").read()

xserver = subprocess.Popen(["Xvfb", "-displayfd", "1", "-nolisten", "tcp"], stdout=subprocess.PIPE)
children.append(xserver)
x11 = dict(QT_QPA_PLATFORM="xcb", DISPLAY=":" + xserver.stdout.readline().decode().strip())
quiz = start(x11, "")
wait_for("the window active", lambda: find(quiz, "frame", "Elements", pyatspi.STATE_ACTIVE))
act(quiz, "push button", "Spin")
act(quiz, "push button", "Check")  # an empty answer: "Try Again"
act(quiz, "push button", "OK")
wait_for("the window active", lambda: find(quiz, "frame", "Elements", pyatspi.STATE_ACTIVE))
subprocess.run(["xdotool", "key", "alt+2"], env=dict(os.environ, **x11), check=True)
wait_for("Alt+2", lambda: find(quiz, "radio button", "Guess the Name", pyatspi.STATE_CHECKED))
