#!/usr/bin/python3
"""Plays Tessaline's web page in headless Chromium as a pupil would, and judges it from what the
page shows (screenshots read with tesseract) and what it plays (the page's record of its sound
starts).

    play.py URL SOURCE_DIR [--lang CODE] [--density N] [--missing-items] [--shots DIR]

URL         the page, served from 127.0.0.1.
--lang      plays in that language (?lang=CODE): every text is read as that translation gives it.
--density   the screen's device pixels per CSS pixel (default 1).
--missing-items
            the server has no items.txt: the error box titled "Application Error" (or its
            translation) must show, and the window behind it once it is dismissed.
Default:    the window appears with every text; Brazil dropped on Peru stays in the pool, with the
            wrong sound; Peru by a mouse drag, Chile by a touch drag and Bolivia by two taps are
            placed, each with the correct sound; the rest by mouse clicks to the box titled
            "SUCCESS" (or its translation), with the complete sound; Enter dismisses it and every
            name is back in the pool. The console must show no error.
Prints one verdict per check; the exit status is the number of failed checks.
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile
import time
import unicodedata
import xml.etree.ElementTree as ElementTree

from selenium import webdriver
from selenium.webdriver.chromium.service import ChromiumService
from selenium.webdriver.common.by import By

WINDOW_TIMEOUT_S = 60
BOX_TIMEOUT_S = 15
STEP_PAUSE_S = 0.25
DRAG_STEPS = 8
TITLE_UPSCALE = 3
HERE = os.path.dirname(os.path.abspath(__file__))
CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--enable-unsafe-swiftshader",
                  "--autoplay-policy=no-user-gesture-required",
                  "--disable-background-networking", "--disable-component-update",
                  "--disable-sync", "--no-first-run", "--window-size=1100,850"]

failures = 0


def check(name, ok, detail=""):
    global failures
    print(("PASS " if ok else "FAIL ") + name + ("" if ok or not detail else ": " + detail))
    sys.stdout.flush()
    if not ok:
        failures += 1
    return ok


def translated(source_dir, lang, text):
    """The .ts file's translation of text, or text itself."""
    if not lang:
        return text
    ts = os.path.join(source_dir, "assets/translations/tessaline_%s.ts" % lang)
    for message in ElementTree.parse(ts).iter("message"):
        if message.findtext("source") == text and message.findtext("translation"):
            return message.findtext("translation")
    return text


class Page:
    def __init__(self, url, work, density):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in CHROMIUM_FLAGS:
            options.add_argument(flag)
        options.add_argument("--user-data-dir=" + os.path.join(work, "profile"))
        options.add_argument("--lang=en-US")
        options.add_argument("--force-device-scale-factor=%g" % density)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=ChromiumService("/usr/bin/chromedriver"),
                                       options=options)
        self.work = work
        self.driver.get(url)
        self.console = []

    def close(self):
        self.driver.quit()

    def js(self, script):
        return self.driver.execute_script(script)

    def canvas(self):
        found = self.driver.find_elements(By.CSS_SELECTOR, "#qtcanvas")
        return found[0] if found else None

    def wait_for_window(self):
        """Waits until the canvas shows more than a blank; False after the timeout."""
        deadline = time.time() + WINDOW_TIMEOUT_S
        while time.time() < deadline:
            if self.canvas() is not None and self.js("return tessaline.loader.status") == "Running":
                shot = self.shot("first")
                colours = subprocess.run(["convert", shot, "-format", "%k", "info:"],
                                         capture_output=True, text=True).stdout.strip()
                if colours.isdigit() and int(colours) > 16:
                    return True
            time.sleep(STEP_PAUSE_S)
        return False

    def geometry(self):
        rect = self.js("const r = document.querySelector('#qtcanvas')"
                       ".getBoundingClientRect(); return [r.left, r.top];")
        return rect[0], rect[1], self.js("return tessaline.scale"), \
            self.js("return window.devicePixelRatio")

    def at(self, point):
        left, top, scale, _ = self.geometry()
        return left + point[0] * scale, top + point[1] * scale

    def mouse(self, kind, point, buttons):
        x, y = self.at(point)
        self.driver.execute_cdp_cmd("Input.dispatchMouseEvent", {
            "type": kind, "x": x, "y": y, "button": "left", "buttons": buttons,
            "clickCount": 1 if kind != "mouseMoved" else 0})

    def touch(self, kind, point=None):
        points = [] if point is None else [dict(zip(("x", "y"), self.at(point)))]
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                    {"type": kind, "touchPoints": points})

    def path(self, start, end):
        return [(start[0] + (end[0] - start[0]) * i / DRAG_STEPS,
                 start[1] + (end[1] - start[1]) * i / DRAG_STEPS) for i in range(1, DRAG_STEPS + 1)]

    def drag(self, start, end):
        self.mouse("mouseMoved", start, 0)
        self.mouse("mousePressed", start, 1)
        for point in self.path(start, end):
            self.mouse("mouseMoved", point, 1)
        self.mouse("mouseReleased", end, 0)
        time.sleep(STEP_PAUSE_S)

    def click(self, point):
        self.mouse("mouseMoved", point, 0)
        self.mouse("mousePressed", point, 1)
        self.mouse("mouseReleased", point, 0)
        time.sleep(STEP_PAUSE_S)

    def touch_drag(self, start, end):
        self.touch("touchStart", start)
        for point in self.path(start, end):
            self.touch("touchMove", point)
        self.touch("touchEnd")
        time.sleep(STEP_PAUSE_S)

    def tap(self, point):
        self.touch("touchStart", point)
        self.touch("touchEnd")
        time.sleep(STEP_PAUSE_S)

    def key(self, key, code):
        for kind in ("keyDown", "keyUp"):
            self.driver.execute_cdp_cmd("Input.dispatchKeyEvent", {
                "type": kind, "key": key, "code": key, "windowsVirtualKeyCode": code,
                "nativeVirtualKeyCode": code, "text": "\r" if kind == "keyDown" else ""})
        time.sleep(STEP_PAUSE_S)

    def shot(self, name):
        path = os.path.join(self.work, name + ".png")
        with open(path, "wb") as f:
            f.write(self.canvas().screenshot_as_png)
        return path

    def sounds(self):
        """The sound files started so far, by name."""
        log = self.js("const a = tessaline.module.tessalineAudio; "
                      "return a ? a.log.map(e => e.key) : [];")
        return [os.path.basename(key) for key in log]

    def console_errors(self, allowed=()):
        self.console += self.driver.get_log("browser")
        return [e["message"] for e in self.console if e["level"] == "SEVERE"
                and not any(a in e["message"] for a in allowed)]


