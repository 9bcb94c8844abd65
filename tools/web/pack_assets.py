#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Packs the pictures and fonts the page carries into one script for the web build.

Every assets/**/*.svg goes in as text with its width-to-height ratio; each font is cut down to the
characters a Dutch screen can show (Latin-1 and the usual punctuation) and compressed as WOFF2, so
the one-file build stays small and looks the same on a machine without these fonts.
"""
import argparse
import base64
import json
import pathlib
import re
import subprocess
import sys
import tempfile

# Latin-1 and the quotes, dashes, bullet, ellipsis and euro sign.
UNICODES = "U+0020-007E,U+00A0-00FF,U+2013-2014,U+2018-201E,U+2022,U+2026,U+20AC"


def aspect(svg: str, name: str) -> float:
    """The picture's width to height, from its size or else its viewBox."""
    head = svg[: svg.find(">", svg.find("<svg")) + 1]
    size = [re.search(r'\s%s="([0-9.]+)(?:px)?"' % k, head) for k in ("width", "height")]
    if all(size):
        w, h = (float(m.group(1)) for m in size)
    else:
        box = re.search(r'viewBox="\s*[-0-9.]+[\s,]+[-0-9.]+[\s,]+([0-9.]+)[\s,]+([0-9.]+)\s*"', head)
        if not box:
            sys.exit(f"pack_assets: {name} has neither a size nor a viewBox")
        w, h = float(box.group(1)), float(box.group(2))
    return round(w / h, 4) if h else 0


def woff2(font: pathlib.Path, work: pathlib.Path) -> bytes:
    cut = work / (font.stem + "-cut" + font.suffix)
    subprocess.run([sys.executable, "-m", "fontTools.subset", str(font), f"--unicodes={UNICODES}", "--layout-features=kern,liga",
                    "--no-hinting", "--desubroutinize", f"--output-file={cut}"], check=True)
    subprocess.run(["woff2_compress", str(cut)], check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return cut.with_suffix(".woff2").read_bytes()


def main() -> None:
    ap = argparse.ArgumentParser()
    ap.add_argument("--assets", required=True, type=pathlib.Path)
    ap.add_argument("--font", action="append", default=[],
                    help='FAMILY:WEIGHT:STYLE:FILE, e.g. "Arial:bold:normal:/usr/share/.../LiberationSans-Bold.ttf"')
    ap.add_argument("--out", required=True, type=pathlib.Path)
    args = ap.parse_args()

    pictures = {}
    for svg_file in sorted(args.assets.rglob("*.svg")):
        name = svg_file.relative_to(args.assets).with_suffix("").as_posix()
        svg = svg_file.read_text(encoding="utf-8")
        pictures[name] = [svg, aspect(svg, name)]

    fonts = []
    with tempfile.TemporaryDirectory() as tmp:
        for spec in args.font:
            family, weight, style, path = spec.split(":", 3)
            data = woff2(pathlib.Path(path), pathlib.Path(tmp))
            fonts.append({"family": family, "weight": weight, "style": style,
                          "data": base64.b64encode(data).decode("ascii")})

    script = "var MT_ASSETS = " + json.dumps({"pictures": pictures, "fonts": fonts}, ensure_ascii=False,
                                             separators=(",", ":")) + ";\n"
    args.out.write_text(script, encoding="utf-8")


if __name__ == "__main__":
    main()
