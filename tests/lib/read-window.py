#!/usr/bin/env python3
"""Reads every text of the quiz window from a screenshot with tesseract, and compares each with
the text the program's sources give it.

    read-window.py SCREENSHOT [--origin X,Y] [--placed NAME ...] [--items FILE]
                   [--lang CODE] [--scale N] [--keep DIR] [--erase-first-letter] [--quiet]

SCREENSHOT  any picture ImageMagick reads (PNG from `import -window`, an xwd dump, ...).
--origin    where the window's client area lies in the screenshot, in pixels (default 0,0:
            a capture of the window itself).
--placed    names placed on the map: their pool labels are hidden, and their map labels are
            read instead. May be given more than once.
--items     the item list the program read (default: the shipped assets/items.txt).
--lang      the window's language: every text is expected as assets/translations/
            tessaline_CODE.ts translates it (a text it has no translation for, as it stands),
            and tesseract reads with that language's data. --placed still takes the item
            list's names.
--scale     device pixels per logical pixel of the screenshot (default 1).
--keep      keeps each text's cropped and prepared picture there, to look at.
--erase-first-letter
            rubs out the first letter of every text before reading it, and then expects every
            text to read wrong: proves that a missing glyph fails the comparison.

Which texts and where: the five headings and the instruction line, the 28 pool labels, the two
push buttons and the placed map labels. Texts and rectangles (twips) come from the sources:
mapdata/design/quizwindowdesign.{h,cpp}, mapdata/design/zonetable.{h,cpp},
quiz/quizwindow.cpp, the item list and the .ts file of --lang. A pixel is 15 twips at scale 1.

How a text is read: its rectangle is cropped, scaled up four times, split into text and
background at the grey level that best separates the two (Otsu's method; the smaller share is
the text, so white-on-blue and dark-on-light both work), cleared of the neighbouring labels' ink
(pool labels overlap: the ink that enters from the top edge, and the ink that begins where the
label below begins; on the map, the thin borders), written black on white with a margin, and read by tesseract as one line. The comparison is on
upper case with blanks removed: tesseract's word spacing is unreliable at these sizes, and a
blank has no glyph that could be missing. No other confusion is forgiven.

Prints one verdict per text; the exit status is 0 when every text reads as expected (with
--erase-first-letter: when none does), 1 otherwise, 2 when the sources cannot be read.
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile
import unicodedata

TWIPS_PER_PIXEL = 15
UPSCALE = 4
# Tesseract now and then merges two tight letters at one scale and not at another; a text
# reads right when it does at any of these. A letter that is not drawn reads wrong at all.
RETRY_UPSCALES = (6, 3)
MARGIN_PX = 16  # blank border around a prepared text, in upscaled pixels
# A label draws its text from its top edge; a capital's ink starts a few pixels lower. In a
# rectangle that reaches into the next label's, ink that begins this far below that label's top
# is that label's.
INK_TOP_INSET_PX = 2
# Push buttons draw a frame; the caption is read inside it.
BUTTON_INSET_PX = 3
# Arial's ascent and descent in ems, which its stand-ins share: a label's baseline lies the
# ascent below its top edge, a text without descenders has no ink below it, and one with
# descenders none below the descent.
ASCENT_EM = 1854 / 2048
DESCENT_EM = 434 / 2048
POINTS_PER_PIXEL = 0.75
# Letters whose ink stays above the baseline, with the marks drawn above a letter.
NO_DESCENDER_BASES = set("ABCDEFGHIJKLMNOPRSTUVWXYZabcdefhiklmnorstuvwxz0123456789 :.!'-")
MARKS_ABOVE = set("\u0300\u0301\u0302\u0303\u0308")
ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))


class SourceError(Exception):
    pass


def read_source(relative):
    with open(os.path.join(ROOT, relative), encoding="utf-8") as f:
        return f.read()


def find_all(pattern, text, where, count=None):
    found = re.findall(pattern, text)
    if not found or (count is not None and len(found) != count):
        raise SourceError("%s: expected %s match(es) of %r, found %d"
                          % (where, count or "some", pattern, len(found)))
    return found


class Text:
    def __init__(self, name, expected, rect, inset=0, on_map=False, font_px=None):
        self.name, self.expected, self.rect, self.inset = name, expected, rect, inset
        self.on_map = on_map
        self.font_px = font_px  # known for the pool labels, which overlap each other

    def ink_bottom_em(self):
        """How far below its top edge the text's ink can reach, in ems: its baseline when none
        of its glyphs descends, else the descent below it; None when its font is unknown."""
        if self.font_px is None:
            return None
        descends = not all(c in NO_DESCENDER_BASES or c in MARKS_ABOVE
                           for c in unicodedata.normalize("NFD", self.expected))
        return ASCENT_EM + (DESCENT_EM if descends else 0)


# Tesseract's language data for the window's languages.
OCR_LANGUAGES = {"en": "eng", "es": "spa", "fr": "fra", "nl": "nld", "pt": "por"}


def translations(code, plural_forms=False):
    """(context, source) -> translation, from the .ts file of a language; empty for English.
    With plural_forms, every finished text maps to the list of its forms (one when it has no
    plural forms)."""
    if not code:
        return {}
    import xml.etree.ElementTree as ET
    table = {}
    root = ET.parse(os.path.join(ROOT, "assets", "translations", "tessaline_%s.ts" % code))
    for context in root.getroot().iter("context"):
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type"):
                continue
            key = (context.findtext("name"), message.findtext("source"))
            if plural_forms:
                forms = [form.text for form in translation.findall("numerusform")]
                table[key] = forms or [translation.text]
            elif translation.text:
                table[key] = translation.text
    return table


def design_texts(items_path, placed, shown=None):
    """The window's texts with their rectangles in twips (left, top, width, height)."""
    shown = shown or {}

    def tr(context, text):
        return shown.get((context, text), text)

    header = read_source("mapdata/design/quizwindowdesign.h")
    design = read_source("mapdata/design/quizwindowdesign.cpp")
    zones_h = read_source("mapdata/design/zonetable.h")
    zones = read_source("mapdata/design/zonetable.cpp")
    window = read_source("quiz/quizwindow.cpp")

    rects = {name: tuple(map(int, values)) for name, *values in find_all(
        r"constexpr TwipsRect (k\w+Rect)\{(-?\d+), (-?\d+), (\d+), (\d+)\};", header,
        "quizwindowdesign.h")}
    strings = {name: (context, text) for name, context, text in find_all(
        r'const char \*const (k\w+) =\s*(?:QT_TRANSLATE_NOOP\("(\w+)",\s*)?"([^"]*)"\)?;',
        design, "quizwindowdesign.cpp")}
    texts = []
    for control, rect, text in find_all(
            r'addHeading\(form, "(\w+)", (k\w+Rect), (k\w+), (?:true|false)\)', design,
            "quizwindowdesign.cpp", 5):
        texts.append(Text(control, tr(*strings[text]), rects[rect]))

    pool_w = int(find_all(r"kPoolLabelWidthTwips = (\d+);", zones_h, "zonetable.h", 1)[0])
    pool_h = int(find_all(r"kPoolLabelHeightTwips = (\d+);", zones_h, "zonetable.h", 1)[0])
    pool_points = float(find_all(r"kPoolFontPoints = ([\d.]+);", header,
                                 "quizwindowdesign.h", 1)[0])
    pool_px = int(pool_points / POINTS_PER_PIXEL + 0.5)
    table = zones[zones.index("kItemTable"):]
    records = find_all(r'\{"[^"]*",\s*PoolHeading::\w+,\s*(\d+),\s*(\d+),\s*'
                       r'\{(\d+),\s*(\d+),\s*(\d+),\s*(\d+)\}\}', table, "zonetable.cpp", 28)
    # Pool label k shows the first field of line k of the item list; its map label the same.
    with open(items_path, encoding="utf-8-sig") as f:
        captions = [line.rstrip("\r\n").split(",")[0].strip(" ") for line in f]
    if len(captions) < len(records):
        raise SourceError("%s: %d lines for %d items" % (items_path, len(captions), len(records)))
    unknown = set(placed) - set(captions)
    if unknown:
        raise SourceError("not in the item list: %s" % ", ".join(sorted(unknown)))
    for k, record in enumerate(records):
        left, top, *map_rect = map(int, record)
        name = tr("PlaceName", captions[k])
        if captions[k] in placed:
            texts.append(Text("maplabel(%d)" % k, name, tuple(map_rect), on_map=True))
        else:
            texts.append(Text("labels(%d)" % k, name, (left, top, pool_w, pool_h),
                              font_px=pool_px))

    captions = {button: tr(context, text) for button, context, text in find_all(
        r'(m_pushButton\d)->setCaption\(\s*QCoreApplication::translate\("(\w+)",\s*"([^"]*)"\)\);',
        window, "quizwindow.cpp", 2)}
    for button, name, rect in find_all(
            r'placeChild\((m_pushButton\d), QStringLiteral\("(\w+)"\), (k\w+Rect)\)', window,
            "quizwindow.cpp", 2):
        texts.append(Text(name, captions[button], rects[rect], BUTTON_INSET_PX))
    return texts


