#!/usr/bin/env python3
"""Writes a crowded run into the folder given (default: the current one):
"dichte_seite.csv", a "Datum:"
list of 250 m with speeds and long header entries, and its state file with
exceedances 0.1 to 0.5 m apart carrying remarks of every length, counted and
not counted, free and star texts at neighbouring stations, area texts with
line breaks and long headline lines. scripts/screenshots.sh renders its first
diagram page for the README.

Standard library only; deterministic."""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from generate_state_files import BF, checksum, w  # noqa: E402

REMARKS = ["", "R", "Riss", "Schachtdeckel", "Flickstelle mit Kaltasphalt, 2 m",
           "Aufbruch{{CRLF}}Leitungsgraben quer zur Fahrbahn, provisorisch verf\u00fcllt"]


def run_lines():
    lines = ["Ebenheitsmessung Rollstab;;;;;",
             "Datum:;14.05.2024, 09:12:33",
             "Pr\u00fcfer:;Martina K\u00e4rcher, Ingenieurb\u00fcro f\u00fcr Stra\u00dfenbau "
             "und Vermessung, Au\u00dfenstelle Rottweil",
             "Strasse:;K 7031 Spaichingen - Balgheim - D\u00fcrbheim, Ortsdurchfahrt und freie Strecke",
             "Baumassnahme:;Deckenerneuerung mit Hocheinbau und Anpassung der Einm\u00fcndungen",
             "Ma\u00dfnahme-Nr.:;2024-117-K7031-Los-2-Fahrstreifen-rechts",
             "Station;H\u00f6he;Geschw. [km/h];Kommentar;Breite;Grenze"]
    for i in range(501):
        station = i * 0.5
        value = 1.2 * math.sin(i / 7.0) + 0.6 * math.sin(i / 2.3)
        speed = 4.0 + 1.5 * math.sin(i / 40.0)
        lines.append("%s;%s;%.1f;;3,50;4,0" % (("%.1f" % station).replace(".", ","),
                                                ("%.1f" % value).replace(".", ","), speed))
    return lines


def state_keys():
    records, remarks = [], []
    number = 0

    def mark(dm, remark, value=55):
        nonlocal number
        number += 1
        counted = "0" if number % 3 == 2 else "1"
        records.append("[%d;%d;2;%d;1;%s;;-1.0;;]" % (dm, value, number, counted))
        if remark:
            remarks.append("[%d%s%s%s1]" % (dm, BF, remark, BF))

    dm = 30
    for i in range(40):
        mark(dm, REMARKS[i % 6], 50 + (i * 7) % 40)
        dm += 1 + (i + 1) % 5
    for i in range(12):
        mark(995 + i, REMARKS[(i * 5) % 6])
    for i in range(10):
        mark(1400 + 20 * i, REMARKS[4 + i % 2])
    free = "".join("%d_%s<%d>_" % (400 + 5 * i, t, i % 4) for i, t in enumerate(
        ["Baubeginn Los 2", "Br\u00fccke{{CRLF}}Widerlager Nord", "Einm\u00fcndung", "   ",
         "Messung unterbrochen wegen Baustellenverkehr", "X"]))
    areas = ("100_300_Neue Deckschicht{{CRLF}}AC 11 D S<3>_320_340_{{CRLF}}<1>_"
             "900_1200_\u00dcbergang zur alten Decke<2>_")
    return {
        "MASSSTAB_DER_LAENGE": "400",
        "Druck_DisplaySpeed": "1",
        "UBERSCHRIFT_ZEILE_1": "Abnahmemessung nach Deckenerneuerung, Fahrstreifen rechts, Los 2",
        "UBERSCHRIFT_ZEILE_2": "K 7031 Spaichingen \u2013 Balgheim \u2013 D\u00fcrbheim",
        "UBERSCHRIFT_ZEILE_3": "Auftrag 2024-117",
        "UEBERSCHREITUNGSDATEN_1": "".join(records),
        "UEBERSCHREITUNGSDATEN_2": "0.0;1.0;0.60;;;EUR;;",
        "UEBERSCHREITUNGSDATEN_4": "".join(remarks),
        "FREIETEXTE": free,
        "STERNTEXTE": "402_Stern 1{{CRLF}}x<1>_407_Stern 2<1>_",
        "BEREICHSTEXTE": areas,
    }


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    path = os.path.join(out, "dichte_seite.csv")
    with open(path, "wb") as f:
        f.write(b"".join(w(line) + b"\r\n" for line in run_lines()))
    keys = state_keys()
    heads = [keys.get("UBERSCHRIFT_ZEILE_%d" % k, "") for k in (1, 2, 3)]
    keys["KENNUNG"] = checksum(heads + [keys.get("STERNTEXTE", "")])
    with open(path + ".zi4", "wb") as f:
        for k, v in keys.items():
            f.write(w(k) + b"=" + w(v) + b"\r\n")
    print(path)


if __name__ == "__main__":
    main()
