"""Which drawing of a picture a screenshot shows: its 2x drawing scaled to the shown size,
or its 1x drawing enlarged (smoothly or pixel by pixel).

    picture_match.py SCREENSHOT LEFT TOP ASSETS NAME RATIO

LEFT, TOP: where the picture's top-left corner should be on the screen, in device pixels;
the best fit within two pixels of it counts. The background behind the picture is taken
from the screenshot just left of it, row by row (the pictures sit on the bars, whose colour
changes only downwards). Prints one line per drawing, "NAME ERROR" (mean difference per
colour component, 0..255), best first.
"""
import os
import sys

from PIL import Image


def candidates(assets, name, size):
    one = Image.open(os.path.join(assets, name + ".png")).convert("RGBA")
    two = Image.open(os.path.join(assets, name + "@2x.png")).convert("RGBA")
    # Of Pillow's filters, Hamming comes nearest to how the toolkit scales a drawing down.
    return {
        "2x": two if two.size == size else two.resize(size, Image.HAMMING),
        "1x-smooth": one if one.size == size else one.resize(size, Image.BILINEAR),
        "1x-pixels": one if one.size == size else one.resize(size, Image.NEAREST),
    }


def error(screen, drawing, left, top):
    w, h = drawing.size
    total = 0
    src = drawing.load()
    scr = screen.load()
    for y in range(h):
        back = scr[left - 3, top + y]  # the bar beside the picture
        for x in range(w):
            r, g, b, a = src[x, y]
            want = [(c * a + k * (255 - a)) / 255 for c, k in zip((r, g, b), back)]
            have = scr[left + x, top + y]
            total += sum(abs(p - q) for p, q in zip(have, want))
    return total / (w * h * 3)


def main():
    shot, left, top, assets, name, ratio = sys.argv[1:7]
    left, top, ratio = int(left), int(top), float(ratio)
    screen = Image.open(shot).convert("RGB")
    one = Image.open(os.path.join(assets, name + ".png"))
    size = (int(one.width * ratio + 0.5), int(one.height * ratio + 0.5))
    results = []
    for label, drawing in candidates(assets, name, size).items():
        best = min(error(screen, drawing, left + dx, top + dy) for dx in range(-2, 3) for dy in range(-2, 3))
        results.append((best, label))
    for best, label in sorted(results):
        print(f"{label} {best:.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
