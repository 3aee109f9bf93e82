#!/usr/bin/env python3
"""Generates the demo course into a program folder.

    tools/make-demo-course.py --source demo-course --out build/bin [--force] [--jobs N]

The course is built from the text sources in demo-course/ (Content.json, the lesson sources,
the dictionary, the settings) with espeak-ng (speech, phonetics), sox (silences, interface
sounds), ffmpeg (MP3, WMV) and ImageMagick (pictures). Sentence times are computed from the
generated audio, so they always match it. Every text file of the course is written in GBK.

The course is generated only when the folder has none: a folder that already holds
SETTING/Set.dat and lib.dll is left alone, unless it holds a demo course generated from other
sources (the marker file records a digest of the sources) or --force is given. The course is
built in a staging folder, checked with tools/check-demo-course.py, and only then moved into
place, so a failed run never leaves half a course behind.
"""

import argparse
import concurrent.futures
import hashlib
import json
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass, field
from pathlib import Path

MARKER = ".demo-course"
COURSE_ENTRIES = ["Book", "Sound", "SETTING", "Word", "Bitmap", "lib.dll"]
VOICE = "en-us"
SPEECH_RATE = "150"          # words per minute, a little slower than espeak's default
LEAD_SILENCE = 0.4           # before the first sentence of a media file (s)
SENTENCE_GAP = 0.6           # between two sentences (s)
LESSON_GAP = 1.2             # between two lessons of a shared file (s)
TAIL_SILENCE = 0.8           # after the last sentence (s)
KEY_WORD_MARKER = "\u25c6"   # ◆
OPEN_STAR = "\u2606"         # ☆
CJK_FONT = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc"
LATIN_FONT = "DejaVu-Sans"

TOOLS = Path(__file__).resolve().parent


class CourseError(Exception):
    pass


def run(cmd, **kw):
    """Runs a command; a failure raises with the command's own error output."""
    try:
        res = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE, **kw)
    except FileNotFoundError:
        raise CourseError("%s is not installed (scripts/install-deps installs it)" % cmd[0])
    if res.returncode != 0:
        raise CourseError("command failed: %s\n%s" % (" ".join(map(str, cmd)),
                                                       res.stderr.decode("utf-8", "replace")))
    return res.stdout.decode("utf-8", "replace")


def write_gbk(path, text):
    path.parent.mkdir(parents=True, exist_ok=True)
    try:
        data = text.encode("gbk")
    except UnicodeEncodeError as e:
        raise CourseError("%s: text GBK cannot encode: %r" % (path, text[e.start:e.end]))
    path.write_bytes(data)


def read_source(path):
    return path.read_text(encoding="utf-8")


def value_lines(path):
    """Lines of a value file: the text before a tab, comments and blank lines skipped."""
    values = []
    for line in read_source(path).splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        values.append(line.split("\t", 1)[0])
    return values


# ---------------------------------------------------------------- sources

@dataclass
class Token:
    text: str                # display part
    lookup: str = ""         # look-up form; empty for a plain token
    key: bool = False

    def encode(self):
        if not self.lookup:
            return self.text
        return "%s$%s$%s" % (self.text, self.lookup, KEY_WORD_MARKER if self.key else "")


@dataclass
class Sentence:
    english: str             # the source line with its markup
    chinese: str
    note: str = ""
    passed: bool = False
    tokens: list = field(default_factory=list)
    speech: str = ""
    wav: Path = None
    duration: float = 0.0
    start: float = 0.0
    end: float = 0.0


@dataclass
class Lesson:
    book: int                # 1-based catalogue position
    number: int
    title: str
    sentences: list
    media: str = ""          # file name under Sound/<title>/


TOKEN_RE = re.compile(
    r"(?P<star>\*)?(?P<word>[A-Za-z]+(?:'[A-Za-z]+)*)(?:\{(?P<base>[^}]+)\})?(?P<end>\*)?"
    r"|(?P<space>\s+)|(?P<other>[^A-Za-z\s*{}]+)")