def crop_box(text, texts, origin, scale):
    """The text's box in screenshot pixels (x, y, width, height), the row of the box from
    which ink belongs to a label below that overlaps it (None when none does), whether a
    label above overlaps it: how many of the box's rows it covers, -1 for a map label (the
    map's borders enter it from above), None when none does; and how many of the box's rows
    the ink of the labels above can reach (their baseline when no glyph of theirs descends, else
    their descent; None: all the rows they cover)."""
    def px(twips):
        return round(twips * scale / TWIPS_PER_PIXEL)

    left, top, width, height = text.rect
    below = None
    above = None
    ink_rows = []
    for other in texts:
        o_left, o_top, o_width, o_height = other.rect
        if other is not text and o_top < top < o_top + o_height and o_left < left + width \
                and left < o_left + o_width:
            covered = px(o_top + o_height) - px(top)
            above = covered if above is None else max(above, covered)
            bottom_em = other.ink_bottom_em()
            ink_rows.append(None if bottom_em is None else min(
                covered, px(o_top) + round(bottom_em * other.font_px * scale) - px(top)))
        if other is not text and top < o_top < top + height and o_left < left + width \
                and left < o_left + o_width:
            below = o_top if below is None else min(below, o_top)
    inset = round(text.inset * scale)
    x, y = origin[0] + px(left) + inset, origin[1] + px(top) + inset
    box = (x, y, px(left + width) - px(left) - 2 * inset, px(top + height) - px(top) - 2 * inset)
    cut = None if below is None else px(below) - px(top) - inset + round(INK_TOP_INSET_PX * scale)
    above_ink = None if not ink_rows or None in ink_rows else max(ink_rows)
    if text.on_map:
        above = -1
    elif above is not None:
        above -= round(text.inset * scale)
        if above_ink is not None:
            above_ink -= round(text.inset * scale)
    return box, cut, above, above_ink


