#!/usr/bin/env python3
"""Writes packaging/windows/qira-db-editor.ico from the editor's PNG icons (16 to 256 pixels).

An .ico file is a directory of images; since Windows Vista each image may be a whole PNG file,
which is what this writes (the PNGs as they are, no conversion). Run it again when the PNGs
change:  scripts/make-windows-icon.py
"""
import struct
from pathlib import Path

root = Path(__file__).resolve().parent.parent
sizes = [16, 32, 48, 64, 128, 256]
images = [(size, (root / f"packaging/qira-db-editor-{size}.png").read_bytes()) for size in sizes]

out = bytearray(struct.pack("<HHH", 0, 1, len(images)))  # reserved, type 1 = icon, count
offset = 6 + 16 * len(images)
for size, png in images:
    # width and height 0 mean 256; no palette; 1 plane; 32 bits per pixel
    dim = 0 if size == 256 else size
    out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(png), offset)
    offset += len(png)
for _, png in images:
    out += png
(root / "packaging/windows/qira-db-editor.ico").write_bytes(out)
