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
servers = []


@atexit.register
def stop_servers():
    for server in servers:
        server.kill()
        server.wait()
    shutil.rmtree(home, ignore_errors=True)


def wait_for(what, find, seconds=120):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"{what}: not within {seconds} s")


def accessible(pid, role, name):
    # The accessible of `role` named `name` in the application of process `pid`.
    for app in pyatspi.Registry.getDesktop(0):
        if app and app.get_process_id() == pid:
            return pyatspi.findDescendant(app, lambda a: a.getRoleName() == role and a.name == name)


def run(environment, data_source, window, button, status):
    odbc = tempfile.mkdtemp(dir=home)
    open(f"{odbc}/odbcinst.ini", "w").close()
    with open(f"{odbc}/odbc.ini", "w") as ini:
        ini.write(data_source)
    log = open(f"{odbc}/log", "w+")
    quiz = subprocess.Popen([program], stderr=log, env=dict(
        os.environ, **environment, ODBCSYSINI=odbc, ODBCINI=f"{odbc}/odbc.ini",
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    wait_for(f"{window} {button}", lambda: accessible(quiz.pid, "push button", button)
             and accessible(quiz.pid, window, "Elements" if window == "frame" else "Valtora"))
    accessible(quiz.pid, "push button", button).queryAction().doAction(0)
    quiz.wait(120)
    log.seek(0)
    printed = log.read()
    assert quiz.returncode == status, f"exit status {quiz.returncode}, not {status}:\n{printed}"
    return printed


os.environ.update(XDG_RUNTIME_DIR=home, QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY="wayland-valtora")
servers.append(subprocess.Popen(["weston", "--backend=headless-backend.so", "--idle-time=0",
                                 "--socket=wayland-valtora"], stderr=subprocess.DEVNULL))
wait_for("Weston", lambda: os.path.exists(f"{home}/wayland-valtora"))
log = run({"WAYLAND_DEBUG": "1"}, "", "frame", "Exit", 0)
assert f'set_app_id("{app_id}")' in log, "the window carries no app id " + app_id
run({}, "[Elements]\nDriver = /nonexistent/libvaltora-missing.so\n", "alert", "OK", 1)