def read_pgm(data):
    """Width, height and grey levels of a binary 8-bit PGM."""
    fields = []
    at = 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        if data[at:at + 1] == b"#":
            at = data.index(b"\n", at)
            continue
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    if fields[0] != b"P5" or int(fields[3]) != 255:
        raise ValueError("not an 8-bit PGM")
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[at + 1:at + 1 + width * height]


def otsu_threshold(pixels):
    histogram = [0] * 256
    for value in pixels:
        histogram[value] += 1
    total = len(pixels)
    sum_all = sum(i * n for i, n in enumerate(histogram))
    best, best_level, below, sum_below = -1.0, 128, 0, 0
    for level in range(256):
        below += histogram[level]
        if below == 0:
            continue
        above = total - below
        if above == 0:
            break
        sum_below += level * histogram[level]
        mean_below = sum_below / below
        mean_above = (sum_all - sum_below) / above
        between = below * above * (mean_below - mean_above) ** 2
        if between > best:
            best, best_level = between, level
    return best_level


def ink_pieces(ink, width, height):
    """The pieces of ink, 8-connected, each as a list of indices."""
    seen = bytearray(len(ink))
    for start in range(len(ink)):
        if not ink[start] or seen[start]:
            continue
        piece, stack = [], [start]
        seen[start] = 1
        while stack:
            at = stack.pop()
            piece.append(at)
            r, c = divmod(at, width)
            for dr in (-1, 0, 1):
                for dc in (-1, 0, 1):
                    rr, cc = r + dr, c + dc
                    if 0 <= rr < height and 0 <= cc < width:
                        n = rr * width + cc
                        if ink[n] and not seen[n]:
                            seen[n] = 1
                            stack.append(n)
        yield piece


