#!/usr/bin/env python3
"""Builds garnets.gsg, the example data set, from the published analyses in the workplace's shared data
folder (real-garnets.csv, real-partner-pairs.csv). See README.md for where every row comes from.

Usage: make_garnets.py SHARED_DATA_FOLDER > garnets.gsg
"""
import csv
import sys

# Analysis-table columns (1 = "Sample No") of the oxides the sources give.
COLUMNS = {"SiO2": 2, "TiO2": 3, "ZrO2": 4, "Al2O3": 8, "Cr2O3": 9, "V2O3": 10, "Fe2O3": 11, "Y2O3": 14,
           "FeO": 15, "MgO": 16, "MnO": 17, "ZnO": 18, "CaO": 19, "Na2O": 20, "P2O5": 22, "F": 29, "H2O": 30}
P_OPX, AL_OPX, FE2_OPX, MG_OPX = 61, 62, 63, 64

SAMPLES = [
    # Deer, Howie & Zussman, as compiled in the ztR package: one of each of six species.
    "DHZ-pyrope", "DHZ-almandine", "DHZ-spessartine", "DHZ-grossular", "DHZ-andradite", "DHZ-uvarovite",
    # Walters et al. (2019) eclogite garnet, electron microprobe, FeO = total Fe.
    "G083-12_garnet1_rim_1", "SVS-11-01_garnet2-3_core_1", "TIS-11-02_garnet2-2_mantle_1",
    # EPMA traverse with FeO and Fe2O3 given.
    "Garnet1.1_Sample1_pt1", "Garnet1.1_Sample1_pt2",
    # GEOROC-derived compilation: Mg-, Fe- and Mn-dominant, Cr-rich, Ca-dominant and Ti-rich garnets.
    "georoc_row_1700", "georoc_row_1856", "georoc_row_36559", "georoc_row_276", "georoc_row_7228",
    "georoc_row_30323", "georoc_row_25808", "georoc_row_26040", "georoc_row_7186", "georoc_row_19731",
    "georoc_row_21491", "georoc_row_29238",
]

# Garnet-orthopyroxene pairs given as cations: garnet on 12 oxygens, orthopyroxene on 6.
# Oxide per cation: (column, molar mass of the oxide, cations per oxide).
GARNET_APFU = {"Si": ("SiO2", 60.0843, 1), "Ti": ("TiO2", 79.8658, 1), "Al": ("Al2O3", 101.96128, 2),
               "Cr": ("Cr2O3", 151.9904, 2), "Fe3": ("Fe2O3", 159.6882, 2), "Fe2": ("FeO", 71.8444, 1),
               "Mn": ("MnO", 70.93745, 1), "Mg": ("MgO", 40.3044, 1), "Ca": ("CaO", 56.0774, 1),
               "Na": ("Na2O", 61.97894, 2)}
# Not published with the pairs: a granulite-facies pressure chosen for the example only.
EXAMPLE_PRESSURE_KBAR = "8"

# Two published garnets repeated with partner minerals that are NOT published: typical compositions chosen
# for the example only, so that the garnet-biotite and garnet-clinopyroxene columns show what they do.
# (sample name, garnet analysis, {analysis-table column: value}).
ILLUSTRATIVE_PAIRS = [
    # A Ti-rich, magnesian high-grade biotite (apfu on 11 oxygens) at 6 kbar: columns 49 to 53.
    ("Garnet1.1_Sample1_pt1+Bt(illustrative)", "Garnet1.1_Sample1_pt1",
     {49: "6", 50: "0.40", 51: "0.20", 52: "1.00", 53: "1.45"}),
    # An omphacite (apfu on 6 oxygens) at 20 kbar: columns 55 to 59.
    ("G083-12_garnet1_rim_1+Cpx(illustrative)", "G083-12_garnet1_rim_1",
     {55: "20", 56: "0.40", 57: "0.12", 58: "0.09", 59: "0.60"}),
]


def number(text):
    return text.strip()


def analysis_row(record):
    cells = [""] * 64
    cells[0] = record["sample"]
    for oxide, column in COLUMNS.items():
        cells[column - 1] = number(record.get(oxide, ""))
    return cells


def pair_row(pair):
    """Oxide wt% of the garnet from its cations, normalised to a total of 100, rounded to 2 decimals."""
    masses = {oxide: float(pair["grt_%s_apfu12O" % cation]) * mass / n
              for cation, (oxide, mass, n) in GARNET_APFU.items()}
    total = sum(masses.values())
    cells = [""] * 64
    cells[0] = pair["pair_id"]
    for oxide, mass in masses.items():
        if mass > 0:
            cells[COLUMNS[oxide] - 1] = "%.2f" % (100 * mass / total)
    cells[P_OPX - 1] = EXAMPLE_PRESSURE_KBAR
    cells[AL_OPX - 1] = pair["partner_Al_apfu"]
    cells[FE2_OPX - 1] = pair["partner_Fe2_apfu"]
    cells[MG_OPX - 1] = pair["partner_Mg_apfu"]
    return cells


def main(folder):
    garnets = {r["sample"]: r for r in csv.DictReader(open(folder + "/real-garnets.csv", encoding="utf-8"))}
    rows = [analysis_row(garnets[s]) for s in SAMPLES]
    rows += [pair_row(p) for p in csv.DictReader(open(folder + "/real-partner-pairs.csv", encoding="utf-8"))]
    for name, garnet, partner in ILLUSTRATIVE_PAIRS:
        row = analysis_row(garnets[garnet])
        row[0] = name
        for column, value in partner.items():
            row[column - 1] = value
        rows.append(row)
    rows += [[""] * 64] * (300 - len(rows))
    sys.stdout.buffer.write(('"' + "\r".join("\t".join(r) for r in rows) + '"\r\n').encode("ascii"))


if __name__ == "__main__":
    main(sys.argv[1])
