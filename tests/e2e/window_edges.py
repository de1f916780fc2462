"""Whether a window in a screenshot is framed to its edge and has no bare device pixels.

    window_edges.py SCREENSHOT LEFT TOP WIDTH HEIGHT

The window's outermost ring of device pixels must be the frame's grey (100, 100, 100), and
no pixel inside it may be the toolkit's bare window background (239, 239, 239), which shows
where a frame line or a control falls short of a whole device pixel. Prints what it found
wrong and exits 1, or exits 0.
"""
import sys

from PIL import Image

FRAME = (100, 100, 100)
BARE = (239, 239, 239)


def main():
    shot = sys.argv[1]
    left, top, width, height = (int(v) for v in sys.argv[2:6])
    px = Image.open(shot).convert("RGB").load()
    ring = [(x, top) for x in range(left, left + width)] + [(x, top + height - 1) for x in range(left, left + width)]
    ring += [(left, y) for y in range(top, top + height)] + [(left + width - 1, y) for y in range(top, top + height)]
    unframed = [p for p in ring if px[p] != FRAME]
    bare = [(x, y) for y in range(top, top + height) for x in range(left, left + width) if px[x, y] == BARE]
    if unframed:
        print(f"{len(unframed)} pixels of the edge are not the frame, the first at {unframed[0]}: {px[unframed[0]]}")
    if bare:
        print(f"{len(bare)} bare pixels, the first at {bare[0]}")
    return 1 if unframed or bare else 0


if __name__ == "__main__":
    sys.exit(main())