def tokenize(line, headwords, where):
    tokens = []
    pos = 0
    while pos < len(line):
        m = TOKEN_RE.match(line, pos)
        if not m or m.end() == pos:
            raise CourseError("%s: cannot read the English line at %r" % (where, line[pos:]))
        pos = m.end()
        if m.group("word"):
            if bool(m.group("star")) != bool(m.group("end")):
                raise CourseError("%s: unbalanced key-word marks near %r" % (where, m.group(0)))
            word = m.group("word")
            lookup = m.group("base")
            if not lookup:
                # Proper names keep their capital; every other word looks up in lower case.
                lookup = word if (word in headwords and word.lower() not in headwords) \
                    else word.lower()
            tokens.append(Token(word, lookup, bool(m.group("star"))))
        else:
            tokens.append(Token(m.group(0)))
    for t in tokens:
        if any(c in t.text for c in "^$#*\\/") or (t.lookup and any(c in t.lookup for c in "^$#*")):
            raise CourseError("%s: a token holds a separator: %r" % (where, t.text))
    return tokens


def speech_text(line):
    text = re.sub(r"\{[^}]*\}", "", line).replace("*", "").replace("|", " ")
    return re.sub(r"\s+", " ", text).strip()


def parse_lesson(path, book, number, headwords):
    title = None
    sentences = []
    current = None
    where = str(path)
    for lineno, raw in enumerate(read_source(path).splitlines(), 1):
        line = raw.rstrip()
        here = "%s:%d" % (where, lineno)
        if line.startswith("#"):
            continue
        if not line:
            current = None
            continue
        if line.startswith("title:"):
            title = line[6:].strip()
        elif line.startswith("en:"):
            current = Sentence(english=line[3:].strip(), chinese="")
            current.tokens = tokenize(current.english, headwords, here)
            current.speech = speech_text(current.english)
            sentences.append(current)
        elif current is None:
            raise CourseError("%s: a sentence field outside a sentence" % here)
        elif line.startswith("zh:"):
            current.chinese = line[3:].strip()
        elif line.startswith("note:"):
            current.note = line[5:].strip()
        elif line.strip() == "passed":
            current.passed = True
        else:
            raise CourseError("%s: unknown line %r" % (here, line))
    if not title:
        raise CourseError("%s: no title" % where)
    if not sentences:
        raise CourseError("%s: no sentence" % where)
    for s in sentences:
        if not s.chinese:
            raise CourseError("%s: sentence %r has no Chinese" % (where, s.english))
        for text in (s.chinese, s.note):
            if any(c in text for c in "^$#*"):
                raise CourseError("%s: a separator in %r" % (where, text))
    return Lesson(book, number, title, sentences)


