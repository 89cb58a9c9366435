#!/usr/bin/python3
"""The desktop program driven by keys alone while the real screen reader, Orca, speaks.

Usage: orca_walk.py CLIPVANE FAKE_ENCODER OUTDIR [--lang de] [--display :37] [--quiet]

Starts its own X server and window manager, a private session bus (the accessibility bus starts on
it by D-Bus activation), speech-dispatcher speaking through espeak-ng into ALSA's null device, Orca,
and then the program, as a blind user does. Every line Orca speaks goes to OUTDIR/speech.log, with a
"STEP" line before each key; screenshots go beside it. The walk opens every menu, asks Orca where the
profile box is, converts two files and stops a batch of three. Prints each step's spoken lines and
whether the things a blind user must hear were heard; exits 1 if one was not, 77 (skipped) when Orca,
speech-dispatcher, Xvfb, openbox or xdotool is missing.

Not part of ctest: speech timing depends on the machine. See CONTRIBUTING.md.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
INNER = "CLIPVANE_ORCA_INNER"
PROFILE = "MP3 - MPEG Layer-3 Audio"

# What must be heard, per language: Orca's words and the program's, as the catalogs have them.
HEARD = {
    "en": {"locale": "C.UTF-8", "first item": "Home Page", "shortcut": "Ctrl+P",
           "folder": "Output Folder:", "box": "Profile:", "advanced": "Advanced", "convert": "Convert...",
           "dialog": "Select one or more video files", "elapsed": "Time elapsed:",
           "converted": "2 files converted", "stopped": r"Stopped: \d of 3 files converted",
           "show details": "Show Details...", "hide details": "Hide Details..."},
    "de": {"locale": "de_DE.UTF-8", "first item": "Homepage", "shortcut": "Strg+P",
           "folder": "Ausgabeordner:", "box": "Profil:", "advanced": "Erweitert", "convert": "Starten...",
           "dialog": "Eine oder mehrere Videodateien", "elapsed": "Vergangene Zeit:",
           "converted": "2 Dateien konvertiert", "stopped": r"Angehalten: \d von 3 Dateien konvertiert",
           "show details": "Details einblenden...", "hide details": "Details ausblenden..."},
}

SITECUSTOMIZE = '''
import logging, os
_path = os.environ.get("CLIPVANE_SPEECH_LOG")
if _path:
    _handler = logging.FileHandler(_path, encoding="utf-8")
    _handler.setFormatter(logging.Formatter("%(message)s"))
    logging.getLogger("speech").addHandler(_handler)
'''


class Failure(Exception):
    pass


class Walk:
    def __init__(self, env, log, shots):
        self.env = env
        self.log = log
        self.shots = shots
        self.steps = []  # (name, offset in the log where it began)
        self.missed = []  # what a blind user did not hear

    def spoken(self, start=0, end=None):
        # Offsets are in bytes: German words take more of them than characters.
        with open(self.log, "rb") as f:
            text = f.read()[start:end].decode("utf-8", errors="replace")
        return [line for line in text.splitlines() if line.startswith("SPEECH OUTPUT")]

    def said(self, start=0):
        """What Orca said after `start`, without its echo of the keys."""
        return [line for line in self.spoken(start) if "{'established'" not in line]

    def mark(self, name):
        with open(self.log, "ab") as f:
            f.write(("STEP %s\n" % name).encode("utf-8"))
            offset = f.tell()
        self.steps.append((name, offset))
        return offset

    def key(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "120"] + list(keys), env=self.env, check=True)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "30", text], env=self.env, check=True)

    def wait(self, what, pattern, since, timeout=20):
        """Waits until Orca has said something matching `pattern` after `since`."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if any(re.search(pattern, line) for line in self.said(since)):
                return True
            time.sleep(0.2)
        raise Failure("not heard: %s (/%s/)" % (what, pattern))

    def expect(self, what, pattern, since, timeout=20):
        """As wait, but what is not heard is noted and the walk goes on."""
        try:
            self.wait(what, pattern, since, timeout)
        except Failure as failure:
            self.missed.append(str(failure))
            print("MISSED: %s" % failure)

    def settle(self, since, quiet=1.5, timeout=15):
        """Waits until Orca has been silent for `quiet` seconds."""
        end = time.monotonic() + timeout
        count, changed = -1, time.monotonic()
        while time.monotonic() < end:
            now = len(self.spoken(since))
            if now != count:
                count, changed = now, time.monotonic()
            elif time.monotonic() - changed >= quiet:
                return
            time.sleep(0.2)

    def shot(self, name):
        subprocess.run(["import", "-window", "root", os.path.join(self.shots, name + ".png")], env=self.env,
                       check=False)

    def step(self, name, *keys, heard=None, what=None, timeout=20):
        since = self.mark(name)
        self.key(*keys)
        if heard:
            self.expect(what or name, heard, since, timeout)
        else:
            # A loaded machine may keep Orca from answering for a while: what it says next is the
            # answer to this key, not silence.
            end = time.monotonic() + timeout
            while not self.said(since) and time.monotonic() < end:
                time.sleep(0.2)
        self.settle(since)
        return since

    def tab_to(self, pattern, what):
        for _ in range(12):
            since = self.step("Tab towards " + what, "Tab")
            if any(re.search(pattern, line) for line in self.spoken(since)):
                return
        raise Failure("Tab never reached " + what)


