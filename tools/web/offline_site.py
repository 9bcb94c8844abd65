#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes build/web/site/ an installable app that starts offline.

After the site's index.html, .js and .wasm are linked: draws the launcher icons from the hicolor
icon's SVG, puts the manifest beside them and links both from index.html, and writes the service
worker with the list of every file of the site and a hash of them all as its cache's name, so that
a new build replaces what a browser kept of the old one.
"""
import argparse
import hashlib
import json
import pathlib
import shutil
import subprocess

# In place of the page's empty icon.
NO_ICON = '<link rel="icon" href="data:,">'
HEAD = ('<link rel="icon" href="icons/maaltafels.svg" type="image/svg+xml">\n'
        '<link rel="apple-touch-icon" href="icons/maaltafels-180.png">\n'
        '<link rel="manifest" href="manifest.webmanifest">')
# 180: a tablet's home screen; 192 and 512: what Chromium wants to install an app.
PNG_SIZES = (180, 192, 512)


def main() -> None:
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--site", required=True, type=pathlib.Path)
    ap.add_argument("--icon", required=True, type=pathlib.Path, help="the hicolor icon's SVG")
    ap.add_argument("--manifest", required=True, type=pathlib.Path)
    ap.add_argument("--worker", required=True, type=pathlib.Path, help="the service worker's template")
    ap.add_argument("--rsvg", default="rsvg-convert")
    args = ap.parse_args()
    site = args.site

    icons = site / "icons"
    icons.mkdir(exist_ok=True)
    shutil.copyfile(args.icon, icons / "maaltafels.svg")
    for size in PNG_SIZES:
        subprocess.run([args.rsvg, "-w", str(size), "-h", str(size), "-o", str(icons / f"maaltafels-{size}.png"),
                        str(args.icon)], check=True)
    shutil.copyfile(args.manifest, site / "manifest.webmanifest")

    index = site / "index.html"
    html = index.read_text(encoding="utf-8")
    if HEAD not in html:
        if NO_ICON not in html:
            raise SystemExit(f"{index}: no {NO_ICON} to put the icons in place of")
        index.write_text(html.replace(NO_ICON, HEAD, 1), encoding="utf-8")

    files = sorted(p.relative_to(site).as_posix() for p in site.rglob("*") if p.is_file() and p.name != "sw.js")
    build = hashlib.sha256()
    for name in files:
        build.update(name.encode() + b"\0" + (site / name).read_bytes() + b"\0")
    # "./" is the address a visit starts from; it is index.html.
    worker = (args.worker.read_text(encoding="utf-8")
              .replace("@BUILD_HASH@", build.hexdigest()[:16])
              .replace("@FILES@", json.dumps(["./"] + files)))
    (site / "sw.js").write_text(worker, encoding="utf-8")


if __name__ == "__main__":
    main()
