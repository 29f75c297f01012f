#!/usr/bin/python3
"""Copies TrueType fonts without their hinting programs and under a new family name.

The PDF writer loads every glyph's outline through FreeType's bytecode interpreter; outlines without
instructions load several times faster and are the same curves, since the PDF keeps them unscaled.
Usage: ohne_hinting.py FAMILIE ZIEL.ttf QUELLE.ttf
"""
import os
import sys

from fontTools.ttLib import TTFont

HINTING_TABELLEN = ("fpgm", "prep", "cvt ", "hdmx", "LTSH", "VDMX")


def umbenennen(font, familie):
    # The open font licence forbids a modified font to carry a reserved font name (here "Liberation",
    # "Tinos", "Arimo", "Cousine"), so every record naming the family or the face gets the new name;
    # copyright, licence and trademark notices stay.
    stil = font["name"].getDebugName(2)
    namen = {1: familie, 2: stil, 3: familie + " " + stil, 4: familie if stil == "Regular" else familie + " " + stil,
             6: familie.replace(" ", "") + "-" + stil.replace(" ", "")}
    tabelle = font["name"]
    tabelle.names = [n for n in tabelle.names if n.nameID not in (16, 17, 18, 21, 22)]
    for eintrag in tabelle.names:
        if eintrag.nameID in namen:
            eintrag.string = namen[eintrag.nameID]
    for eintrag in tabelle.names:
        if eintrag.nameID == 10:
            eintrag.string = "Without hinting instructions, for PDF output."


def ohne_hinting(quelle, ziel, familie):
    font = TTFont(quelle)
    for tabelle in HINTING_TABELLEN:
        if tabelle in font:
            del font[tabelle]
    glyf = font["glyf"]
    for name in font.getGlyphOrder():
        glyphe = glyf[name]
        if hasattr(glyphe, "program"):
            glyphe.program.fromBytecode(b"")
    maxp = font["maxp"]
    for feld in ("maxZones", "maxTwilightPoints", "maxStorage", "maxFunctionDefs",
                 "maxInstructionDefs", "maxStackElements", "maxSizeOfInstructions"):
        setattr(maxp, feld, 1 if feld == "maxZones" else 0)
    umbenennen(font, familie)
    font.save(ziel)


def main():
    familie, ziel, quelle = sys.argv[1:]
    os.makedirs(os.path.dirname(ziel) or ".", exist_ok=True)
    ohne_hinting(quelle, ziel, familie)


if __name__ == "__main__":
    main()
