#!/usr/bin/env python3
"""Checks that a generated demo course is consistent.

    tools/check-demo-course.py --course build/bin [--source demo-course]

Checks the catalogue (ten Books with the lesson counts the catalogue's node indexes need), the
results files, every lesson file (format, times, look-up forms), every media file (exists, end
time of every sentence within its duration by ffprobe, and decodable by GStreamer when
gst-discoverer-1.0 is installed), the word dictionary and its suffix-rule examples, the
per-word recordings, the interface sounds, the pictures, Set.dat and mnset.dat. Prints every
problem found and exits with 1 when there is one.
"""

import argparse
import json
import re
import shutil
import subprocess
import sys
import wave
from pathlib import Path

LESSON_COUNTS = [60, 60, 60, 60, 50, 100, 60, 105, 75, 30]
KEY = "\u25c6"
OPEN_STAR = "\u2606"
DONE_STAR = "\u2605"
INTERFACE_SOUNDS = ["MouDown.wav", "MouUp.wav", "WordRight.wav", "type.wav", "wrong.wav"]
PICTURES = ["check_0.jpg", "check_1.jpg", "EnglishCheck_0.jpg", "EnglishCheck_1.jpg",
            "ChineseCheck_0.jpg", "ChineseCheck_1.jpg", "0.jpg", "1.jpg", "t.jpg", "f.jpg"]
# Inflected word -> the base form its suffix rule must reach (None: found as it is).
INFLECTION_EXAMPLES = {
    "making": "make", "running": "run", "happier": "happy", "bigger": "big", "latest": "late",
    "happiest": "happy", "boxes": "box", "cities": "city", "liked": "like", "studied": "study",
    "stopped": "stop", "bus": None, "cries": "cry",
}


class Report:
    def __init__(self):
        self.problems = []

    def fail(self, text):
        self.problems.append(text)

    def expect(self, cond, text):
        if not cond:
            self.fail(text)
        return cond


def find(folder, *parts):
    """Resolves a relative path component by component, ignoring case."""
    path = folder
    for part in parts:
        exact = path / part
        if exact.exists():
            path = exact
            continue
        if not path.is_dir():
            return None
        match = [p for p in path.iterdir() if p.name.lower() == part.lower()]
        if not match:
            return None
        path = match[0]
    return path


def read_gbk(path, report):
    try:
        return path.read_bytes().decode("gbk")
    except UnicodeDecodeError as e:
        report.fail("%s: not GBK text (%s)" % (path, e))
        return None


def items(text, sep):
    """The items of a list written sep item sep item ... sep."""
    if not text.startswith(sep) or not text.endswith(sep) or len(text) < 2:
        return None
    return text[1:-1].split(sep)


# ---------------------------------------------------------------- dictionary look-up

def find_entry(text_lower, text, word):
    a = text_lower.find("$" + word.lower() + "[")
    if a < 0:
        return None
    b = text.find("$", a + 1)
    return text[a:b if b >= 0 else len(text)]


def suffix_candidates(w):
    if w.endswith("ing"):
        return [w[:-3], w[:-3] + "e", w[:-4]]
    if w.endswith("er"):
        return [w[:-2], w[:-2] + "e", w[:-3] + "y", w[:-3]]
    if w.endswith("est"):
        return [w[:-3], w[:-2], w[:-4] + "y"]
    if w.endswith("s"):
        return [w[:-1], w[:-2], w[:-3] + "y"]
    if w.endswith("ed"):
        return [w[:-2], w[:-2] + "e", w[:-3] + "y", w[:-3]]
    return []


def look_up(text_lower, text, w):
    """(headword found, candidates tried) as the word look-up finds it."""
    tried = [w]
    entry = find_entry(text_lower, text, w)
    if entry is None:
        for c in suffix_candidates(w):
            tried.append(c)
            if c and find_entry(text_lower, text, c) is not None:
                entry = find_entry(text_lower, text, c)
                break
    if entry is None:
        return None, tried
    return entry[1:entry.index("[")], tried


# ---------------------------------------------------------------- media

