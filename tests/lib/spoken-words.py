#!/usr/bin/env python3
"""What the screen reader is expected to say at each step of the keyboard game, in a language.

Prints one "KEY<TAB>PATTERN" line per expectation, PATTERN an extended regular expression
(grep -E) for a whole spoken line. The words are the program's own: each source text is taken
from quiz/spokentext.cpp (a text gone from there fails here, rather than being expected in a
wording the program no longer has) and translated by assets/translations/tessaline_CODE.ts,
with its plural forms; the place names by their "PlaceName" translations.

    spoken-words.py [--lang CODE]

What the map shows of the places the walk passes is this check's own knowledge: the marker
starts on Bolivia (centre, middle-sized, inland, La Paz's and Sucre's stars); south of it lies
Paraguay, then Argentina.
"""
import argparse
import importlib.util
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
CONTEXT = "SpokenText"
PLACE_CONTEXT = "PlaceName"
HELD = "%1 held: the arrow keys move it over the map, Enter places it, Escape puts it back"


def read_window_module():
    found = importlib.util.spec_from_file_location("read_window",
                                                   os.path.join(HERE, "read-window.py"))
    module = importlib.util.module_from_spec(found)
    found.loader.exec_module(module)
    return module


def ere(text):
    """text as a literal in an extended regular expression."""
    return re.sub(r"([][.*+?(){}|^$\\])", r"\\\1", text)


class Words:
    def __init__(self, code, read_window):
        with open(os.path.join(ROOT, "quiz", "spokentext.cpp"), encoding="utf-8") as f:
            program = f.read()
        noop = r'QT_TRANSLATE_(?:N_)?NOOP\(\s*"%s",\s*"([^"]*)"' % CONTEXT
        self.sources = set(re.findall(noop, program))
        # Every compass part and every kind a place can be told with.
        self.compass = re.findall(r"\{Compass::\w+,\s*" + noop, program)
        self.kinds = re.findall(r"\{Size::\w+,\s*Shore::\w+,\s*" + noop, program)
        if len(self.compass) != 9 or len(self.kinds) != 9:
            sys.exit("spoken-words.py: the compass parts or kinds of quiz/spokentext.cpp not found")
        self.table = read_window.translations(code, plural_forms=True)

    def spoken(self, source, n=None):
        if source not in self.sources:
            sys.exit("spoken-words.py: %r is not a spoken text of the program" % source)
        forms = self.table.get((CONTEXT, source), [source])
        # In the continent's languages, as in English, every count above one takes the second
        # form; only one count below two is ever said here.
        text = forms[0 if n == 1 or len(forms) == 1 else 1]
        return text.replace("%n", str(n)) if n is not None else text

    def name(self, name):
        return self.table.get((PLACE_CONTEXT, name), [name])[0]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lang", default="")
    args = parser.parse_args()
    read_window = read_window_module()
    words = Words(args.lang, read_window)
    say = words.spoken

    def place(*sentences):
        return ere(" ".join(sentences))

    argentina, asuncion, brazil = (words.name(n) for n in ("Argentina", "Asuncion", "Brazil"))
    start = place(say("Centre."), say("Middle-sized inland country."),
                  say("%n capitals' stars.", 2))
    # The window's own texts (the instruction line, the buttons) as the window reader has them.
    shown = {text.name: text.expected for text in read_window.design_texts(
        os.path.join(ROOT, "assets", "items.txt"), [], read_window.translations(args.lang))}
    expected = {
        "INSTRUCTION": ere(shown["Label2"]),
        "RESTART": ere(shown["PushButton1"]),
        "EXIT": ere(shown["PushButton2"]),
        "ARGENTINA": ere(argentina) + r"\.",
        "ASUNCION": ere(asuncion) + r"\.",
        "ARGENTINA_HELD": ere(say(HELD).replace("%1", argentina)),
        "ASUNCION_HELD": ere(say(HELD).replace("%1", asuncion)),
        # Any place: its compass part and its kind, then whatever follows them.
        "PLACE": "(%s )?(%s) (%s)( .*)?" % (
            ere(say("Labelled %1.")).replace("%1", "[^.]*"),
            "|".join(ere(say(c)) for c in words.compass),
            "|".join(ere(say(k)) for k in words.kinds)),
        "START_PLACE": start,
        "SOUTH_OF_START": place(say("Centre."), say("Middle-sized inland country."),
                                say("A capital's star.")),
        "ARGENTINA_PLACE": place(say("South."), say("Large country by the sea."),
                                 say("A capital's star.")),
        "START_NEXT_TO_ARGENTINA": start + " " + place(
            say("Next to %1.").replace("%1", argentina), say("%n neighbours unnamed.", 4)),
        "ARGENTINA_NOT_HERE": ere(say("%1: not here").replace("%1", argentina)),
        "ARGENTINA_PLACED": ere(say("%1 placed").replace("%1", argentina)),
        "BRAZIL_NOT_HERE": ere(say("%1: not here").replace("%1", brazil)),
        "NEW_GAME": ere(say("New game: every name is back on the panel")),
    }
    for key, pattern in expected.items():
        print("%s\t%s" % (key, pattern))


if __name__ == "__main__":
    main()