def start(command, env, **kwargs):
    return subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs)


def run(program, encoder, outdir, lang, display):
    words = HEARD[lang]
    os.makedirs(outdir, exist_ok=True)
    log = os.path.join(outdir, "speech.log")
    open(log, "w").close()
    processes = []
    with tempfile.TemporaryDirectory(prefix="clipvane-orca-") as tmp:
        home = os.path.join(tmp, "home")
        runtime = os.path.join(tmp, "run")
        settings = os.path.join(tmp, "settings")
        clips = os.path.join(tmp, "clips")
        out = os.path.join(tmp, "out")
        for folder in (home, settings, clips, out):
            os.makedirs(folder)
        os.makedirs(runtime, mode=0o700)
        config = os.path.join(home, ".config")
        # speech-dispatcher's own configuration, sending its sound nowhere.
        shutil.copytree("/etc/speech-dispatcher", os.path.join(config, "speech-dispatcher"))
        with open(os.path.join(config, "speech-dispatcher", "speechd.conf"), "a") as conf:
            conf.write('\nAudioOutputMethod "alsa"\nAudioALSADevice "null"\n'
                       'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\nDefaultModule espeak-ng\n'
                       'DefaultLanguage "%s"\n' % lang)
        site = os.path.join(tmp, "site")
        os.makedirs(site)
        with open(os.path.join(site, "sitecustomize.py"), "w") as f:
            f.write(SITECUSTOMIZE)

        # The stand-in encoder takes three seconds a file. The first file of each batch waits until
        # the walk has heard its window, however long a loaded machine keeps Orca from reading it; the
        # second of the stopped batch runs until it is stopped.
        gates = os.path.join(tmp, "gates")
        os.makedirs(gates)
        wrapper = os.path.join(tmp, "encoder")
        with open(wrapper, "w") as script:
            script.write("#!/bin/sh\ngate=\ncase \"$*\" in\n"
                         "  */a.avi\\ *) gate=a;;\n  */slow1.avi\\ *) gate=slow1;;\n"
                         "  */slow2.avi\\ *) exec '{0}' --duration 00:00:20.00 --time 00:00:05.00 --hang \"$@\";;\n"
                         "  */bad.avi\\ *) exec '{0}' --err 'Invalid data found when processing input\\n' --exit 1 \"$@\";;\n"
                         "esac\n"
                         "while [ -n \"$gate\" ] && [ ! -e '{1}'/$gate ]; do sleep 0.1; done\n"
                         "exec '{0}' --duration 00:00:20.00 --ticks 20 150 \"$@\"\n".format(encoder, gates))
        os.chmod(wrapper, 0o755)
        with open(os.path.join(settings, "settings.ini"), "w") as ini:
            ini.write("[Options]\nOutputDirectory=%s\nOutputFormat=%s\nSameInput=0\nAnotherFFmpeg=%s\n"
                      "NotUseAnotherFFmpeg=0\n" % (out, PROFILE, wrapper))
        for name in ("a", "b", "slow1", "slow2", "slow3", "bad"):
            with open(os.path.join(clips, name + ".avi"), "wb") as clip:
                clip.write(b"RIFF")

        env = dict(os.environ, DISPLAY=display, HOME=home, XDG_CONFIG_HOME=config,
                   XDG_DATA_HOME=os.path.join(home, ".local", "share"), XDG_RUNTIME_DIR=runtime,
                   LANG=words["locale"], LANGUAGE=lang, LC_ALL=words["locale"])
        env.pop("WAYLAND_DISPLAY", None)
        walk = Walk(env, log, outdir)
        try:
            processes.append(start(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"], env))
            for _ in range(100):
                if subprocess.run(["xdotool", "getmouselocation"], env=env, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL).returncode == 0:
                    break
                time.sleep(0.1)
            processes.append(start(["openbox"], env))
            orca_env = dict(env, PYTHONPATH=site, CLIPVANE_SPEECH_LOG=log)
            orca = start(["orca", "--replace"], orca_env)
            processes.append(orca)
            # Orca speaks its first words once it listens to the bus; a loaded machine may take minutes.
            end = time.monotonic() + 600
            while not walk.spoken():
                if orca.poll() is not None:
                    raise Failure("Orca ended (%d) before it spoke" % orca.returncode)
                if time.monotonic() > end:
                    raise Failure("Orca never spoke")
                time.sleep(0.2)
            # Orca starts speech-dispatcher on its first words; one that cannot set the locale refuses to
            # start, and Orca goes on logging words nobody hears.
            socket = os.path.join(runtime, "speech-dispatcher", "speechd.sock")
            while not os.path.exists(socket):
                if time.monotonic() > end:
                    raise Failure("speech-dispatcher did not start (is %s generated?)" % words["locale"])
                time.sleep(0.2)
            walk.settle(0)

            since = walk.mark("program starts")
            app_env = dict(env, QT_QPA_PLATFORM="xcb", CLIPVANE_SETTINGS_DIR=settings,
                           CLIPVANE_INSTANCE_DIR=os.path.join(tmp, "instance"))
            processes.append(start([program], app_env))
            walk.wait("the main window", r"Tarvix Clipvane", since, timeout=300)
            walk.wait("the output folder", re.escape(words["folder"]), since, timeout=60)
            walk.settle(since)
            walk.shot("01-main")

            # Item 1: every opening of a menu says the item it opens on, the second as the first.
            # Each Escape waits for the focus to be read back, so that the box's own words (its value
            # is the profile's name too) are never taken for the menu's.
            profile = r"^SPEECH OUTPUT: '%s\.'$" % re.escape(PROFILE)
            first = r"^SPEECH OUTPUT: '%s\.'$" % re.escape(words["first item"])

            def opens(what, keys, item, back, escapes=1):
                for again in ("", " again"):
                    walk.step(what + again, *keys, heard=item, what=what + again)
                    walk.shot("02-menu")
                    walk.step("Escape", *["Escape"] * escapes, heard=re.escape(back))

            opens("Ctrl+P from the folder", ["ctrl+p"], profile, words["folder"], escapes=2)
            opens("Ctrl+A from the folder", ["ctrl+a"], first, words["folder"])

            # Item 4: the profile box, and its shortcut through "where am I".
            walk.tab_to(re.escape(words["box"]), "the profile box")
            walk.step("where am I", "KP_Enter", heard=re.escape(words["shortcut"]), what="Ctrl+P")

            for keys, what in ((["space"], "Space on the profile box"), (["alt+Down"], "Alt+Down"),
                               (["ctrl+p"], "Ctrl+P")):
                opens(what, keys, profile, words["box"], escapes=2)
            opens("Ctrl+A", ["ctrl+a"], first, words["box"])
            walk.shot("03-advanced-menu")
            walk.tab_to(re.escape(words["advanced"]), "the Advanced link")
            opens("Space on Advanced", ["space"], first, words["advanced"])

            # Items 2 and 3: two files convert; the batch window's names and times, and the end.
            walk.tab_to(re.escape(words["convert"]), "Convert...")
            walk.step("Convert...", "space", heard=re.escape(words["dialog"]), what="the file dialog")
            walk.type(clips + "/")
            walk.step("into the folder", "Return")
            walk.type('"a.avi" "b.avi"')
            since = walk.step("open two files", "Return", heard=r"\(1/2\)", what="the batch window")
            walk.shot("04-batch")
            walk.expect("the first file's name", r"\ba\.\w+", since)
            walk.expect("the time elapsed", re.escape(words["elapsed"]), since)
            open(os.path.join(gates, "a"), "w").close()
            walk.expect("the second file's name", r"\bb\.\w+", since, timeout=60)
            walk.wait("the main window again", r"'Tarvix Clipvane [^(]", since, timeout=60)
            walk.expect("the batch end", re.escape(words["converted"]), since)
            walk.settle(since)
            walk.shot("05-converted")

            # Item 2 again: a batch of three, stopped during its second file.
            walk.step("Convert... again", "space", heard=re.escape(words["dialog"]), what="the file dialog")
            walk.type('"slow1.avi" "slow2.avi" "slow3.avi"')
            since = walk.step("open three files", "Return", heard=r"\(1/3\)", what="the batch window")
            open(os.path.join(gates, "slow1"), "w").close()
            walk.wait("the second file", r"\bslow2\.\w+", since, timeout=60)
            walk.settle(since)
            walk.shot("06-stopping")
            walk.step("Stop", "space", heard=words["stopped"], what="the stopped batch")
            walk.shot("07-stopped")
            walk.settle(since)

            # Item 5: a file fails; its box, and the button that shows the encoder's words.
            walk.step("Convert... once more", "space", heard=re.escape(words["dialog"]), what="the file dialog")
            walk.type('"bad.avi"')
            walk.step("open a file that fails", "Return", heard=r"\bbad\.avi\b", what="the failure", timeout=60)
            walk.shot("08-failure")
            walk.tab_to(re.escape(words["show details"]), "Show Details...")
            walk.step("Show Details...", "space", heard=re.escape(words["hide details"]), what="Hide Details...")
            walk.shot("09-details")
            walk.step("Escape", "Escape", heard=re.escape(words["convert"]))
            if walk.missed:
                print("FAIL: %d not heard" % len(walk.missed))
                return 1
            print("PASS: items 1-5 heard")
            return 0
        except Failure as failure:
            print("FAIL: %s" % failure)
            walk.shot("99-failure")
            return 1
        finally:
            for process in reversed(processes):
                process.terminate()
                try:
                    process.wait(10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
            # speech-dispatcher was started by Orca and outlives it: its socket lives in our runtime
            # folder, so a stop request reaches only ours.
            subprocess.run(["spd-say", "-S"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                           check=False)
            if "--quiet" not in sys.argv:
                report(walk)


def report(walk):
    bounds = [offset for _, offset in walk.steps] + [None]
    for (name, offset), end in zip(walk.steps, bounds[1:]):
        print("== " + name)
        for line in walk.spoken(offset, end):
            if "{'established'" not in line:  # the keys echoed
                print("   " + line)


def main():
    args = [a for a in sys.argv[1:] if a != "--quiet"]
    lang, display = "en", ":37"
    if "--lang" in args:
        i = args.index("--lang")
        lang = args[i + 1]
        del args[i:i + 2]
    if "--display" in args:
        i = args.index("--display")
        display = args[i + 1]
        del args[i:i + 2]
    if len(args) != 3 or lang not in HEARD:
        print(__doc__)
        return 2
    program, encoder, outdir = (os.path.abspath(a) for a in args)
    folder = os.path.join(os.path.dirname(program), "translations")
    generated = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.lower().split()
    if HEARD[lang]["locale"].lower().replace("-", "") not in generated:
        print("SKIP: the locale %s is not generated" % HEARD[lang]["locale"])
        return SKIP
    if lang != "en" and not os.path.exists(os.path.join(folder, "clipvane_%s.qm" % lang)):
        print("FAIL: no %s catalog in %s (build the translations target)" % (lang, folder))
        return 1
    if os.environ.get(INNER) != "1":
        for needed in ("dbus-run-session", "Xvfb", "openbox", "xdotool", "orca", "speech-dispatcher", "import"):
            if not shutil.which(needed):
                print("SKIP: %s is not installed" % needed)
                return SKIP
        env = dict(os.environ, **{INNER: "1"})
        # A private session bus: the accessibility bus and speech-dispatcher it starts end with it.
        return subprocess.call(["dbus-run-session", "--", sys.executable, os.path.abspath(__file__)] + sys.argv[1:],
                               env=env)
    return run(program, encoder, outdir, lang, display)


if __name__ == "__main__":
    sys.exit(main())
