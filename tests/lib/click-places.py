#!/usr/bin/env python3
"""Where to click to play a whole game by clicks: for each name of the design's item table, a
point on its pool label and a point on the map where its own zone is in front, clear of every
map label and capital marker (placed names show on the map as the game goes on). Read from the
code's own tables, so that a changed zone moves the click with it.

    click-places.py SOURCE_DIR      prints "x_pool y_pool x_map y_map name", window pixels
"""
import re
import sys
from pathlib import Path

TWIPS_PER_PIXEL = 15


def numbers(text):
    return [int(n) for n in re.findall(r"-?\d+", text)]


def main():
    root = Path(sys.argv[1])
    table = (root / "mapdata/design/zonetable.cpp").read_text()
    header = (root / "mapdata/design/zonetable.h").read_text()
    design = (root / "mapdata/design/quizwindowdesign.h").read_text()

    zones_text = table.split("kZoneTable")[1].split("kItemTable")[0]
    items_text = table.split("kItemTable")[1].split("kCapitalMarkers")[0]
    markers_text = table.split("kCapitalMarkers")[1]
    zones = [(numbers(m.group(1)), m.group(2).split(","))
             for m in re.finditer(r"\{(-?\d+,\s*-?\d+,\s*\d+,\s*\d+),\s*\"([^\"]+)\"\}", zones_text)]
    items = [(m.group(1), numbers(m.group(2)), numbers(m.group(3)))
             for m in re.finditer(r"\{\"([^\"]+)\",\s*PoolHeading::\w+,\s*(\d+,\s*\d+),\s*"
                                  r"\{(\d+,\s*\d+,\s*\d+,\s*\d+)\}\}", items_text)]
    markers = [numbers(m.group(1)) for m in re.finditer(r"\{(\d+,\s*\d+),\s*\"", markers_text)]
    marker_side = int(re.search(r"kCapitalMarkerSizeTwips = (\d+)", header).group(1))
    pool_size = [int(re.search(r"kPoolLabel%sTwips = (\d+)" % k, header).group(1))
                 for k in ("Width", "Height")]
    client = [int(re.search(r"kClient%sTwips = (\d+)" % k, design).group(1))
              for k in ("Width", "Height")]
    map_rect = numbers(re.search(r"kImage1Rect\{([^}]*)\}", design).group(1))
    if len(zones) != 61 or len(items) != 28 or len(markers) != 11:
        sys.exit("click-places.py: the design's tables no longer read as 61 zones, 28 items "
                 "and 11 markers")

    def inside(rect, x, y, margin=0):
        left, top, width, height = rect
        return (left - margin <= x < left + width + margin and
                top - margin <= y < top + height + margin)

    # The tag in front at each pixel, painted lowest zone first; None where a click must not
    # land (off the map, on a map label or a capital marker, with a margin).
    def pixels(rect, margin=0):
        left, top, width, height = rect
        x0 = max(0, (left - margin) // TWIPS_PER_PIXEL)
        y0 = max(0, (top - margin) // TWIPS_PER_PIXEL)
        x1 = min(width_px, -(-(left + width + margin) // TWIPS_PER_PIXEL))
        y1 = min(height_px, -(-(top + height + margin) // TWIPS_PER_PIXEL))
        return x0, y0, x1, y1

    width_px, height_px = client[0] // TWIPS_PER_PIXEL, client[1] // TWIPS_PER_PIXEL
    front = [[None] * width_px for _ in range(height_px)]
    for rect, tag in zones:
        x0, y0, x1, y1 = pixels(rect)
        for y in range(y0, y1):
            front[y][x0:x1] = [tuple(tag)] * (x1 - x0)
    mx0, my0, mx1, my1 = pixels(map_rect)
    for y in range(height_px):
        for x in range(width_px):
            if not (mx0 <= x < mx1 and my0 <= y < my1):
                front[y][x] = None
    margin = 2 * TWIPS_PER_PIXEL
    for rect in [label for _, _, label in items] + [m + [marker_side, marker_side] for m in markers]:
        x0, y0, x1, y1 = pixels(rect, margin)
        for y in range(y0, y1):
            front[y][x0:x1] = [None] * (x1 - x0)

    # How far each pixel lies from one where another tag is in front (city-block, two passes).
    far = [[0] * width_px for _ in range(height_px)]
    for y in range(height_px):
        for x in range(width_px):
            here = front[y][x]
            if here is None or y == 0 or x == 0 or front[y - 1][x] != here or front[y][x - 1] != here:
                continue
            far[y][x] = min(far[y - 1][x], far[y][x - 1]) + 1
    for y in range(height_px - 1, -1, -1):
        for x in range(width_px - 1, -1, -1):
            here = front[y][x]
            if far[y][x] == 0:
                continue
            if (y == height_px - 1 or x == width_px - 1 or front[y + 1][x] != here or
                    front[y][x + 1] != here):
                far[y][x] = 0
            else:
                far[y][x] = min(far[y][x], far[y + 1][x] + 1, far[y][x + 1] + 1)

    best = {}
    for y in range(height_px):
        for x in range(width_px):
            if front[y][x] is not None:
                for name in front[y][x]:
                    if far[y][x] > best.get(name, (-1,))[0]:
                        best[name] = (far[y][x], x, y)
    for name, (pool_left, pool_top), _ in items:
        if name not in best:
            sys.exit("click-places.py: no place on the map takes " + name)
        _, x, y = best[name]
        print(pool_left // TWIPS_PER_PIXEL + 12,
              pool_top // TWIPS_PER_PIXEL + pool_size[1] // TWIPS_PER_PIXEL // 2, x, y, name)


if __name__ == "__main__":
    main()
