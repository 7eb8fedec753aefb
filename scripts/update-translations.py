#!/usr/bin/env python3
"""Keeps the translation sources in src/Languages in step with the code.

The code looks every text up by a key and passes the English sentence, where
it has one, as the disambiguation comment: tr("PowerSaving", "Power saving").
The .ts files hold each key with an empty comment, so the lookup falls back
to that entry whatever the comment says. English (GB, EN) has a finished
entry for every key; any other language holds the English as an unfinished
entry until a translator replaces it, so that a bare key never reaches the
screen.

  update-translations.py          add what the code uses to all languages
  update-translations.py --check  change nothing; exit 1 if anything is missing

Existing translations are never changed and entries are never deleted; keys
that the code no longer uses are listed and, with --mark-vanished, marked so
that lrelease leaves them out.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

# File code -> locale written into the TS root (lrelease takes the plural
# rules from it).
LANGUAGES = [
    ("GB", "en_GB"), ("DE", "de_DE"), ("FR", "fr_FR"), ("IT", "it_IT"),
    ("ES", "es_ES"), ("CN", "zh_CN"), ("CZ", "cs_CZ"), ("HU", "hu_HU"),
    ("RU", "ru_RU"), ("SI", "sl_SI"), ("JP", "ja_JP"), ("PL", "pl_PL"),
    ("PT", "pt_PT"), ("RO", "ro_RO"), ("SK", "sk_SK"), ("SE", "sv_SE"),
    ("FI", "fi_FI"), ("DK", "da_DK"), ("NO", "nb_NO"), ("BG", "bg_BG"),
    ("HR", "hr_HR"), ("KR", "ko_KR"), ("RS", "sr_RS"), ("TR", "tr_TR"),
    ("EN", "en"),
]
ENGLISH = ("GB", "EN")
# Entries lrelease does not compile.
DROPPED = ("vanished", "obsolete")


def ts_path(languages_dir, code):
    return os.path.join(languages_dir, code + "_KX500.ts")


# --- lupdate -----------------------------------------------------------------

def find_lupdate(explicit):
    candidates = [explicit, os.environ.get("LUPDATE"),
                  "/usr/lib/qt5/bin/lupdate", shutil.which("lupdate-qt5"),
                  shutil.which("lupdate")]
    for c in candidates:
        if c and os.path.isfile(c) and os.access(c, os.X_OK):
            return c
    sys.exit("update-translations: lupdate not found "
             "(install qttools5-dev-tools or pass --lupdate)")


def run_lupdate(lupdate, args):
    # qtchooser's wrapper needs to know which Qt is meant.
    env = dict(os.environ, QT_SELECT=os.environ.get("QT_SELECT", "qt5"))
    result = subprocess.run([lupdate, "-silent", "-locations", "none"] + args,
                            env=env, capture_output=True, text=True)
    if result.stderr.strip():
        sys.stderr.write(result.stderr)
    if result.returncode != 0:
        sys.exit("update-translations: lupdate failed (%d)" % result.returncode)


class Used:
    """A key as the code uses it."""

    def __init__(self, numerus):
        self.numerus = numerus
        self.comments = []  # every English sentence given for the key

    @property
    def english(self):
        return self.comments[0] if self.comments else ""


def extract(lupdate, sources_dir):
    """(context, key) -> Used, in the order lupdate reports them."""
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "extract.ts")
        run_lupdate(lupdate, ["-no-obsolete", "-extensions", "cpp,h,ui",
                              sources_dir, "-ts", out])
        if not os.path.exists(out):
            return {}
        root = ET.parse(out).getroot()
    used = {}
    for context in root.iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            key = (name, message.findtext("source", ""))
            entry = used.setdefault(key, Used(message.get("numerus") == "yes"))
            comment = message.findtext("comment", "")
            if comment and comment not in entry.comments:
                entry.comments.append(comment)
    return used


_numerus_cache = {}


def numerus_forms(lupdate, locale):
    """How many plural forms lrelease expects for a language."""
    if locale not in _numerus_cache:
        with tempfile.TemporaryDirectory() as tmp:
            src = os.path.join(tmp, "n.cpp")
            with open(src, "w") as f:
                f.write('void f() { QCoreApplication::translate("C", "%n", nullptr, 1); }\n')
            out = os.path.join(tmp, "n.ts")
            run_lupdate(lupdate, ["-target-language", locale, src, "-ts", out])
            _numerus_cache[locale] = max(1, len(ET.parse(out).getroot().findall(".//numerusform")))
    return _numerus_cache[locale]


# --- .ts files ---------------------------------------------------------------

def _escape(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;").replace("'", "&apos;"))


def _open_tag(element):
    attrs = "".join(' %s="%s"' % (k, _escape(v)) for k, v in element.attrib.items())
    return "<%s%s" % (element.tag, attrs)


def _inline(element):
    s = _open_tag(element)
    if element.tag in ("location", "byte") and not element.text and not len(element):
        return s + "/>"
    s += ">" + _escape(element.text or "")
    for child in element:
        s += _inline(child) + _escape(child.tail or "")
    return s + "</%s>" % element.tag


def _write(element, depth, lines):
    indent = "    " * depth
    mixed = (element.text or "").strip() or any((c.tail or "").strip() for c in element)
    if not len(element) or mixed:
        lines.append(indent + _inline(element))
        return
    lines.append(indent + _open_tag(element) + ">")
    for child in element:
        _write(child, depth + 1, lines)
    lines.append(indent + "</%s>" % element.tag)


def translation_text(message):
    translation = message.find("translation")
    if translation is None:
        return ""
    if message.get("numerus") == "yes":
        forms = [f.text or "" for f in translation.findall("numerusform")]
        return forms[0] if forms and all(forms) else ""
    return translation.text or ""


def translation_type(message):
    translation = message.find("translation")
    return translation.get("type") if translation is not None else None


class TsFile:
    """One language's .ts file, written the way lupdate and Linguist write it."""

    def __init__(self, path, locale):
        self.path = path
        self.exists = os.path.exists(path)
        if self.exists:
            self.root = ET.parse(path).getroot()
        else:
            self.root = ET.Element("TS", {"version": "2.1"})
        self.locale = locale
        self.added = 0
        self.index = {}
        self.duplicates = []
        for context in self.root.findall("context"):
            name = context.findtext("name", "")
            for message in context.findall("message"):
                if message.findtext("comment", ""):
                    continue  # only comment-less entries serve the lookup
                key = (name, message.findtext("source", ""))
                if key in self.index:
                    self.duplicates.append(key)
                else:
                    self.index[key] = message

    def language_ok(self):
        return self.root.get("language") == self.locale

    def find(self, key):
        return self.index.get(key)

    def live_keys(self):
        return [k for k, m in self.index.items() if translation_type(m) not in DROPPED]

    def add(self, key, texts, finished, numerus=False):
        context_name, source = key
        context = None
        for c in self.root.findall("context"):
            if c.findtext("name", "") == context_name:
                context = c
                break
        if context is None:
            context = ET.SubElement(self.root, "context")
            ET.SubElement(context, "name").text = context_name
        message = ET.SubElement(context, "message")
        if numerus:
            message.set("numerus", "yes")
        ET.SubElement(message, "source").text = source
        ET.SubElement(message, "translation")
        set_translation(message, texts, finished)
        self.index[key] = message
        self.added += 1
        return message

    def serialise(self):
        self.root.set("language", self.locale)
        lines = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
                 _open_tag(self.root) + ">"]
        for child in self.root:
            _write(child, 0, lines)
        lines.append("</TS>")
        return "\n".join(lines) + "\n"

    def save(self):
        """Writes the file if its content changed; returns whether it did."""
        text = self.serialise()
        if self.exists:
            with open(self.path, encoding="utf-8") as f:
                if f.read() == text:
                    return False
        with open(self.path, "w", encoding="utf-8") as f:
            f.write(text)
        self.exists = True
        return True