def drop_neighbours_ink(ink, width, height, cut_row, upscale, above_rows=None, band_rows=0,
                        above_ink_rows=None):
    """Clears the ink of the labels above and below: every piece of ink that enters the box
    through its top edge and lies within the above_rows rows that the label above covers (a
    descender of that label; None: ink at the top edge is all the text's, an accent on a
    capital such as Í, and a piece reaching lower, an accented letter, is the text's too),
    and every piece that begins at or below cut_row (the label below); and specks smaller
    than a screen pixel (no glyph's part). above_rows=-1 drops every piece at the top edge. With
    band_rows, the ink holds that many rows from above the box first: a piece enters through
    the top edge when it reaches into them (a descender does, an accent drawn on the box's
    first row does not), and the rows counted by above_rows and cut_row start below them.
    With above_ink_rows, the label above has no ink below that row: of a piece entering from
    above, what lies lower is the text's own (an accent that touches the letter above it),
    kept when it is at least a screen pixel tall."""
    remnants = bytearray(len(ink))
    for piece in ink_pieces(ink, width, height):
        top_row = min(piece) // width
        bottom_row = max(piece) // width
        if band_rows:
            from_above = top_row < band_rows and bottom_row < above_rows + band_rows
        else:
            from_above = top_row == 0 and above_rows is not None and \
                (above_rows < 0 or bottom_row < above_rows)
        if from_above or (cut_row is not None and top_row >= cut_row) or \
                len(piece) < upscale * upscale:
            for at in piece:
                ink[at] = 0
            if from_above and above_ink_rows is not None and above_rows >= 0:
                for at in piece:
                    if at // width >= above_ink_rows + band_rows:
                        remnants[at] = 1
    for piece in ink_pieces(remnants, width, height):
        if (max(piece) - min(piece)) // width + 1 >= upscale and len(piece) >= upscale * upscale:
            for at in piece:
                ink[at] = 1


