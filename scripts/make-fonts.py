#!/usr/bin/python3
"""Fills dist/Fonts with the faces the windows name, from Debian's font
packages. "Roboto Bk" is not a family any package ships under that name
(Roboto's black weight calls itself "Roboto Black"), so a copy of it is
renamed, which lets the windows ask for it by the name they use."""
import os
import shutil
import sys

from fontTools.ttLib import TTFont

SOURCES = {
    "NotoSans-Regular.ttf": "/usr/share/fonts/truetype/noto/NotoSans-Regular.ttf",
    "NotoSans-Bold.ttf": "/usr/share/fonts/truetype/noto/NotoSans-Bold.ttf",
    "NotoSans-Italic.ttf": "/usr/share/fonts/truetype/noto/NotoSans-Italic.ttf",
    "NotoSans-BoldItalic.ttf": "/usr/share/fonts/truetype/noto/NotoSans-BoldItalic.ttf",
    "Roboto-Regular.ttf": "/usr/share/fonts/truetype/roboto/unhinted/RobotoTTF/Roboto-Regular.ttf",
    "Roboto-Bold.ttf": "/usr/share/fonts/truetype/roboto/unhinted/RobotoTTF/Roboto-Bold.ttf",
    "OpenSans-Regular.ttf": "/usr/share/fonts/truetype/open-sans/OpenSans-Regular.ttf",
    "OpenSans-Bold.ttf": "/usr/share/fonts/truetype/open-sans/OpenSans-Bold.ttf",
}
ROBOTO_BLACK = "/usr/share/fonts/truetype/roboto/unhinted/RobotoTTF/Roboto-Black.ttf"


def rename_family(src, dst, family):
    font = TTFont(src)
    names = font["name"]
    # Typographic names would let a renderer group it back under "Roboto".
    names.names = [n for n in names.names if n.nameID not in (16, 17, 21, 22)]
    for rec in list(names.names):
        if rec.nameID == 1:
            names.setName(family, 1, rec.platformID, rec.platEncID, rec.langID)
        elif rec.nameID == 2:
            names.setName("Regular", 2, rec.platformID, rec.platEncID, rec.langID)
        elif rec.nameID in (3, 4):
            names.setName(family, rec.nameID, rec.platformID, rec.platEncID, rec.langID)
        elif rec.nameID == 6:
            names.setName(family.replace(" ", "-"), 6, rec.platformID, rec.platEncID, rec.langID)
    # A regular-weight slot for the family, whatever the source weight was.
    font["OS/2"].fsSelection = (font["OS/2"].fsSelection & ~0b1100001) | 0b1000000
    font["head"].macStyle = 0
    font.save(dst)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, src in SOURCES.items():
        dst = os.path.join(out, name)
        if not os.path.exists(dst) or os.path.getmtime(dst) < os.path.getmtime(src):
            shutil.copyfile(src, dst)
    dst = os.path.join(out, "RobotoBk-Regular.ttf")
    if not os.path.exists(dst):
        tmp = dst + ".tmp"
        rename_family(ROBOTO_BLACK, tmp, "Roboto Bk")
        os.replace(tmp, dst)


if __name__ == "__main__":
    main()
