#!/usr/bin/env python3
"""Random sessions through kvor3m-batch, played until the time is up.

Each session types valid and invalid texts into every box, ticks check boxes, switches the
variant and presses every button inside and outside runs. Then what the user sees is checked: the
runner ended normally within its time (else a hang), with status 3 when a record could not be
written (else 0); each message is one of the program's own, and a detail line stands only under
a message;
each box shows nothing, a number as the program writes it or a text typed into it; the picture's
end-impact lines hold numbers; the data file is a sequence of complete records.

  scripts/soak.py [--seconds S] [--seed N] [--sessions N] BATCH_EXECUTABLE
A failing session's script is kept in soak-failures/; --seed SEED --sessions 1 replays it.
"""
import argparse
import pathlib
import random
import re
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
NUMBER = re.compile(r"-?\d+(\.\d*[1-9])?(E[+-]\d{2,3})?")
PICTURE = re.compile(r" (V1|V2|w2)= (\S+)   \1= (\S+)")
RECORD_LABELS = [["T", "Alfa"], ["m1", "J1", "V1", "w1", "X1", "Y1", "VX1", "VY1"],
                 ["m2", "J2", "V2", "w2", "X2", "Y2", "VX2", "VY2"],
                 ["F", "Fc+Fj", "Fm", "Fq", "Fs", "Vs", "E0", "E"]]


def program_messages():
    """The message texts as the program declares them, with line breaks written as \\n."""
    source = (ROOT / "src/control/messages.h").read_text(encoding="utf-8")
    found = re.findall(r'k(\w+) =\s*Tr\("Kvor3m",((?:\s*"(?:[^"\\]|\\.)*")+)\);', source)
    return {"".join(re.findall(r'"((?:[^"\\]|\\.)*)"', body)) for name, body in found if name != "Title"}


def is_number(text):
    return NUMBER.fullmatch(text) is not None and len(re.sub(r"E.*|\D", "", text).lstrip("0")) <= 15


def random_text(rnd):
    kind = rnd.randrange(10)
    if kind < 5:
        return f"{rnd.uniform(-10, 10):.{rnd.randrange(6)}f}".replace(".", "," if rnd.random() < 0.3 else ".")
    if kind < 7:
        return f"{rnd.uniform(1, 10):.3g}E{rnd.randint(-30, 30):+d}"
    return rnd.choice(["", "0", "-0", "x", "1e400", "1E-400", "32767", "32768", "-5", " 7 ", "1,5",
                       "2,5", "1E+300", "-1E+300", "--1", ".", "1e-300", "99999", "3.2.1"])


def random_session(rnd, data_file, blocked_file):
    lines, typed = [f"data {data_file}"], {}
    for _ in range(rnd.randint(5, 60)):
        if rnd.randrange(20) < 7:
            box, text = rnd.randint(1, 67), random_text(rnd)
            if box == 55 and not (text == "" or NUMBER.fullmatch(text) and float(text) <= 64):
                text = str(rnd.randint(-2, 64))  # runs stay short
            lines.append(f"set Text{box} {text}")
            typed.setdefault(box, set()).add(text)
        else:
            lines.append(rnd.choice([f"check Check{rnd.randint(1, 13)} {rnd.choice(['on', 'off'])}"] * 3 + [
                f"variant {rnd.choice(['ball-ball', 'ball-rod'])}", f"run {rnd.randint(0, 30)}",
                f"answer {rnd.choice(['yes', 'no'])}", f"data {rnd.choice([data_file, blocked_file])}", "start",
                "start", "stop", "continue", "steps", "reverse", "show", "print"]))
    return lines + ["stop", "run 1", "print"], typed


def faults(result, typed, data, messages):
    write_failed = "message\tОшибка записи в файл\ndetail\t" in result.stdout  # the blocked file
    if result.returncode != (3 if write_failed else 0) or result.stderr:
        yield f"exit status {result.returncode}: {result.stderr.strip()}"
    previous = ""
    for line in result.stdout.splitlines():
        kind, _, text = line.partition("\t")
        previous, before = kind, previous
        if kind == "message" and text not in messages:
            yield f"a message that is not the program's: {text}"
        elif kind == "detail" and (before != "message" or not text):
            yield f"a detail line that is not under a message: {text!r}"  # a refused box, a failed write
        elif kind == "picture1" and not ((m := PICTURE.fullmatch(text)) and is_number(m[2]) and is_number(m[3])):
            yield f"picture text {text!r}"
        elif kind.startswith("Text"):
            box = int(kind[4:])
            if box == 56 and re.fullmatch(r"\d+\.\d\d", text):
                continue  # the wall-clock seconds, in hundredths
            if text and not is_number(text) and text not in typed.get(box, ()):
                yield f"{kind} shows {text!r}"
    *records, rest = data.split("\r\n\r\n\r\n")
    for record in records + ([rest] if rest else []):
        fields = [[re.fullmatch(r"(\S+)= (\S+)", f) for f in line.split("    ")] for line in record.split("\r\n")]
        if [[f and f[1] for f in line] for line in fields] != RECORD_LABELS or \
                not all(is_number(f[2]) for line in fields for f in line):
            yield f"a data record incomplete, with wrong labels or numbers: {record[:80]!r}"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("batch")
    parser.add_argument("--seconds", type=float, default=10)
    parser.add_argument("--seed", type=int, default=int(time.time()))
    parser.add_argument("--sessions", type=int)
    args = parser.parse_args()
    messages, failures, sessions, commands = program_messages(), 0, 0, 0
    end = time.monotonic() + args.seconds
    with tempfile.TemporaryDirectory() as work:
        data_file, blocked_file = pathlib.Path(work) / "kvor.dat", pathlib.Path(work) / "blocked" / "kvor.dat"
        blocked_file.mkdir(parents=True)  # a folder where the file should be
        while (sessions < args.sessions) if args.sessions is not None else time.monotonic() < end:
            seed = args.seed + sessions
            lines, typed = random_session(random.Random(seed), data_file, blocked_file)
            data_file.unlink(missing_ok=True)
            try:
                result = subprocess.run([args.batch, "-"], input="\n".join(lines) + "\n", capture_output=True,
                                        text=True, timeout=60, env={"LC_ALL": "C"})
                found = list(faults(result, typed, data_file.read_bytes().decode() if data_file.exists() else "",
                                    messages))
            except subprocess.TimeoutExpired:
                found = ["the session did not end within 60 s"]
            sessions, commands, failures = sessions + 1, commands + len(lines), failures + bool(found)
            if found:
                (kept := ROOT / "soak-failures" / f"{seed}.kvs").parent.mkdir(exist_ok=True)
                kept.write_text("\n".join(lines) + "\n", encoding="utf-8")
                print(f"soak: session {seed} failed ({kept}):", *found[:5], sep="\n  ")
    print(f"soak: {sessions} sessions, {commands} commands from seed {args.seed}: "
          f"{sessions - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
