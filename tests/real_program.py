#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# real_program.py PROGRAM APP_ID ELEMENT_SCRIPT POSTGRES_DRIVER
# The real program driven through its accessibility tree as a screen reader would, in a D-Bus
# session of its own, and by X input as a pupil would:
# - under Weston (Wayland, headless): the window carries the desktop entry's id; options chosen
#   through their actions move the covers and decide what is judged; Exit ends the program with
#   0, and OK in the error box of a broken data source with 1, the box showing its markup as
#   text;
# - on a bare X server with no window manager, as in a kiosk: after a message box, the window is
#   active again and Alt with a digit chooses an option;
# - there, on a school's PostgreSQL server (pg_virtualenv's, which runs this test) whose lookups
#   wait on a lock this test holds, as a slow query waits: a click on Spin and Enter given while a
#   lookup waits are dropped, not run afterwards (the server counts the lookups), and Exit ends
#   the program at once with 0, while a lookup waits and while the server process is stopped.
import atexit, os, shutil, signal, subprocess, sys, tempfile, time
import pyatspi

program, app_id, element_script, postgres_driver = sys.argv[1:5]
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


def output(*command):
    return subprocess.run(command, env=dict(os.environ, **x11), capture_output=True,
                          text=True).stdout.strip()


def psql(*sql, database="slow"):
    return output("psql", "-XAtq", "-v", "ON_ERROR_STOP=1", "-d", database,
                  *[f"--command={each}" for each in sql])


# Only the lookups' query waits on the lock, and counts.
psql("create role quiz login password 'quiz'", "create database slow", database="postgres")
output("psql", "-Xq", "-d", "slow", "-f", element_script)
psql("""alter table elements rename to element_rows;
create function lookup() returns boolean language plpgsql as $$ begin
    perform pg_advisory_lock_shared(1); perform pg_advisory_unlock_shared(1); return true; end $$;
create view elements as select * from element_rows
    where current_query() not like '%atomicnumber =%' or (select lookup());
grant select on elements to quiz; alter database slow set track_functions = 'pl'""")
server = ("[Elements]\nDriver = %s\nServername = 127.0.0.1\nPort = %s\nDatabase = slow\n"
          "Username = quiz\nPassword = quiz\n") % (postgres_driver, os.environ["PGPORT"])


def start_on_server():
    global quiz, window
    quiz = start(x11, server)
    window = wait_for("the window", lambda: output("xdotool", "search", "--onlyvisible", "--pid",
                                                   str(quiz.pid)).split()[:1])[0]


start_on_server()


def click(control):
    # Spin and Exit, at their places on the window.
    x, y = {"Spin": (184, 356), "Exit": (336, 420)}[control]
    output("xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1")


def while_a_lookup_waits(then):
    holder = subprocess.Popen(["psql", "-XAtq", "-d", "slow", "-c", "select pg_advisory_lock(1)",
                               "-f", "-"], stdin=subprocess.PIPE, stdout=subprocess.PIPE)
    holder.stdout.readline()
    click("Spin")
    wait_for("a lookup waiting", lambda: psql("select count(*) from pg_locks where not granted"
                                              " and locktype = 'advisory'") == "1")
    then()
    holder.communicate()


def user_time():
    # X11's _NET_WM_USER_TIME, which moves on as the window takes a click or a key.
    return output("xprop", "-id", window, "_NET_WM_USER_TIME")


def taken(give):
    before = user_time()
    give()
    wait_for("the input taken", lambda: user_time() != before)


while_a_lookup_waits(lambda: (taken(lambda: click("Spin")),
                              taken(lambda: output("xdotool", "key", "--window", window, "Return")),
                              find(quiz, "text", "Answer").queryEditableText().setTextContents("x")))
wait_for("an element", lambda: text(quiz, "Atomic Number"))
assert text(quiz, "Answer") == "", "text set during the wait was kept"
click("Exit")
assert quiz.wait(120) == 0
wait_for("the session's end", lambda: psql("select count(*) from pg_stat_activity where "
                                           "usename = 'quiz'") == "0")
assert psql("select calls from pg_stat_user_functions") == "1", "input was run afterwards"
start_on_server()
while_a_lookup_waits(lambda: click("Exit") or quiz.wait(120) == 0 or sys.exit("Exit, waiting"))
start_on_server()
wait_for("a session", lambda: psql("select pid from pg_stat_activity where usename = 'quiz'"))
backend = int(psql("select pid from pg_stat_activity where usename = 'quiz'"))
os.kill(backend, signal.SIGSTOP)
click("Exit")
assert quiz.wait(120) == 0, "Exit with the server process stopped"
os.kill(backend, signal.SIGCONT)
