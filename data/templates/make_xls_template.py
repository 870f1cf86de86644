#!/usr/bin/python3
"""Writes the input template Kolbex.xls (committed beside this script) with xlwt (Debian python3-xlwt):
a first worksheet laid out as the analysis table. The 65 headings are read from the program's own table
(engine/analysis_record.h), so the template follows the code; a test loads the template and compares.

    /usr/bin/python3 make_xls_template.py
"""
import os
import re

import xlwt

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.join(HERE, "..", "..", "engine", "analysis_record.h")

# The heading colours of the partner-mineral blocks (RGB), set into spare palette entries.
BLOCKS = {range(49, 54): ("biotite", 0x21, (224, 255, 255)),
          range(55, 60): ("clinopyroxene", 0x22, (230, 255, 204)),
          range(61, 65): ("orthopyroxene", 0x23, (255, 235, 255))}


def headings():
    text = open(SOURCE, encoding="utf-8").read()
    block = text[text.index("analysis_headings = std::to_array<std::string_view>({"):]
    block = block[: block.index("});")]
    found = re.findall(r'"((?:[^"\\]|\\.)*)"', block)
    assert len(found) == 65, len(found)
    return found


def main():
    book = xlwt.Workbook()
    sheet = book.add_sheet("Analyses")
    styles = {}
    for columns, (name, index, rgb) in BLOCKS.items():
        xlwt.add_palette_colour(name, index)
        book.set_colour_RGB(index, *rgb)
        styles[columns] = xlwt.easyxf("font: bold on; align: horiz center; pattern: pattern solid, fore_colour %s" % name)
    plain = xlwt.easyxf("font: bold on; align: horiz center")
    for c, heading in enumerate(headings()):
        style = next((s for cols, s in styles.items() if c in cols), plain)
        sheet.write(0, c, heading, style)
        sheet.col(c).width = 256 * (14 if c in (1, 32) else 9)
    for r in range(1, 101):
        sheet.write(r, 0, r)
    sheet.set_panes_frozen(True)
    sheet.set_horz_split_pos(1)
    sheet.set_vert_split_pos(2)
    book.save(os.path.join(HERE, "Kolbex.xls"))


if __name__ == "__main__":
    main()
