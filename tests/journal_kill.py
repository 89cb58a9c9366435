#!/usr/bin/env python3
"""Kills clipvane-cli with SIGKILL at random moments of a journaled batch and takes the batch up again
with --resume until it ends: no output may be written twice, none may be missing at the end.

    journal_kill.py CLIPVANE_CLI FAKE_ENCODER [TRIES] [SEED]

An output is "written twice" when the file under its name changes after it first appeared (the
resumed batch replaces outputs, --overwrite yes, so a second conversion would show)."""
import os
import random
import signal
import subprocess
import sys
import tempfile
import time

FILES = 8


def snapshot(folder, outputs):
    ids = {}
    for name in outputs:
        try:
            st = os.stat(os.path.join(folder, name))
            ids[name] = (st.st_dev, st.st_ino)
        except FileNotFoundError:
            pass
    return ids


def main():
    cli, fake = sys.argv[1], sys.argv[2]
    tries = int(sys.argv[3]) if len(sys.argv) > 3 else 20
    rng = random.Random(int(sys.argv[4]) if len(sys.argv) > 4 else None)
    problems = []
    for attempt in range(tries):
        with tempfile.TemporaryDirectory() as work:
            inputs = []
            for i in range(FILES):
                path = os.path.join(work, f"in {i} é.avi")
                with open(path, "w") as f:
                    f.write("input\n")
                inputs.append(path)
            out = os.path.join(work, "out")
            journal = os.path.join(work, "batch.journal")
            outputs = [f"in {i} é.wav" for i in range(FILES)]
            profile = "ffmpeg -i %1 --ticks 4 " + str(rng.choice([10, 30, 60])) + " %1.wav"
            first = [cli, "--machine", "--ffmpeg", fake, "--overwrite", "yes", "--jobs", str(rng.choice([1, 2, 3])),
                     "--journal", journal, "-p", profile, "-o", out, "--"] + inputs
            resume = [cli, "--machine", "--resume", journal]
            seen = {}
            command, runs, resumed, ended = first, 0, 0, False
            while not ended and runs < 40:
                runs += 1
                process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
                # Killed at a random moment of the run, mostly once its journal is there (the batch
                # under way), sometimes before, and left to end once in a while.
                chance = rng.random()
                if chance < 0.15:
                    time.sleep(rng.uniform(0, 0.3))
                    process.send_signal(signal.SIGKILL)
                elif chance < 0.8:
                    for _ in range(500):
                        if os.path.exists(journal) or process.poll() is not None:
                            break
                        time.sleep(0.01)
                    time.sleep(rng.uniform(0, 1.0))
                    process.send_signal(signal.SIGKILL)
                err = process.communicate()[1].decode("utf-8", "replace")
                ended = process.returncode == 0
                if process.returncode not in (0, -signal.SIGKILL):
                    problems.append(f"try {attempt}: run {runs} exited {process.returncode}: {err.strip()}")
                    break
                for name, identity in snapshot(out, outputs).items():
                    if seen.setdefault(name, identity) != identity:
                        problems.append(f"try {attempt}: {name} was written twice")
                if ended:
                    break
                if os.path.exists(journal):
                    command = resume
                    resumed += 1
                    continue
                # No journal: killed before it was written (nothing converted yet), or after the
                # batch had ended and removed it (everything converted).
                present = snapshot(out, outputs)
                if len(present) == FILES:
                    ended = True
                elif present:
                    problems.append(f"try {attempt}: no journal, yet only {len(present)} outputs")
                    break
                else:
                    command = first
            missing = [name for name in outputs if not os.path.exists(os.path.join(out, name))]
            if ended and missing:
                problems.append(f"try {attempt}: forgotten: {missing}")
            if ended and os.path.exists(journal):
                problems.append(f"try {attempt}: the journal outlived its batch")
            if not ended and not problems:
                problems.append(f"try {attempt}: the batch never ended")
            print(f"try {attempt}: {runs} runs, {resumed} taken up with --resume, "
                  f"{'ended' if ended else 'did not end'}", flush=True)
    for problem in problems:
        print("FAIL", problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