def load_dictionary(path):
    entries = []
    for lineno, line in enumerate(read_source(path).splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        parts = line.split("\t")
        if len(parts) < 2 or not parts[0] or not parts[1]:
            raise CourseError("%s:%d: expected headword<TAB>meaning" % (path, lineno))
        head, meaning = parts[0], parts[1]
        phonetic = parts[2] if len(parts) > 2 else None
        if any(c in head for c in "$[]") or any(c in meaning for c in "$"):
            raise CourseError("%s:%d: a separator in the entry" % (path, lineno))
        entries.append([head, phonetic, meaning])
    heads = [e[0].lower() for e in entries]
    if len(set(heads)) != len(heads):
        raise CourseError("%s: a headword appears twice" % path)
    return entries


def source_digest(source):
    h = hashlib.sha256()
    files = sorted(p for p in source.rglob("*") if p.is_file())
    files += [TOOLS / "make-demo-course.py", TOOLS / "check-demo-course.py"]
    for p in files:
        h.update(str(p.relative_to(p.parent.parent)).encode())
        h.update(p.read_bytes())
    return h.hexdigest()


# ---------------------------------------------------------------- content tables

def media_name(content, title, number):
    """The media file of a lesson, chosen as the main trainer chooses it."""
    for r in content.get("groupedAudio", {}).get(title, []):
        if r["first"] <= number <= r["last"]:
            return "%d.mp3" % r["file"]
    if title in content.get("groupedAudio", {}):
        return None                               # outside the table: no file of its own
    prefix = content.get("videoSeriesPrefix", "")
    if title in content.get("videoTitles", []) or (prefix and title.startswith(prefix)):
        return "%d.wmv" % number
    return "%d.mp3" % number


# ---------------------------------------------------------------- phonetics

# espeak-ng writes IPA, most of which GBK cannot encode. Each symbol becomes the nearest
# character GBK has, so the transcription reads like IPA in any font.
IPA_TO_GBK = [
    ("ˈ", "'"), ("ˌ", ","), ("ː", ":"), ("ɚ", "эr"), ("ɝ", "эr"), ("ə", "э"), ("ɜ", "э"),
    ("ᵻ", "I"), ("ɪ", "I"), ("ʊ", "υ"), ("æ", "ae"), ("ʌ", "Λ"), ("ɐ", "Λ"), ("ɔ", "o"),
    ("ɒ", "o"), ("ɛ", "ε"), ("ʃ", "∫"), ("ʒ", "з"), ("ʧ", "t∫"), ("ʤ", "dз"), ("θ", "θ"),
    ("ð", "δ"), ("ŋ", "η"), ("ɹ", "r"), ("ɾ", "t"), ("ɫ", "l"), ("ʔ", ""), ("ɑ", "ɑ"),
    ("ɡ", "g"), ("ɬ", "l"), ("ç", "h"), ("ɣ", "g"), ("ɯ", "u"), ("ɨ", "I"),
]


def gbk_phonetic(ipa):
    out = ipa.strip()
    for a, b in IPA_TO_GBK:
        out = out.replace(a, b)
    # Drop combining marks and anything else GBK cannot hold.
    kept = []
    for c in out:
        try:
            c.encode("gbk")
        except UnicodeEncodeError:
            continue
        if c in "[]$":
            continue
        kept.append(c)
    return move_stress("".join(kept).replace(" ", ""))


VOWELS = set("aeiouIυΛεэɑ:")
ONSETS = {"pl", "bl", "kl", "gl", "fl", "sl", "pr", "br", "tr", "dr", "kr", "gr", "fr", "θr",
          "∫r", "sp", "st", "sk", "sm", "sn", "sw", "tw", "kw", "dw", "spr", "str", "skr",
          "spl", "skw", "t∫", "dз", "pj", "bj", "kj", "fj", "mj", "nj", "hj", "vj"}


def move_stress(text):
    """espeak-ng marks stress before the vowel; dictionaries mark it before the syllable."""
    chars = list(text)
    i = 0
    while i < len(chars):
        if chars[i] in "',":
            j = i
            while j > 0 and chars[j - 1] not in VOWELS and chars[j - 1] not in "',":
                j -= 1
            run = "".join(chars[j:i])
            if j > 0 and len(run) > 1:
                # leave the preceding syllable its coda: keep the longest legal onset
                keep = 1
                for n in range(len(run), 1, -1):
                    if run[-n:] in ONSETS:
                        keep = n
                        break
                j = i - keep
            mark = chars.pop(i)
            chars.insert(j, mark)
        i += 1
    return "".join(chars)


def phonetics(words):
    """IPA of each word, one espeak-ng call for all of them."""
    text = "".join("%s.\n" % w for w in words)
    out = run(["espeak-ng", "-q", "--ipa", "-v", VOICE], input=text.encode("utf-8"))
    lines = [l.strip() for l in out.splitlines() if l.strip()]
    if len(lines) != len(words):        # espeak merged or split a line: ask word by word
        lines = [run(["espeak-ng", "-q", "--ipa", "-v", VOICE, w]).strip() for w in words]
    return [gbk_phonetic(l) for l in lines]


# ---------------------------------------------------------------- audio

def espeak_wav(text, path):
    path.parent.mkdir(parents=True, exist_ok=True)
    run(["espeak-ng", "-v", VOICE, "-s", SPEECH_RATE, "-w", str(path), text])


def sentence_wav(text, path):
    """The spoken sentence with espeak-ng's own silences trimmed to a short margin."""
    raw = path.with_suffix(".raw.wav")
    espeak_wav(text, raw)
    run(["sox", str(raw), str(path), "silence", "1", "0.02", "0.3%", "reverse",
         "silence", "1", "0.02", "0.3%", "reverse", "pad", "0.05", "0.15"])
    raw.unlink()


def word_wavs(words, paths, work):
    """The recording of every word: one espeak-ng run over all of them, cut at the long
    pauses put between the words; word by word when the cut does not give one piece each."""
    import array
    import wave
    from xml.sax.saxutils import escape
    whole = work / "words.wav"
    ssml = "<speak>%s</speak>" % "".join(
        '%s.<break time="1200ms"/>' % escape(w) for w in words)
    run(["espeak-ng", "-m", "-v", VOICE, "-s", SPEECH_RATE, "-w", str(whole), ssml])
    with wave.open(str(whole), "rb") as w:
        params = w.getparams()
        samples = array.array("h", w.readframes(w.getnframes()))
    if sys.byteorder != "little":
        samples.byteswap()
    window = params.framerate // 100                      # 10 ms
    loud = []
    for i in range(0, len(samples), window):
        chunk = samples[i:i + window]
        loud.append(max(chunk) > 60 or min(chunk) < -60)
    pieces = []                                           # [first, last] loud windows
    quiet = 0
    for i, is_loud in enumerate(loud):
        if is_loud:
            if not pieces or quiet >= 60:                 # a pause of 0.6 s or more
                pieces.append([i, i])
            pieces[-1][1] = i
            quiet = 0
        else:
            quiet += 1
    whole.unlink()
    if len(pieces) != len(words):
        print("demo course: the word recordings did not cut into %d pieces (%d); "
              "recording word by word" % (len(words), len(pieces)))
        for word, path in zip(words, paths):
            espeak_wav(word, path)
        return
    lead = array.array("h", [0]) * (params.framerate // 20)     # 50 ms
    tail = array.array("h", [0]) * (params.framerate * 3 // 20)  # 150 ms
    for (first, last), path in zip(pieces, paths):
        piece = lead + samples[max(0, first - 1) * window:(last + 2) * window] + tail
        if sys.byteorder != "little":
            piece.byteswap()
        path.parent.mkdir(parents=True, exist_ok=True)
        with wave.open(str(path), "wb") as out:
            out.setnchannels(1)
            out.setsampwidth(2)
            out.setframerate(params.framerate)
            out.writeframes(piece.tobytes())


def durations(paths):
    """Durations in seconds, by soxi."""
    result = []
    paths = list(paths)
    for i in range(0, len(paths), 200):
        chunk = paths[i:i + 200]
        out = run(["soxi", "-D"] + [str(p) for p in chunk]).split()
        if len(out) != len(chunk):
            raise CourseError("soxi gave %d durations for %d files" % (len(out), len(chunk)))
        result += [float(x) for x in out]
    return result


def silence(path, seconds, rate):
    run(["sox", "-n", "-r", str(rate), "-b", "16", "-c", "1", str(path),
         "trim", "0", "%.3f" % seconds])


def floor2(x):
    return math.floor(x * 100 + 1e-6) / 100


def ceil2(x):
    return math.ceil(x * 100 - 1e-6) / 100


def time_text(x):
    text = "%.2f" % x
    return text.rstrip("0").rstrip(".") if "." in text else text


@dataclass
class MediaFile:
    title: str
    name: str                # "<n>.mp3", "<k>.mp3" or "<n>.wmv"
    lessons: list            # in lesson order


def lay_out(media, rate, work):
    """Places the sentences of a media file on its timeline and writes its WAV."""
    pieces = []
    sil = {}

    def gap(seconds):
        if seconds not in sil:
            sil[seconds] = work / ("silence-%d.wav" % int(seconds * 1000))
            silence(sil[seconds], seconds, rate)
        return sil[seconds]

    pieces.append(gap(LEAD_SILENCE))
    t = LEAD_SILENCE
    for li, lesson in enumerate(media.lessons):
        if li > 0:
            pieces.append(gap(LESSON_GAP))
            t += LESSON_GAP
        for si, s in enumerate(lesson.sentences):
            if si > 0:
                pieces.append(gap(SENTENCE_GAP))
                t += SENTENCE_GAP
            s.start = floor2(t)
            pieces.append(s.wav)
            t += s.duration
            s.end = ceil2(t)
    pieces.append(gap(TAIL_SILENCE))
    t += TAIL_SILENCE
    wav = work / ("%s-%s.wav" % (safe_name(media.title), media.name))
    run(["sox"] + [str(p) for p in pieces] + [str(wav)])
    actual = durations([wav])[0]
    if abs(actual - t) > 0.01:
        raise CourseError("%s: laid out %.3f s but sox wrote %.3f s" % (wav, t, actual))
    return wav, actual


def safe_name(title):
    return hashlib.md5(title.encode("utf-8")).hexdigest()[:10]


def encode_mp3(wav, out):
    out.parent.mkdir(parents=True, exist_ok=True)
    run(["ffmpeg", "-nostdin", "-loglevel", "error", "-y", "-i", str(wav), "-ac", "1",
         "-ar", "44100", "-c:a", "libmp3lame", "-b:a", "64k", str(out)])


FRAME_COLOURS = ["#2e4a62", "#5b3a5e", "#2f5d50", "#6a4b2a", "#3b3f73", "#5e2f37"]


def encode_wmv(media, wav, total, out, work):
    """A WMV whose picture shows the sentence being spoken on a coloured ground."""
    lesson = media.lessons[0]
    frames = []
    n = len(lesson.sentences)
    for i, s in enumerate(lesson.sentences):
        png = work / ("frame-%s-%s-%d.png" % (safe_name(media.title), media.name, i))
        english = speech_text(s.english)
        run(["convert", "-size", "320x240", "xc:" + FRAME_COLOURS[i % len(FRAME_COLOURS)],
             "(", "-background", "none", "-fill", "white", "-font", LATIN_FONT,
             "-pointsize", "20", "-size", "290x110", "-gravity", "center",
             "caption:" + english, ")",
             "-gravity", "north", "-geometry", "+0+40", "-composite",
             "(", "-background", "none", "-fill", "#ffe9a8", "-font", CJK_FONT,
             "-pointsize", "17", "-size", "290x50", "-gravity", "center",
             "caption:" + s.chinese, ")",
             "-gravity", "north", "-geometry", "+0+160", "-composite",
             "-gravity", "northwest", "-fill", "#cfd8e0", "-font", LATIN_FONT,
             "-pointsize", "12", "-annotate", "+10+8", "%s  %d/%d" % (lesson.title, i + 1, n),
             str(png)])
        start = 0.0 if i == 0 else lesson.sentences[i].start
        stop = total if i == n - 1 else lesson.sentences[i + 1].start
        frames.append((png, stop - start))
    listing = work / ("frames-%s-%s.txt" % (safe_name(media.title), media.name))
    lines = []
    for png, d in frames:
        lines.append("file '%s'\nduration %.3f\n" % (png, d))
    lines.append("file '%s'\n" % frames[-1][0])       # the demuxer needs the last one twice
    listing.write_text("".join(lines))
    out.parent.mkdir(parents=True, exist_ok=True)
    run(["ffmpeg", "-nostdin", "-loglevel", "error", "-y",
         "-f", "concat", "-safe", "0", "-i", str(listing), "-i", str(wav),
         "-map", "0:v", "-map", "1:a", "-vf", "fps=10,format=yuv420p",
         "-c:v", "wmv2", "-b:v", "300k", "-c:a", "wmav2", "-b:a", "64k", "-ar", "44100",
         "-ac", "1", "-t", "%.3f" % total, "-f", "asf", str(out)])


# ---------------------------------------------------------------- other files

def interface_sounds(folder):
    folder.mkdir(parents=True, exist_ok=True)
    common = ["-r", "22050", "-b", "16", "-e", "signed-integer", "-c", "1"]
    specs = {
        "MouDown.wav": ["synth", "0.03", "sine", "700", "fade", "q", "0.002", "0.03", "0.02"],
        "MouUp.wav": ["synth", "0.03", "sine", "1000", "fade", "q", "0.002", "0.03", "0.02"],
        "type.wav": ["synth", "0.015", "whitenoise", "fade", "q", "0.001", "0.015", "0.01",
                     "vol", "0.4"],
        "wrong.wav": ["synth", "0.25", "square", "180", "vol", "0.3",
                      "fade", "q", "0.005", "0.25", "0.05"],
    }
    for name, effect in specs.items():
        run(["sox", "-n"] + common + [str(folder / name)] + effect + ["pad", "0", "0.3"])
    # WordRight: two rising notes, one after the other
    a, b = folder / "a.wav", folder / "b.wav"
    run(["sox", "-n"] + common + [str(a), "synth", "0.09", "sine", "880",
                                  "fade", "q", "0.005", "0.09", "0.03", "vol", "0.5"])
    run(["sox", "-n"] + common + [str(b), "synth", "0.12", "sine", "1320",
                                  "fade", "q", "0.005", "0.12", "0.05", "vol", "0.5"])
    run(["sox", str(a), str(b)] + common + [str(folder / "WordRight.wav"), "pad", "0", "0.3"])
    a.unlink()
    b.unlink()


def pictures(folder):
    folder.mkdir(parents=True, exist_ok=True)

    def box(path, checked, label=None):
        width = 16 if label is None else 56
        cmd = ["convert", "-size", "%dx16" % width, "xc:white", "-fill", "white",
               "-stroke", "#5a6b7c", "-strokewidth", "1", "-draw", "rectangle 1,1 14,14"]
        if checked:
            cmd += ["-fill", "none", "-stroke", "#1e8a3a", "-strokewidth", "2",
                    "-draw", "polyline 4,8 7,11 12,4"]
        if label is not None:
            cmd += ["-stroke", "none", "-fill", "#203040", "-font", CJK_FONT,
                    "-pointsize", "12", "-annotate", "+20+13", label]
        run(cmd + ["-quality", "95", str(folder / path)])

    def radio(path, on):
        cmd = ["convert", "-size", "16x16", "xc:white", "-fill", "white", "-stroke", "#5a6b7c",
               "-draw", "circle 8,8 8,2"]
        if on:
            cmd += ["-fill", "#1e6ab0", "-stroke", "none", "-draw", "circle 8,8 8,5"]
        run(cmd + ["-quality", "95", str(folder / path)])

    box("check_0.jpg", False)
    box("check_1.jpg", True)
    box("EnglishCheck_0.jpg", False, "英文")
    box("EnglishCheck_1.jpg", True, "英文")
    box("ChineseCheck_0.jpg", False, "中文")
    box("ChineseCheck_1.jpg", True, "中文")
    box("0.jpg", False)                           # the compact trainer's check pictures
    box("1.jpg", True)
    radio("f.jpg", False)                         # the compact trainer's option pictures
    radio("t.jpg", True)


# ---------------------------------------------------------------- the build

def build(source, stage, jobs):
    t0 = time.time()
    content = json.loads(read_source(source / "Content.json"))
    books = content["books"]
    if len(books) != 10:
        raise CourseError("Content.json: expected ten Books, found %d" % len(books))
    titles = [b["title"] for b in books]
    for t in titles:
        if not t or any(c in t for c in "/\\^*#$") or t != t.strip():
            raise CourseError("Content.json: %r cannot be a Book title" % t)

    entries = load_dictionary(source / "dictionary.txt")
    headwords = {e[0] for e in entries}

    # Lessons
    lessons = []
    for bdir in sorted((source / "lessons").iterdir()):
        if not bdir.is_dir():
            continue
        b = int(bdir.name)
        if not 1 <= b <= 10:
            raise CourseError("%s: no Book %d" % (bdir, b))
        for f in sorted(bdir.glob("*.txt"), key=lambda p: int(p.stem)):
            n = int(f.stem)
            if not 1 <= n <= books[b - 1]["lessons"]:
                raise CourseError("%s: Book %d has no lesson %d" % (f, b, n))
            lessons.append(parse_lesson(f, b, n, headwords))

    # Catalogue titles
    patterns = {}
    for line in read_source(source / "lesson-titles.txt").splitlines():
        if line.strip() and not line.startswith("#"):
            b, pattern = line.split("\t", 1)
            patterns[int(b)] = pattern
    lesson_titles = {}
    for i, book in enumerate(books, 1):
        lesson_titles[i] = [patterns[i].replace("{n}", str(n))
                            for n in range(1, book["lessons"] + 1)]
    for lesson in lessons:
        lesson_titles[lesson.book][lesson.number - 1] = lesson.title
    for i, names in lesson_titles.items():
        if len(set(names)) != len(names):
            raise CourseError("Book %d: two lessons share a title" % i)
        for name in names:
            if not name or any(c in name for c in "^\\*#$"):
                raise CourseError("Book %d: %r cannot be a lesson title" % (i, name))

    # Media files: which lessons share which file
    media = {}
    for lesson in lessons:
        title = titles[lesson.book - 1]
        name = media_name(content, title, lesson.number)
        if name is None:
            raise CourseError("%s lesson %d is outside its grouped-audio table"
                              % (title, lesson.number))
        lesson.media = name
        media.setdefault((title, name), MediaFile(title, name, [])).lessons.append(lesson)
    for m in media.values():
        m.lessons.sort(key=lambda l: l.number)
        if m.name.endswith(".wmv") and len(m.lessons) != 1:
            raise CourseError("%s: one video per lesson" % m.name)

    work = stage / ".work"
    work.mkdir(parents=True)

    # Speech: every sentence and every dictionary word, in parallel
    sentences = [s for l in lessons for s in l.sentences]
    for i, s in enumerate(sentences):
        s.wav = work / ("sentence-%03d.wav" % i)
    word_files = []
    for head, _, _ in entries:
        # One folder per letter whatever its case ("Anna" and "and" both under "a"): the
        # trainers resolve paths ignoring case, so "A" and "a" must not be two folders.
        word_files.append((head, stage / "Word" / head[0].lower() / (head + ".wav")))
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
        futures = [pool.submit(sentence_wav, s.speech, s.wav) for s in sentences]
        futures.append(pool.submit(word_wavs, [h for h, _ in word_files],
                                   [p for _, p in word_files], work))
        futures.append(pool.submit(interface_sounds, stage / "SETTING" / "Sound"))
        futures.append(pool.submit(pictures, stage / "Bitmap"))
        phon_future = pool.submit(phonetics, [e[0] for e in entries if e[1] is None])
        for f in futures:
            f.result()
        generated = iter(phon_future.result())
    for e in entries:
        if e[1] is None:
            e[1] = next(generated)
    for s, d in zip(sentences, durations(s.wav for s in sentences)):
        s.duration = d
    rate = int(run(["soxi", "-r", str(sentences[0].wav)]).strip())
    t_speech = time.time() - t0

    # Timelines and media
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
        futures = []
        for m in media.values():
            wav, total = lay_out(m, rate, work)
            out = stage / "Sound" / m.title / m.name
            if m.name.endswith(".wmv"):
                futures.append(pool.submit(encode_wmv, m, wav, total, out, work))
            else:
                futures.append(pool.submit(encode_mp3, wav, out))
        for f in futures:
            f.result()

    # Lesson files
    for lesson in lessons:
        records = []
        for s in lesson.sentences:
            english = "^" + "".join(t.encode() + "^" for t in s.tokens)
            records.append("#".join([english, s.chinese, time_text(s.start), time_text(s.end),
                                     s.note, "1" if s.passed else ""]) + "#")
        write_gbk(stage / "Book" / titles[lesson.book - 1] / ("%d.dat" % lesson.number),
                  "*" + "".join(r + "*" for r in records))

    # Catalogue and results
    for i, title in enumerate(titles, 1):
        names = lesson_titles[i]
        write_gbk(stage / "SETTING" / "BookList" / (title + ".dat"),
                  "^" + "".join(n + "^" for n in names))
        write_gbk(stage / "SETTING" / "Results" / (title + ".dat"),
                  "^" + "".join(OPEN_STAR + n + "^" for n in names))

    # Dictionary
    entries.sort(key=lambda e: (e[0].lower(), e[0]))
    write_gbk(stage / "lib.dll", "".join("$%s[%s]%s" % tuple(e) for e in entries))

    # Settings and content
    set_values = value_lines(source / "Set.dat.txt")
    if len(set_values) != 34:
        raise CourseError("Set.dat.txt: expected 34 values, found %d" % len(set_values))
    write_gbk(stage / "SETTING" / "Set.dat", "".join(v + "/" for v in set_values))
    mn_values = value_lines(source / "mnset.dat.txt")
    if len(mn_values) != 12:
        raise CourseError("mnset.dat.txt: expected 12 values, found %d" % len(mn_values))
    write_gbk(stage / "SETTING" / "mnset.dat", "".join(v + "\\" for v in mn_values))
    # ASCII with \u escapes: the same bytes in GBK and in UTF-8, as a JSON reader expects.
    write_gbk(stage / "SETTING" / "Content.json",
              json.dumps(content, ensure_ascii=True, indent=2) + "\n")

    shutil.rmtree(work)
    print("demo course: speech %.1f s, media %.1f s" % (t_speech, time.time() - t0 - t_speech))
    return {
        "lessons": lessons,
        "media": len(media),
        "words": len(entries),
        "speech_seconds": t_speech,
    }


def course_present(out):
    return (out / "SETTING" / "Set.dat").exists() and (out / "lib.dll").exists()


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--source", required=True, type=Path, help="the demo-course folder")
    ap.add_argument("--out", required=True, type=Path, help="the program folder")
    ap.add_argument("--force", action="store_true", help="regenerate an existing course")
    ap.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    args = ap.parse_args()

    source = args.source.resolve()
    out = args.out.resolve()
    digest = source_digest(source)
    marker = out / MARKER
    if course_present(out) and not args.force:
        if not marker.exists():
            print("demo course: %s already holds a course; left as it is" % out)
            return 0
        if marker.read_text().strip() == digest:
            return 0
        print("demo course: the sources changed since %s was generated; regenerating" % out)

    t0 = time.time()
    out.mkdir(parents=True, exist_ok=True)
    for stale in out.glob(".demo-course-*"):          # left by an interrupted run
        shutil.rmtree(stale, ignore_errors=True)
    stage = Path(tempfile.mkdtemp(prefix=".demo-course-", dir=out))
    try:
        info = build(source, stage, max(1, args.jobs))
        check = subprocess.run([sys.executable, str(TOOLS / "check-demo-course.py"),
                                "--course", str(stage), "--source", str(source)])
        if check.returncode != 0:
            raise CourseError("the generated course failed its check (see above)")
        marker.unlink(missing_ok=True)
        for name in COURSE_ENTRIES:
            target = out / name
            if target.is_dir() and not target.is_symlink():
                shutil.rmtree(target)
            elif target.exists() or target.is_symlink():
                target.unlink()
            os.replace(stage / name, target)
        marker.write_text(digest + "\n")
    except CourseError as e:
        print("demo course: FAILED: %s" % e, file=sys.stderr)
        return 1
    finally:
        shutil.rmtree(stage, ignore_errors=True)
    real = info["lessons"]
    print("demo course: %d lessons with %d sentences, %d media files, %d words in %s (%.1f s)"
          % (len(real), sum(len(l.sentences) for l in real), info["media"], info["words"],
             out, time.time() - t0))
    return 0


if __name__ == "__main__":
    sys.exit(main())