def at_css_size(page, shot):
    """The screenshot brought to one pixel a CSS pixel: tesseract misreads some of the window's
    letters drawn twice as large (an i as an l)."""
    _, _, _, ratio = page.geometry()
    if ratio == 1:
        return shot
    small = shot[:-4] + "-css.png"
    subprocess.run(["convert", shot, "-resize", "%g%%" % (100 / ratio), small], check=True)
    return small


def read_window(page, source_dir, shot, lang, placed):
    _, _, scale, _ = page.geometry()
    command = [sys.executable, os.path.join(source_dir, "tests/lib/read-window.py"),
               at_css_size(page, shot), "--scale", str(scale), "--quiet"]
    if lang:
        command += ["--lang", lang]
    for name in placed:
        command += ["--placed", name]
    result = subprocess.run(command, capture_output=True, text=True)
    return result.returncode == 0, (result.stdout + result.stderr).strip()[-600:]


def folded(text):
    """Text without its accents: tesseract reads a capital's accent as nothing ("ÉXITO" as
    "EXITO"), though the window draws it."""
    return "".join(c for c in unicodedata.normalize("NFD", text) if not unicodedata.combining(c))


def lines_read(shot, lang):
    """Every line tesseract reads in the screenshot, upscaled for the small title bar text, once
    as it is and once in inverted grey (white text on a coloured bar reads better dark on light).
    A line's leading words of one or two characters are dropped: a window's icon before its
    title reads as such."""
    lines = []
    inverted = ["-colorspace", "Gray", "-negate"]
    # Sparse text finds the scattered labels; automatic layout, a title's words as one line.
    for variant, options, layout in (("plain", [], "11"), ("inverted", inverted, "11"),
                                     ("inverted", inverted, "4")):
        big = "%s-%s.png" % (shot[:-4], variant)
        subprocess.run(["convert", shot, "-resize", "%d%%" % (100 * TITLE_UPSCALE)] + options + [big],
                       check=True)
        tsv = subprocess.run(["tesseract", big, "-", "-l",
                              {"es": "spa", "pt_BR": "por"}.get(lang, "eng"), "--psm", layout, "tsv"],
                             capture_output=True, text=True).stdout
        words = {}
        for row in tsv.splitlines()[1:]:
            cells = row.split("\t")
            if len(cells) == 12 and cells[11].strip():
                words.setdefault(tuple(cells[2:5]), []).append(cells[11].strip())
        for line in words.values():
            while len(line) > 1 and len(line[0]) <= 2:
                line = line[1:]
            lines.append(" ".join(line))
    return lines


