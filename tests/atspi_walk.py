#!/usr/bin/python3
"""The desktop program as a screen reader on Linux sees it, through the real AT-SPI bus.

Usage: atspi_walk.py CLIPVANE FAKE_ENCODER

Starts its own X server and window manager, a private session bus (on which the accessibility bus and
registry start by D-Bus activation) and the program, reads the tree, checks the names and roles of the
main window's controls, opens the profile box's menu twice and sees its current item focused each
time, chooses a profile through that menu and converts a file through "Convert...", all by accessible
actions alone. Exits 77 (skipped) when Xvfb, openbox, xprop, D-Bus or Debian's python3-pyatspi is
missing.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77


def skip(why):
    print("SKIP: " + why)
    sys.exit(SKIP)


try:
    import pyatspi
except ImportError:
    # Debian's bindings live in the system interpreter, which another python3 on PATH may hide.
    system = "/usr/bin/python3"
    if os.path.exists(system) and os.path.realpath(sys.executable) != os.path.realpath(system):
        os.execv(system, [system] + sys.argv)
    skip("python3-pyatspi is not installed")

from gi.repository import GLib

INNER = "CLIPVANE_ATSPI_INNER"
PROFILE_BEFORE = "MP3 - MPEG Layer-3 Audio"
PROFILE_GROUP = "General Audio Format"
PROFILE_AFTER = "WAV - Waveform Audio"


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=20.0):
    end = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > end:
            raise Failure("timed out waiting for " + what)
        # The bus's events come in through the main loop while we wait.
        deadline = time.monotonic() + 0.1
        while time.monotonic() < deadline:
            if not GLib.MainContext.default().iteration(False):
                time.sleep(0.01)


def fresh(acc):
    acc.clear_cache()  # the client library keeps what it has read: a changed name is read anew
    return acc


def children(acc):
    fresh(acc)
    return [c for c in (acc.getChildAtIndex(i) for i in range(acc.childCount)) if c is not None]


def walk(acc):
    yield acc
    for child in children(acc):
        yield from walk(child)


def actions(acc):
    try:
        action = acc.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def do_action(acc, name):
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == name:
            if not action.doAction(i):
                raise Failure("%s refused %s" % (describe(acc), name))
            return
    raise Failure("%s has no action %s (it has %s)" % (describe(acc), name, actions(acc)))


def describe(acc):
    return "%s %r" % (acc.getRoleName(), acc.name)


def labels_of(acc):
    names = []
    for relation in acc.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return names


def showing(acc):
    return fresh(acc).getState().contains(pyatspi.STATE_SHOWING)


def find(root, role, name):
    acc = next((a for a in walk(root) if a.getRole() == role and a.name == name), None)
    if acc is None:
        raise Failure("no %s named %r" % (role.value_nick, name))
    return acc


def application(pid):
    return wait_for("the program on the accessibility bus", lambda: next(
        (a for a in children(pyatspi.Registry.getDesktop(0)) if a.get_process_id() == pid), None))


def window(app, title):
    return wait_for("the window " + title,
                    lambda: next((w for w in children(app) if w.name == title and showing(w)), None))


def check_main_window(main):
    if main.getRole() != pyatspi.ROLE_FRAME:
        raise Failure("the main window reads as a " + main.getRoleName())
    expected = [  # role, name, an action, the label it is labelled by
        (pyatspi.ROLE_COMBO_BOX, "Profile: " + PROFILE_BEFORE, "ShowMenu", "Profile:"),
        (pyatspi.ROLE_PUSH_BUTTON, "Profile list", "Press", None),
        (pyatspi.ROLE_PUSH_BUTTON, "Advanced menu", "Press", None),
        (pyatspi.ROLE_LINK, "Advanced", "Press", None),
        (pyatspi.ROLE_LINK, "Check for updates...", "Press", None),
        (pyatspi.ROLE_LINK, "Home Page", "Press", None),
        (pyatspi.ROLE_PUSH_BUTTON, "Convert...", "Press", None),
        (pyatspi.ROLE_TEXT, "Output Folder:", "SetFocus", "Output Folder:"),
    ]
    for role, name, action, label in expected:
        acc = find(main, role, name)
        if action not in actions(acc) or (label and labels_of(acc) != [label]):
            raise Failure("%s: actions %s, labelled by %s" % (describe(acc), actions(acc), labels_of(acc)))
    # Whatever acts has a name, and nothing that acts reads as a filler, a label or a picture.
    for acc in walk(main):
        if [a for a in actions(acc) if a != "SetFocus"] and (not acc.name or acc.getRole() in (
                pyatspi.ROLE_FILLER, pyatspi.ROLE_LABEL, pyatspi.ROLE_IMAGE)):
            raise Failure("%s acts (%s)" % (describe(acc), actions(acc)))


def reopen_profile_menu(main):
    """Each opening of the menu reports its current item focused, the second as the first: a screen
    reader keeps silent about a focus it already has, so the focus must be told back between."""
    box = find(main, pyatspi.ROLE_COMBO_BOX, "Profile: " + PROFILE_BEFORE)
    had_focus = wait_for("a focused control", lambda: next(
        ((a.getRole(), a.name) for a in walk(main) if a.getState().contains(pyatspi.STATE_FOCUSED)), None))
    focused = []

    def on_focus(event):
        if event.detail1:
            focused.append((event.source.getRole(), event.source.name))
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    item = (pyatspi.ROLE_MENU_ITEM, PROFILE_BEFORE)
    try:
        for opening in ("first", "second"):
            del focused[:]
            do_action(box, "ShowMenu")
            wait_for("the current profile focused on the %s opening" % opening, lambda: item in focused)
            del focused[:]
            # Choosing the profile the box already has closes the menus and changes nothing else.
            group = find(children(box)[0], pyatspi.ROLE_MENU_ITEM, PROFILE_GROUP)
            do_action(find(children(group)[0], *item), "Press")
            wait_for("the focus told back to %s %r after the %s opening" % (had_focus[0].value_nick, had_focus[1],
                                                                             opening),
                     lambda: had_focus in focused)
    finally:
        pyatspi.Registry.deregisterEventListener(on_focus, "object:state-changed:focused")


def choose_profile(main):
    box = find(main, pyatspi.ROLE_COMBO_BOX, "Profile: " + PROFILE_BEFORE)
    # A screen reader learns of the new name from the event, without asking.
    announced = []

    def renamed(event):
        if event.source.getRole() == pyatspi.ROLE_COMBO_BOX:
            announced.append(fresh(event.source).name)
    pyatspi.Registry.registerEventListener(renamed, "object:property-change:accessible-name")
    menu = children(box)[0]
    do_action(box, "ShowMenu")
    wait_for("the profile menu", lambda: showing(menu))
    group = find(menu, pyatspi.ROLE_MENU_ITEM, PROFILE_GROUP)
    submenu = children(group)[0]
    # The menu opens on the current profile, so its group's menu may be open already.
    if not showing(submenu):
        do_action(group, "ShowMenu")
    wait_for("the group's menu", lambda: showing(submenu))
    do_action(find(submenu, pyatspi.ROLE_MENU_ITEM, PROFILE_AFTER), "Press")
    wait_for("the profile box to read the new profile", lambda: fresh(box).name == "Profile: " + PROFILE_AFTER)
    wait_for("the new name to be announced", lambda: "Profile: " + PROFILE_AFTER in announced)
    pyatspi.Registry.deregisterEventListener(renamed, "object:property-change:accessible-name")
    wait_for("the menus to close", lambda: not showing(menu) and not showing(submenu))


def convert(app, main, source, output):
    do_action(find(main, pyatspi.ROLE_PUSH_BUTTON, "Convert..."), "Press")
    dialog = window(app, "Select one or more video files")
    names = [acc for acc in walk(dialog) if acc.getRole() == pyatspi.ROLE_TEXT
             and pyatspi.STATE_EDITABLE in acc.getState().getStates() and "File name:" in labels_of(acc)]
    if len(names) != 1:
        raise Failure("the file dialog has %d file name boxes" % len(names))
    names[0].queryEditableText().setTextContents(source)
    do_action(find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Open"), "Press")
    batch = window(app, "Tarvix Clipvane (1/1)")
    bar = find(batch, pyatspi.ROLE_PROGRESS_BAR, "Conversion progress")
    wait_for("the progress to be read out", lambda: fresh(bar).queryValue().currentValue > 0)
    for label in ("Time elapsed: ", "Time estimated: "):
        if not any(label in labels_of(acc) for acc in walk(batch) if acc.getRole() == pyatspi.ROLE_LABEL):
            raise Failure("no time labelled by %r" % label)
    wait_for("the converted file " + output, lambda: os.path.exists(output), timeout=60)
    wait_for("the batch to end", lambda: not any(w.name.startswith("Tarvix Clipvane (") for w in children(app)))


def run(program, encoder):
    with tempfile.TemporaryDirectory(prefix="clipvane-atspi-") as tmp:
        settings = os.path.join(tmp, "settings")
        out = os.path.join(tmp, "out")
        os.makedirs(settings)
        os.makedirs(out)
        # The stand-in reports twenty progress lines over three seconds, so the batch window can be read.
        wrapper = os.path.join(tmp, "encoder")
        with open(wrapper, "w") as script:
            script.write("#!/bin/sh\nexec '%s' --duration 00:00:20.00 --ticks 20 150 \"$@\"\n" % encoder)
        os.chmod(wrapper, 0o755)
        with open(os.path.join(settings, "settings.ini"), "w") as ini:
            ini.write("[Options]\nOutputDirectory=%s\nOutputFormat=%s\nSameInput=0\nAnotherFFmpeg=%s\n"
                      "NotUseAnotherFFmpeg=0\n" % (out, PROFILE_BEFORE, wrapper))
        source = os.path.join(tmp, "clip.avi")
        with open(source, "wb") as clip:
            clip.write(b"RIFF")

        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                                 "-nolisten", "tcp"], pass_fds=[write_end], stderr=subprocess.DEVNULL)
        os.close(write_end)
        app = None
        wm = None
        accessible = None
        try:
            with os.fdopen(read_end) as displays:
                display = displays.readline().strip()
            if not display:
                raise Failure("Xvfb did not start")
            env = dict(os.environ, DISPLAY=":" + display, QT_QPA_PLATFORM="xcb",
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                       CLIPVANE_SETTINGS_DIR=settings, CLIPVANE_INSTANCE_DIR=os.path.join(tmp, "instance"),
                       LANG="C.UTF-8")
            env.pop("WAYLAND_DISPLAY", None)
            os.environ["DISPLAY"] = env["DISPLAY"]
            # A window manager makes the window active, as on a desktop: a focus exists only there.
            wm = subprocess.Popen(["openbox"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            wait_for("the window manager", lambda: "window id" in subprocess.run(
                ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=env, capture_output=True, text=True).stdout)
            app = subprocess.Popen([program], env=env)
            accessible = application(app.pid)
            main = window(accessible, "Tarvix Clipvane")
            wait_for("the main window to be active", lambda: fresh(main).getState().contains(pyatspi.STATE_ACTIVE))
            check_main_window(main)
            reopen_profile_menu(main)
            choose_profile(main)
            convert(accessible, main, source, os.path.join(out, "clip.wav"))
            print("PASS: names and roles read, profile chosen and file converted through AT-SPI")
            return 0
        except Failure as failure:
            print("FAIL: %s" % failure)
            if accessible is not None:
                print("windows open: %s" % [describe(w) for w in children(accessible)])
            return 1
        finally:
            if app is not None:
                app.terminate()
                try:
                    app.wait(10)
                except subprocess.TimeoutExpired:
                    app.kill()
                    app.wait()
            if wm is not None:
                wm.terminate()
                wm.wait()
            xvfb.terminate()
            xvfb.wait()


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    program, encoder = (os.path.abspath(a) for a in sys.argv[1:])
    if os.environ.get(INNER) != "1":
        for needed in ("dbus-run-session", "Xvfb", "openbox", "xprop", "/usr/libexec/at-spi-bus-launcher"):
            if not shutil.which(needed):
                skip(needed + " is not installed")
        session = shutil.which("dbus-run-session")
        env = dict(os.environ, **{INNER: "1"})
        # A private session bus: the accessibility bus it starts is ours alone and ends with it.
        return subprocess.call([session, "--", sys.executable, os.path.abspath(__file__), program, encoder],
                               env=env)
    return run(program, encoder)


if __name__ == "__main__":
    sys.exit(main())