def prepare(screenshot, box, cut, on_map, erase_first_letter, upscale=UPSCALE,
            above_rows=None, above_ink_rows=None):
    """The text's crop as black ink on white, scaled up, as a PGM file's bytes."""
    x, y, w, h = box
    # Under a label that overlaps it, one more screen row above the box tells a piece that
    # comes from there from one that starts on the box's first row.
    band = 1 if above_rows is not None and above_rows >= 0 and y > 0 else 0
    grey = subprocess.run(
        ["convert", screenshot, "-crop", "%dx%d+%d+%d" % (w, h + band, x, y - band), "+repage",
         "-resize", "%d%%" % (100 * upscale), "-colorspace", "gray", "-depth", "8", "pgm:-"],
        check=True, stdout=subprocess.PIPE).stdout
    width, height, pixels = read_pgm(grey)
    level = otsu_threshold(pixels)
    bright = sum(1 for p in pixels if p > level)
    ink_is_bright = bright * 2 < len(pixels)
    if on_map:
        # The map's thin borders cross map labels; scaled up, they are fainter than the
        # text's strokes: only what lies nearer the text's colour than the map's is ink.
        background = sorted(pixels)[len(pixels) // 2]
        level = (background + (max(pixels) if ink_is_bright else min(pixels))) // 2
    ink = bytearray(1 if (p > level) == ink_is_bright else 0 for p in pixels)
    rows_above = None if above_rows is None else -1 if above_rows < 0 else above_rows * upscale
    band_rows = band * upscale
    drop_neighbours_ink(ink, width, height,
                        None if cut is None else cut * upscale + band_rows, upscale,
                        rows_above, band_rows,
                        None if above_ink_rows is None else above_ink_rows * upscale)
    ink = ink[band_rows * width:]
    height -= band_rows
    if erase_first_letter:
        columns = [any(ink[r * width + c] for r in range(height)) for c in range(width)]
        if True in columns:
            first = columns.index(True)
            last = first
            while last + 1 < width and columns[last + 1]:
                last += 1
            for r in range(height):
                for c in range(first, last + 1):
                    ink[r * width + c] = 0
    out_w, out_h = width + 2 * MARGIN_PX, height + 2 * MARGIN_PX
    out = bytearray(b"\xff" * (out_w * out_h))
    for r in range(height):
        row = (r + MARGIN_PX) * out_w + MARGIN_PX
        for c in range(width):
            if ink[r * width + c]:
                out[row + c] = 0
    return b"P5\n%d %d\n255\n" % (out_w, out_h) + bytes(out)


def ocr(pgm_path, language="eng"):
    result = subprocess.run(["tesseract", pgm_path, "stdout", "--psm", "7", "-l", language],
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=True)
    return result.stdout.decode("utf-8", "replace").strip()


def normalised(text):
    return re.sub(r"\s+", "", text).upper()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("screenshot")
    parser.add_argument("--origin", default="0,0")
    parser.add_argument("--placed", action="append", default=[])
    parser.add_argument("--items", default=os.path.join(ROOT, "assets", "items.txt"))
    parser.add_argument("--lang", default="")
    parser.add_argument("--scale", type=float, default=1.0)
    parser.add_argument("--keep")
    parser.add_argument("--erase-first-letter", action="store_true")
    parser.add_argument("--quiet", action="store_true")
    args = parser.parse_args()
    origin = tuple(int(v) for v in args.origin.split(","))

    try:
        texts = design_texts(args.items, set(args.placed), translations(args.lang))
    except (SourceError, OSError, KeyError, SyntaxError) as e:
        print("cannot read the window's design: %s" % e, file=sys.stderr)
        return 2
    if args.keep:
        os.makedirs(args.keep, exist_ok=True)
    wrong = 0
    with tempfile.TemporaryDirectory() as scratch:
        for i, text in enumerate(texts):
            box, cut, above, above_ink = crop_box(text, texts, origin, args.scale)
            path = os.path.join(args.keep or scratch, "%02d-%s.pgm" % (
                i, re.sub(r"\W", "_", text.name)))
            # A map label is read again with the plain threshold: its thin antialiased
            # strokes can be fainter than the strict one allows.
            attempts = [(u, text.on_map) for u in (UPSCALE,) + RETRY_UPSCALES]
            if text.on_map:
                attempts += [(u, False) for u in (UPSCALE,) + RETRY_UPSCALES]
            for upscale, strict in attempts:
                with open(path, "wb") as f:
                    f.write(prepare(args.screenshot, box, cut, strict,
                                    args.erase_first_letter, upscale, above, above_ink))
                read = ocr(path, OCR_LANGUAGES.get(args.lang.split("_")[0] or "en", "eng"))
                good = normalised(read) == normalised(text.expected)
                if not good and text.on_map and not re.search(r"[^\w\s]", text.expected):
                    # The map's borders cross a map label; tesseract reads a stray piece of
                    # one as a quote or a dot. A name without marks is read without them.
                    good = normalised(re.sub(r"[^\w\s]", "", read)) == normalised(text.expected)
                if good:
                    break
            wrong += 0 if good else 1
            if not args.quiet or good == args.erase_first_letter:
                print("%s %-14s expected %-24r read %r" % (
                    "ok   " if good else "WRONG", text.name, text.expected, read))
    if args.erase_first_letter:
        print("with the first letter rubbed out: %d of %d texts read wrong"
              % (wrong, len(texts)))
        return 0 if wrong == len(texts) else 1
    print("%d of %d texts read right" % (len(texts) - wrong, len(texts)))
    return 0 if wrong == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