def set_translation(message, texts, finished):
    translation = message.find("translation")
    for child in list(translation):
        translation.remove(child)
    if message.get("numerus") == "yes":
        translation.text = None
        for text in texts:
            ET.SubElement(translation, "numerusform").text = text
    else:
        translation.text = texts[0]
    if finished:
        translation.attrib.pop("type", None)
    else:
        translation.set("type", "unfinished")


# --- English -----------------------------------------------------------------

def readable(key):
    """English made from a key: "ResetToDeliverystate" -> "Reset to deliverystate"."""
    if re.search(r"\s", key):
        return key
    text = key.replace("_", " ")
    text = re.sub(r"([a-z])([A-Z])", r"\1 \2", text)
    text = re.sub(r"([A-Z]+)([A-Z][a-z])", r"\1 \2", text)
    text = re.sub(r"(\d)([A-Z][a-z])", r"\1 \2", text)
    words = text.split()
    if not words:
        return key
    out = [words[0][:1].upper() + words[0][1:]]
    for w in words[1:]:
        # Acronyms and names with digits keep their case.
        out.append(w.lower() if re.fullmatch(r"[A-Z]?[a-z]+", w) else w)
    return " ".join(out)


def english_texts(used, files):
    """(context, key) -> (English, made from the key?)."""
    result = {}
    for key, u in used.items():
        gb = files["GB"].find(key)
        en = files["EN"].find(key)
        for text in (translation_text(gb) if gb is not None else "",
                     u.english,
                     translation_text(en) if en is not None else ""):
            if text:
                result[key] = (text, False)
                break
        else:
            result[key] = (readable(key[1]), True)
    return result