def wait_for_title(page, title, name, lang):
    deadline = time.time() + BOX_TIMEOUT_S
    seen = []
    while time.time() < deadline:
        seen = lines_read(at_css_size(page, page.shot(name)), lang)
        if folded(title) in [folded(line) for line in seen]:
            return True, seen
        time.sleep(STEP_PAUSE_S)
    return False, seen


def places(source_dir):
    """name -> (pool point, map point), from the design's own tables."""
    out = subprocess.run([sys.executable, os.path.join(source_dir, "tests/lib/click-places.py"),
                          source_dir], capture_output=True, text=True, check=True).stdout
    result = {}
    for line in out.splitlines():
        x_pool, y_pool, x_map, y_map, name = line.split(" ", 4)
        result[name] = ((int(x_pool), int(y_pool)), (int(x_map), int(y_map)))
    return result


def play_missing_items(page, source_dir, lang):
    title = translated(source_dir, lang, "Application Error")
    ok, seen = wait_for_title(page, title, "error-box", lang)
    check('a missing items.txt shows the box titled "%s" (accents aside)' % title, ok,
          "read %s" % seen)
    page.key("Enter", 13)
    heading = translated(source_dir, lang, "INSTRUCTIONS")
    deadline, seen = time.time() + BOX_TIMEOUT_S, []
    while time.time() < deadline and heading not in seen:
        seen = lines_read(at_css_size(page, page.shot("after-error")), lang)
    check("the window opens once the box is dismissed", heading in seen, "read %s" % seen)
    errors = page.console_errors(allowed=("items.txt",))
    check("the console shows no error but the missing file's", not errors, "; ".join(errors))


def play_game(page, source_dir, lang):
    where = places(source_dir)
    ok, detail = read_window(page, source_dir, page.shot("start"), lang, [])
    check("every text of the window reads right", ok, detail)
    _, _, scale, ratio = page.geometry()
    drawn = page.js("const c = document.getElementById('qtcanvas'); return [c.width, c.height];")
    wanted = [round(page.js("return tessalineBuild.%s" % side) * scale * ratio)
              for side in ("width", "height")]
    check("the window is drawn at the screen's density (%g device pixels a pixel)" % ratio,
          drawn == wanted, "canvas %s, wanted %s" % (drawn, wanted))

    page.drag(where["Brazil"][0], where["Peru"][1])
    page.drag(where["Peru"][0], where["Peru"][1])
    page.touch_drag(where["Chile"][0], where["Chile"][1])
    page.tap(where["Bolivia"][0])
    page.tap(where["Bolivia"][1])
    placed = ["Peru", "Chile", "Bolivia"]
    ok, detail = read_window(page, source_dir, page.shot("three-placed"), lang, placed)
    check("Brazil dropped on Peru stays in the pool; Peru (mouse drag), Chile (touch drag) and "
          "Bolivia (taps) are placed", ok, detail)
    heard = page.sounds()
    check("the drops' sounds start in turn: wrong, correct, correct, correct",
          heard == ["wrong.wma", "correct.wma", "correct.wma", "correct.wma"], "heard %s" % heard)

    for name, (pool, spot) in where.items():
        if name not in placed:
            page.click(pool)
            page.click(spot)
    title = translated(source_dir, lang, "SUCCESS")
    ok, seen = wait_for_title(page, title, "success", lang)
    check('the whole game by clicks ends in the box titled "%s" (accents aside)' % title, ok,
          "read %s" % seen)
    heard = page.sounds()
    check("the complete sound starts", "complete.wma" in heard[-2:], "heard %s" % heard[-3:])
    page.key("Enter", 13)
    time.sleep(1)
    ok, detail = read_window(page, source_dir, page.shot("dealt-again"), lang, [])
    check("Enter dismisses the box and every name is back in the pool", ok, detail)
    errors = page.console_errors()
    check("the console shows no error", not errors, "; ".join(errors))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("url")
    parser.add_argument("source_dir")
    parser.add_argument("--lang", default="")
    parser.add_argument("--density", type=float, default=1)
    parser.add_argument("--missing-items", action="store_true")
    parser.add_argument("--shots")
    args = parser.parse_args()
    work = args.shots or tempfile.mkdtemp(prefix="tessaline-web-")
    os.makedirs(work, exist_ok=True)
    url = args.url + (("&" if "?" in args.url else "?") + "lang=" + args.lang if args.lang else "")
    page = Page(url, work, args.density)
    try:
        if check("the window appears", page.wait_for_window()):
            if args.missing_items:
                play_missing_items(page, args.source_dir, args.lang)
            else:
                play_game(page, args.source_dir, args.lang)
    finally:
        page.close()
    sys.exit(failures)


if __name__ == "__main__":
    main()