def media_duration(path):
    out = subprocess.run(["ffprobe", "-v", "error", "-show_entries", "format=duration",
                          "-of", "default=nw=1:nk=1", str(path)],
                         stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    try:
        return float(out.stdout.decode().strip())
    except ValueError:
        return None


def gst_duration(path):
    """Duration by GStreamer's discoverer, None when it cannot decode the file."""
    out = subprocess.run(["gst-discoverer-1.0", str(path)], stdout=subprocess.PIPE,
                         stderr=subprocess.STDOUT)
    text = out.stdout.decode("utf-8", "replace")
    m = re.search(r"Duration: (\d+):(\d+):(\d+(?:\.\d+)?)", text)
    if out.returncode != 0 or not m or "Done discovering" not in text:
        return None
    return int(m.group(1)) * 3600 + int(m.group(2)) * 60 + float(m.group(3))


def number(text):
    m = re.match(r"\s*[-+]?(\d+(\.\d*)?|\.\d+)", text)
    return float(m.group(0)) if m else 0.0


def check_wav(path, report, trailing=None):
    try:
        with wave.open(str(path), "rb") as w:
            ok = report.expect(w.getsampwidth() == 2 and w.getcomptype() == "NONE",
                               "%s: not 16-bit PCM" % path)
            frames = w.getnframes()
            rate = w.getframerate()
            report.expect(frames > 0, "%s: no sound" % path)
            if ok and trailing:
                tail = int(rate * trailing)
                w.setpos(max(0, frames - tail))
                data = w.readframes(tail)
                samples = [int.from_bytes(data[i:i + 2], "little", signed=True)
                           for i in range(0, len(data), 2 * w.getnchannels())]
                report.expect(frames > tail and max(map(abs, samples), default=0) < 64,
                              "%s: no %.0f ms of silence at the end" % (path, trailing * 1000))
    except (wave.Error, EOFError, OSError) as e:
        report.fail("%s: not a WAV file (%s)" % (path, e))


# ---------------------------------------------------------------- the checks

def check(course, report):
    gst = shutil.which("gst-discoverer-1.0")
    content_path = find(course, "SETTING", "Content.json")
    if not report.expect(content_path is not None, "SETTING/Content.json missing"):
        return {}
    content = json.loads(read_gbk(content_path, report) or "{}")
    books = content.get("books", [])
    titles = [b["title"] for b in books]
    report.expect([b["lessons"] for b in books] == LESSON_COUNTS,
                  "Content.json: lesson counts %s, expected %s"
                  % ([b["lessons"] for b in books], LESSON_COUNTS))
    report.expect(len(titles) == 10 and titles[5] == "Parlorama",
                  "Content.json: Book 6 must be Parlorama")
    report.expect(len(set(titles)) == len(titles), "Content.json: two Books share a title")
    grouped = content.get("groupedAudio", {})
    trainer = content.get("trainer", {})
    prefix = content.get("videoSeriesPrefix", "")
    report.expect(len(prefix) == 5, "Content.json: the video series prefix is not five long")
    report.expect(len(grouped) == 3, "Content.json: expected three grouped titles")
    report.expect(len(content.get("videoTitles", [])) == 2, "Content.json: two video titles")
    report.expect(len(trainer.get("videoTitles", [])) == 7,
                  "Content.json: seven video titles for the compact trainer")
    video_course = content.get("videoCourseTitle")
    report.expect(len(titles) > 4 and video_course == titles[4],
                  "Content.json: Book 5 must be the video course")

    def is_video(title):
        return title in content.get("videoTitles", []) or (prefix and title.startswith(prefix))

    report.expect(is_video(video_course or ""), "the video course title is not a video title")
    window_titles = content.get("videoWindowTitles", [])
    report.expect(len(window_titles) == 7, "Content.json: seven titles with the video window")
    report.expect(video_course in window_titles,
                  "the video course has no floating video window")
    for t in trainer.get("videoTitles", []):
        report.expect(t not in titles or is_video(t),
                      "%s: video for the compact trainer but not for the main one" % t)
    for t in titles:
        report.expect(not is_video(t) or t in trainer.get("videoTitles", []),
                      "%s: video for the main trainer but not for the compact one" % t)

    def sentara_media(title, n):
        if title in grouped:
            for r in grouped[title]:
                if r["first"] <= n <= r["last"]:
                    return "%d.mp3" % r["file"]
            return None
        if is_video(title):
            return "%d.wmv" % n
        return "%d.mp3" % n

    def oralix_media(title, n):
        if title == trainer.get("titleSetA"):
            for r in trainer.get("titleSetARanges", []):
                if r["first"] <= n - 1 <= r["last"]:
                    return "%d.mp3" % r["file"]
            return None
        if title == trainer.get("titleSetB"):
            for r in trainer.get("titleSetBRanges", []):
                if r["first"] <= n <= r["last"]:
                    return "%d.mp3" % r["file"]
            return None
        if title in trainer.get("videoTitles", []):
            return "%d.wmv" % n
        return "%d.mp3" % n

    for title, ranges in grouped.items():
        expected = 1
        for r in ranges:
            report.expect(r["first"] == expected and r["last"] >= r["first"],
                          "%s: grouped ranges not consecutive at %s" % (title, r))
            expected = r["last"] + 1
        if title in titles:
            report.expect(expected - 1 == books[titles.index(title)]["lessons"],
                          "%s: grouped ranges do not cover every lesson" % title)

    # Dictionary
    lib = find(course, "lib.dll")
    dict_text = read_gbk(lib, report) if lib else None
    if not report.expect(dict_text is not None, "lib.dll missing or unreadable"):
        dict_text = ""
    dict_lower = dict_text.lower()
    entries = dict_text.split("$")[1:] if dict_text.startswith("$") else []
    report.expect(dict_text.startswith("$"), "lib.dll does not start with an entry")
    headwords = []
    for e in entries:
        m = re.fullmatch(r"([^\[\]]+)\[([^\[\]]*)\](.+)", e, re.S)
        if not report.expect(m is not None, "lib.dll: malformed entry %r" % e[:40]):
            continue
        headwords.append(m.group(1))
        report.expect(m.group(2) != "", "lib.dll: %s has no phonetic" % m.group(1))
    report.expect(len(headwords) >= 300, "lib.dll: %d entries, expected 300 or more"
                  % len(headwords))
    report.expect(len({h.lower() for h in headwords}) == len(headwords),
                  "lib.dll: a headword appears twice")
    for word, base in INFLECTION_EXAMPLES.items():
        found, tried = look_up(dict_lower, dict_text, word)
        if base is None:
            report.expect(found == word and len(tried) == 1,
                          "look-up of %r: expected to find it as it is, got %r" % (word, found))
        else:
            report.expect(find_entry(dict_lower, dict_text, word) is None,
                          "lib.dll: %r must be absent so that its suffix rule is used" % word)
            report.expect(found == base, "look-up of %r reaches %r, expected %r (tried %s)"
                          % (word, found, base, tried))
    _, tried = look_up(dict_lower, dict_text, "cries")
    report.expect(tried == ["cries", "crie", "cri", "cry"],
                  "look-up of 'cries' tries %s, expected cries, crie, cri, cry" % tried)

    # Per-word recordings; no two names in one folder may differ only in case
    for folder in [course] + [p for p in course.rglob("*") if p.is_dir()]:
        names = [p.name.lower() for p in folder.iterdir()]
        report.expect(len(set(names)) == len(names),
                      "%s: two entries differ only in letter case" % folder)
    for h in headwords:
        wav = find(course, "Word", h[0], h + ".wav")
        if report.expect(wav is not None, "Word/%s/%s.wav missing" % (h[0], h)):
            check_wav(wav, report)

    # Catalogue and results
    book_titles = {}
    for i, (title, count) in enumerate(zip(titles, LESSON_COUNTS), 1):
        path = find(course, "SETTING", "BookList", title + ".dat")
        if not report.expect(path is not None, "BookList of %s missing" % title):
            continue
        names = items(read_gbk(path, report) or "", "^")
        if not report.expect(names is not None, "%s: not a ^-list" % path):
            continue
        report.expect(len(names) == count, "%s: %d titles, expected %d"
                      % (path, len(names), count))
        report.expect(len(set(names)) == len(names), "%s: two lessons share a title" % path)
        report.expect(all(n and "\\" not in n for n in names), "%s: an empty title or a \\"
                      % path)
        book_titles[title] = names
        results = find(course, "SETTING", "Results", title + ".dat")
        if report.expect(results is not None, "Results of %s missing" % title):
            stars = items(read_gbk(results, report) or "", "^")
            report.expect(stars == [OPEN_STAR + n for n in names],
                          "%s: expected one open star per lesson, in catalogue order" % results)

    # Lessons
    stats = {"ordinary": [], "video": [], "grouped": {}, "layout": []}
    spans = {}                                    # media path -> [(start, end, where)]
    for title in titles:
        folder = find(course, "Book", title)
        if folder is None:
            continue
        for path in sorted(folder.iterdir()):
            where = "Book/%s/%s" % (title, path.name)
            if not report.expect(re.fullmatch(r"[1-9]\d*\.dat", path.name) is not None,
                                 "%s: not a lesson file name" % where):
                continue
            n = int(path.stem)
            report.expect(n <= LESSON_COUNTS[titles.index(title)],
                          "%s: the Book has no lesson %d" % (where, n))
            text = read_gbk(path, report)
            records = items(text or "", "*")
            if not report.expect(records, "%s: not a *-list of sentences" % where):
                continue
            name = sentara_media(title, n)
            report.expect(name is not None and name == oralix_media(title, n),
                          "%s: the two programs choose different media (%s, %s)"
                          % (where, name, oralix_media(title, n)))
            media = find(course, "Sound", title, name) if name else None
            duration = None
            if report.expect(media is not None, "%s: media Sound/%s/%s missing"
                             % (where, title, name)):
                duration = media_duration(media)
                report.expect(duration is not None, "%s: ffprobe cannot read it" % media)
            previous_end = -1.0
            layout = False
            keys = notes = passed = 0
            for i, record in enumerate(records, 1):
                here = "%s sentence %d" % (where, i)
                fields = record.split("#")
                if not report.expect(len(fields) == 7 and fields[6] == "",
                                     "%s: expected six #-terminated fields" % here):
                    continue
                english, chinese, start, end, note, flag, _ = fields
                tokens = items(english, "^")
                if not report.expect(tokens is not None and all(tokens),
                                     "%s: English is not a ^-list of tokens" % here):
                    continue
                for tok in tokens:
                    if "$" not in tok:
                        layout = layout or "|" in tok
                        continue
                    parts = tok.split("$")
                    if not report.expect(len(parts) == 3 and parts[0] and parts[1]
                                         and parts[2] in ("", KEY),
                                         "%s: malformed word token %r" % (here, tok)):
                        continue
                    keys += parts[2] == KEY
                    layout = layout or "|" in parts[0]
                    found, tried = look_up(dict_lower, dict_text, parts[1])
                    report.expect(found is not None, "%s: %r is not in the dictionary (tried %s)"
                                  % (here, parts[1], tried))
                report.expect(chinese.strip() != "", "%s: no Chinese" % here)
                report.expect(flag in ("", "1"), "%s: dictation flag %r" % (here, flag))
                notes += note.strip() != ""
                passed += flag == "1"
                for t in (start, end):
                    report.expect(re.fullmatch(r"\d+(\.\d{1,3})?", t) is not None,
                                  "%s: time %r is not a plain decimal" % (here, t))
                s, e = number(start), number(end)
                report.expect(s < e, "%s: starts at %s but ends at %s" % (here, start, end))
                report.expect(s >= previous_end, "%s: overlaps the sentence before" % here)
                previous_end = e
                if duration is not None:
                    report.expect(e <= duration, "%s: ends at %s, after the end of %s (%.3f s)"
                                  % (here, end, media, duration))
                if media is not None:
                    spans.setdefault(media, []).append((s, e, here))
            info = (title, n, len(records))
            if title in content.get("textLayoutTitles", []) and layout:
                stats["layout"].append(info)
            if name and name.endswith(".wmv"):
                stats["video"].append(info)
            elif title in grouped or title in (trainer.get("titleSetA"), trainer.get("titleSetB")):
                stats["grouped"].setdefault((title, name), []).append(n)
            elif len(records) >= 8 and keys and notes and passed:
                stats["ordinary"].append(info)

    for media, sp in spans.items():
        sp.sort()
        for (s1, e1, w1), (s2, e2, w2) in zip(sp, sp[1:]):
            report.expect(e1 <= s2, "%s and %s overlap in %s" % (w1, w2, media))
        if gst:
            d = gst_duration(media)
            if report.expect(d is not None, "%s: GStreamer cannot decode it" % media):
                report.expect(max(e for _, e, _ in sp) <= d + 0.05,
                              "%s: GStreamer reports %.3f s, shorter than its sentences"
                              % (media, d))

    # What the demo course must show
    report.expect(len(stats["ordinary"]) >= 3, "fewer than three ordinary lessons of 8+ "
                  "sentences with key words, a note and a passed sentence")
    report.expect(len([v for v in stats["video"] if v[0] == video_course]) >= 2,
                  "fewer than two video lessons in the video course")
    shared = {t for (t, _), ns in stats["grouped"].items() if len(ns) >= 2}
    report.expect(any(t in grouped for t in shared), "no grouped title with a shared file")
    report.expect(trainer.get("titleSetA") in shared, "no shared file in the first title set")
    report.expect(trainer.get("titleSetB") in shared, "no shared file in the second title set")
    report.expect(len(stats["layout"]) >= 1, "no text-layout lesson with | line ends")

    # Interface sounds and pictures
    for name in INTERFACE_SOUNDS:
        wav = find(course, "SETTING", "Sound", name)
        if report.expect(wav is not None, "SETTING/Sound/%s missing" % name):
            check_wav(wav, report, trailing=0.25)
    for name in PICTURES:
        pic = find(course, "Bitmap", name)
        if report.expect(pic is not None, "Bitmap/%s missing" % name):
            report.expect(pic.read_bytes()[:2] == b"\xff\xd8", "%s: not a JPEG" % pic)

    # Settings
    set_dat = find(course, "SETTING", "Set.dat")
    if report.expect(set_dat is not None, "SETTING/Set.dat missing"):
        text = read_gbk(set_dat, report) or ""
        values = text.split("/")
        if report.expect(text.endswith("/") and len(values) == 35,
                         "Set.dat: expected 34 /-terminated values"):
            node = int(number(values[0]))
            report.expect(node == 2, "Set.dat: opens node %d, expected 2 (Book 1 lesson 1)"
                          % node)
            report.expect(values[1] == "1" and values[2] == "2",
                          "Set.dat: expected sentence 1 in the sentence mode")
            report.expect(values[9] == "1" and values[10] == "1000",
                          "Set.dat: expected read count 1 and pause 1000 in the sentence mode")
            report.expect(values[33] == "2", "Set.dat: expected engine 2")
            report.expect(find(course, "Book", titles[0], "1.dat") is not None,
                          "Set.dat opens Book 1 lesson 1, which has no lesson file")
    mnset = find(course, "SETTING", "mnset.dat")
    if report.expect(mnset is not None, "SETTING/mnset.dat missing"):
        text = read_gbk(mnset, report) or ""
        values = text.split("\\")
        if report.expect(text.endswith("\\") and len(values) == 13,
                         "mnset.dat: expected 12 \\-terminated values"):
            book = values[9]
            report.expect(book == titles[0], "mnset.dat: opens %r, expected Book 1" % book)
            names = book_titles.get(book, [])
            report.expect(values[0] == "0", "mnset.dat: expected lesson index 0")
            report.expect(values[7] in names, "mnset.dat: end lesson %r not in the Book"
                          % values[7])
            report.expect(0 <= int(number(values[8])) < max(1, len(names)),
                          "mnset.dat: start lesson index outside the Book")
            for k in (10, 11):
                report.expect(re.fullmatch(r"\d+", values[k]) is not None,
                              "mnset.dat: value %d is not a whole number" % k)
    return stats


def check_sources(course, source, report):
    """The installed content file and the lesson files match the sources they came from."""
    content = json.loads((source / "Content.json").read_text(encoding="utf-8"))
    installed = find(course, "SETTING", "Content.json")
    if installed is not None:
        report.expect(json.loads(installed.read_bytes().decode("gbk")) == content,
                      "SETTING/Content.json differs from %s" % (source / "Content.json"))
    titles = [b["title"] for b in content.get("books", [])]
    for lesson in sorted((source / "lessons").glob("*/*.txt")):
        b, n = int(lesson.parent.name), int(lesson.stem)
        report.expect(b <= len(titles) and find(course, "Book", titles[b - 1], "%d.dat" % n),
                      "%s has no lesson file in the course" % lesson)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--course", required=True, type=Path, help="the program folder")
    ap.add_argument("--source", type=Path, help="the demo-course sources: also check that "
                    "the course matches them")
    ap.add_argument("-v", "--verbose", action="store_true", help="list the real lessons")
    args = ap.parse_args()
    report = Report()
    stats = check(args.course.resolve(), report)
    if args.source:
        check_sources(args.course.resolve(), args.source.resolve(), report)
    if args.verbose and stats:
        for kind in ("ordinary", "video", "layout"):
            for title, n, count in stats[kind]:
                print("%-8s %s lesson %d: %d sentences" % (kind, title, n, count))
        for (title, name), ns in stats["grouped"].items():
            print("grouped  %s lessons %s share %s" % (title, ns, name))
    if report.problems:
        for p in report.problems:
            print("check-demo-course: %s" % p, file=sys.stderr)
        print("check-demo-course: %d problem(s) in %s" % (len(report.problems), args.course),
              file=sys.stderr)
        return 1
    print("check-demo-course: %s is consistent" % args.course)
    return 0


if __name__ == "__main__":
    sys.exit(main())