def label(key):
    return "%s / %s" % key


# --- modes -------------------------------------------------------------------

def check(used, files):
    problems = []
    for code, ts in files.items():
        name = os.path.basename(ts.path)
        if not ts.exists:
            problems.append("%s: file missing" % name)
            continue
        if not ts.language_ok():
            problems.append("%s: language should be %s" % (name, ts.locale))
        for key in ts.duplicates:
            problems.append("%s: duplicate entry %s" % (name, label(key)))
        for key in used:
            message = ts.find(key)
            if message is None:
                problems.append("%s: missing %s" % (name, label(key)))
            elif translation_type(message) in DROPPED:
                problems.append("%s: marked %s but used: %s"
                                % (name, translation_type(message), label(key)))
            elif not translation_text(message):
                problems.append("%s: no text for %s" % (name, label(key)))
        if code in ENGLISH:
            for key, message in ts.index.items():
                if key not in used and translation_type(message) not in DROPPED \
                        and not translation_text(message):
                    problems.append("%s: no English for %s" % (name, label(key)))
    for line in problems:
        print(line)
    if problems:
        print("update-translations: %d problem(s); run scripts/update-translations.py"
              % len(problems))
        return 1
    print("update-translations: all %d keys present in %d languages" % (len(used), len(files)))
    return 0


def update(used, files, lupdate, mark_vanished):
    english = english_texts(used, files)
    for key, u in used.items():
        if len(u.comments) > 1:
            print("note: %s has different English in the code: %s"
                  % (label(key), " | ".join(repr(c) for c in u.comments)))
        gb = files["GB"].find(key)
        if gb is not None and u.english and translation_text(gb) \
                and translation_text(gb) != u.english:
            print("note: %s: code says %r, GB_KX500.ts says %r"
                  % (label(key), u.english, translation_text(gb)))

    generated = []
    for code, ts in files.items():
        finished = code in ENGLISH
        for key, u in used.items():
            text, made = english[key]
            forms = [text] * (numerus_forms(lupdate, ts.locale) if u.numerus else 1)
            message = ts.find(key)
            if message is None:
                ts.add(key, forms, finished, u.numerus)
                if made and finished:
                    generated.append((code, key, text))
                continue
            kind = translation_type(message)
            if kind in DROPPED:
                # Back in use: restore the state it had before it vanished.
                translation = message.find("translation")
                if kind == "vanished":
                    translation.attrib.pop("type")
                else:
                    translation.set("type", "unfinished")
            if not translation_text(message):
                set_translation(message, forms, finished)
                if made and finished:
                    generated.append((code, key, text))

    unused = [k for k in files["GB"].live_keys() if k not in used]
    if mark_vanished:
        for ts in files.values():
            for key in unused:
                message = ts.find(key)
                if message is None or translation_type(message) in DROPPED:
                    continue
                translation = message.find("translation")
                translation.set("type", "obsolete" if translation.get("type") == "unfinished"
                                else "vanished")

    for code, ts in files.items():
        if ts.save():
            print("updated %s (%d new)" % (os.path.basename(ts.path), ts.added))
    if generated:
        print("English made from the key; please review in GB_KX500.ts and EN_KX500.ts:")
        for code, key, text in generated:
            if code == "GB":
                print("  %s -> %r" % (label(key), text))
    if unused:
        print("%s no longer used by the code (%d):"
              % ("Marked vanished," if mark_vanished else "Kept, though", len(unused)))
        for key in unused:
            print("  " + label(key))
    return 0


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--check", action="store_true",
                        help="change nothing; exit 1 if a key is missing or English lacks a text")
    parser.add_argument("--mark-vanished", action="store_true",
                        help="mark keys the code no longer uses so that lrelease drops them")
    parser.add_argument("--lupdate", help="path of lupdate")
    parser.add_argument("--root", default=os.path.dirname(here),
                        help="project folder (default: the one holding this script)")
    args = parser.parse_args()

    lupdate = find_lupdate(args.lupdate)
    sources = os.path.join(args.root, "src")
    languages = os.path.join(sources, "Languages")
    used = extract(lupdate, sources)
    files = {code: TsFile(ts_path(languages, code), locale) for code, locale in LANGUAGES}
    if args.check:
        return check(used, files)
    return update(used, files, lupdate, args.mark_vanished)


if __name__ == "__main__":
    sys.exit(main())
