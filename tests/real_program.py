#!/usr/bin/python3
# real_program.py PROGRAM APP_ID
# The real program under Weston (Wayland, headless), driven through its accessibility tree as a
# screen reader would: the quiz window appears, carrying the desktop entry's id, and Exit ends the
# program with 0; a broken data source shows its error box, and OK ends the program with 1. Runs
# inside a D-Bus session of its own.
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


def accessible(pid, role, name):
    # The accessible of `role` named `name` in the application of process `pid`.
    for app in pyatspi.Registry.getDesktop(0):
        if app and app.get_process_id() == pid:
            return pyatspi.findDescendant(app, lambda a: a.getRoleName() == role and a.name == name)


def run(environment, data_source, window, title, button, status):
    with open(f"{home}/odbc.ini", "w") as ini:
        ini.write(data_source)
    quiz = subprocess.Popen([program], stderr=open(f"{home}/printed", "w"),
                            env=dict(os.environ, **environment))
    children.append(quiz)
    wait_for(title, lambda: accessible(quiz.pid, window, title))
    wait_for(button, lambda: accessible(quiz.pid, "push button", button)).queryAction().doAction(0)
    quiz.wait(120)
    printed = open(f"{home}/printed").read()
    assert quiz.returncode == status, f"exit status {quiz.returncode}, not {status}:\n{printed}"
    return printed


open(f"{home}/odbcinst.ini", "w").close()
os.environ.update(XDG_RUNTIME_DIR=home, QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY="wayland-valtora",
                  ODBCSYSINI=home, ODBCINI=f"{home}/odbc.ini", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
children.append(subprocess.Popen(["weston", "--backend=headless-backend.so", "--idle-time=0",
                                 "--socket=wayland-valtora"], stderr=subprocess.DEVNULL))
wait_for("Weston", lambda: os.path.exists(f"{home}/wayland-valtora"))
log = run({"WAYLAND_DEBUG": "1"}, "", "frame", "Elements", "Exit", 0)
assert f'set_app_id("{app_id}")' in log, "the window carries no app id " + app_id
run({}, "[Elements]\nDriver = /nonexistent/libvaltora-missing.so\n", "alert", "Valtora", "OK", 1)
