#!/usr/bin/python3
"""Makes a copy of a TrueType face for printed and PDF lists, under a family name of its own.

Qt's PDF writer costs most of its time in the font for every file it writes: it loads each glyph's
outline, which runs the face's hinting programs, and it asks the face for the glyph of every one of the
65,536 BMP code points to build the text map of each embedded face. The copy answers both quickly:
- no hinting programs (the PDF keeps outlines unscaled, so the curves are the same);
- only the letters a list can show, in one flat character table looked up in constant time.
A letter outside the copy is drawn from another face by Qt's font fallback.
Usage: druckschrift.py FAMILIE ZIEL.ttf QUELLE.ttf
"""
import os
import sys

from fontTools import subset
from fontTools.ttLib import TTFont
from fontTools.ttLib.tables._c_m_a_p import CmapSubtable

# The letters of Europe's languages (Latin, Greek, Cyrillic), punctuation, currency, letterlike signs,
# arrows, maths and simple shapes.
ZEICHEN = [*range(0x20, 0x7F), *range(0xA0, 0x530), *range(0x1E00, 0x1F00), *range(0x2000, 0x2300),
           *range(0x25A0, 0x2600)]

HINTING_TABELLEN = ("fpgm", "cvt ", "hdmx", "LTSH", "VDMX")


def umbenennen(font, familie):
    # The open font licence forbids a modified font to carry a reserved font name (here "Liberation"),
    # so every record naming the family or the face gets the new name; copyright, licence and trademark
    # notices stay.
    stil = font["name"].getDebugName(2)
    namen = {1: familie, 2: stil, 3: familie + " " + stil,
             4: familie if stil == "Regular" else familie + " " + stil,
             6: familie.replace(" ", "") + "-" + stil.replace(" ", ""),
             10: "Copy for printed and PDF lists: without hinting programs, European letters only."}
    tabelle = font["name"]
    tabelle.names = [n for n in tabelle.names if n.nameID not in (16, 17, 18, 21, 22)]
    for eintrag in tabelle.names:
        if eintrag.nameID in namen:
            eintrag.string = namen[eintrag.nameID]


def ohne_hinting(font):
    for tabelle in HINTING_TABELLEN:
        if tabelle in font:
            del font[tabelle]
    # FreeType hands a face without any program to its autohinter, which costs more than the programs
    # did; a control program of one harmless instruction (SVTCA) keeps the outlines as they are.
    font["prep"].program.fromBytecode(b"\x00")
    glyf = font["glyf"]
    for name in font.getGlyphOrder():
        if hasattr(glyf[name], "program"):
            glyf[name].program.fromBytecode(b"")
    maxp = font["maxp"]
    for feld in ("maxTwilightPoints", "maxStorage", "maxFunctionDefs", "maxInstructionDefs",
                 "maxStackElements", "maxSizeOfInstructions"):
        setattr(maxp, feld, 0)
    maxp.maxZones = 1


def nur_zeichen(font):
    optionen = subset.Options(hinting=True, layout_features=["*"], name_IDs=["*"], name_languages=["*"],
                              notdef_outline=True, glyph_names=True, legacy_kern=True)
    optionen.drop_tables += ["FFTM"]  # the font editor's time stamps, which the subsetter cannot keep
    teilmenge = subset.Subsetter(optionen)
    teilmenge.populate(unicodes=ZEICHEN)
    teilmenge.subset(font)
    # Format 6 is a plain array from the first to the last code: no search for a letter that is absent.
    flach = CmapSubtable.newSubtable(6)
    flach.platformID, flach.platEncID, flach.language = 3, 1, 0
    flach.cmap = dict(font.getBestCmap())
    font["cmap"].tables = [flach]


def main():
    familie, ziel, quelle = sys.argv[1:]
    # The source's time stamp, so that two builds make the same file.
    font = TTFont(quelle, recalcTimestamp=False)
    ohne_hinting(font)
    umbenennen(font, familie)
    nur_zeichen(font)
    os.makedirs(os.path.dirname(ziel) or ".", exist_ok=True)
    font.save(ziel)


if __name__ == "__main__":
    main()
