#!/usr/bin/env python3
"""Writes the state files (.zi4) of a few example runs, and the comparison run
they name, next to the measurement files. The full evaluation edition writes
such files; these are made by hand from its keys so that opening the examples
shows sections, exceedances with remarks, excluded areas, texts and a
comparison run. Run generate_examples.py first.

Standard library only; deterministic."""

import os
import random
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
BF = "\u00bf"  # sub-field separator, byte 0xBF


def w(text):
    return text.encode("cp1252")


def checksum(lines):
    # Identification over the three headline lines and the star texts: the
    # full edition refuses them when edited elsewhere.
    s = b""
    for t in lines:
        s = (s + w(t)).rstrip(b" \t\r\n\v\f")
    a, b = 1321, 3022
    for i, byte in enumerate(s):
        c = byte - 256 if byte >= 128 else byte
        prod = c * i
        rem = abs(prod) % 17
        b += rem if prod >= 0 else -rem
        a += c
    return str(a * 100 + b)


def write_state(name, keys):
    heads = [keys.get("UBERSCHRIFT_ZEILE_%d" % k, "") for k in (1, 2, 3)]
    keys["KENNUNG"] = checksum(heads + [keys.get("STERNTEXTE", "")])
    with open(os.path.join(HERE, name), "wb") as f:
        for k, v in keys.items():
            f.write(w(k) + b"=" + w(v) + b"\r\n")


def pm02_records(path):
    data = open(path, "rb").read()
    start = data.index(b"***\r\n") + 5
    end = data.rindex(b"***\r\n")
    recs, pos = [], start
    while pos + 40 <= end:
        nxt = data.index(b"\n", pos + 40)
        d = struct.unpack("<5d", data[pos:pos + 40])
        recs.append((d, data[pos + 40:nxt + 1]))
        pos = nxt + 1
    return data[:start], recs


def exceedances(samples, limit_of):
    """samples: (station dm, value tenths, speed) -> exceedance records."""
    out = []
    for station, value, speed in samples:
        limit = limit_of(station)
        if limit > 0 and value > limit:
            p = max(1, (value - limit + 9) // 10)
            out.append((station, value, p, speed))
    return out


def records_text(ex, not_counted=()):
    groups = []
    for n, (station, value, p, speed) in enumerate(ex, 1):
        counted = 0 if station in not_counted else 1
        groups.append("[%d;%d;%d;%d;%d;%d;;%.1f;;]" % (station, value, p, n, 1, counted, speed))
    return "".join(groups)


def b27():
    head, recs = pm02_records(os.path.join(HERE, "B27_pm01bs02.dat"))
    # The comparison run: the same stretch measured a year earlier.
    rng = random.Random(2023)
    body = b""
    for d, rest in recs:
        old = round(d[0] * 0.8 + rng.uniform(-0.4, 0.4), 2)
        body += struct.pack("<5d", old, d[1], d[2], d[3], d[4]) + rest
    old_head = head.replace(b"14.05.2024", b"22.05.2023")
    with open(os.path.join(HERE, "B27_pm01bs02_2023.dat"), "wb") as f:
        f.write(old_head + body + b"***\r\n")

    samples = [(round(d[2] * 10000), round(d[0] * 10), -1.0) for d, _ in recs]
    limit = lambda s: 45 if 126200 <= s < 127800 else (0 if s >= 127800 else 40)
    ex = exceedances(samples, limit)
    stations = [e[0] for e in ex]
    remarks = "[%d%sSchachtdeckel%s1][%d%sRiss{{CRLF}}l\u00e4ngs, 2 m%s1][%d%sFlickstelle%s0]" % (
        stations[0], BF, BF, stations[2], BF, BF, stations[4], BF, BF)
    contract = BF.join([
        "Regierungspr\u00e4sidium Freiburg", "Referat 47.2 Baureferat S\u00fcd", "79083 Freiburg",
        "!Ingenieurb\u00fcro Haag", "Messdienst Rollstab", "78628 Rottweil", "2024-117",
        "B 27 Rottweil \u2013 Villingen", "Deckenerneuerung Los 2", "Ingenieurb\u00fcro Haag",
        "14.05.2024", "km 12,350 \u2013 km 12,850", "rechts, Richtung Villingen"])
    write_state("B27_pm01bs02.dat.zi4", {
        "INITIIERT_MIT_PROGRAMMVERSION": "040548000",
        "BOOL_SPIEGELN": "0",
        "KILOMETRIERUNG_ANGEPASST": "",
        "MANUVONBIS": "123500;128501",
        "DEZIMETER_OFFSET": "0",
        "KALIBRIERWERT": "0",
        "ABSCHNITTE": "[123500|375|40|10|0.60|12.50|1|AC 11 D S|||]"
                      "[126200|350|45|10|0.60|14.00|1|SMA 8 S|||]"
                      "[127800|350||10|||0||||]",
        "STATGES": "||",
        "UEBERSCHREITUNGSDATEN_1": records_text(ex, not_counted={stations[3]}),
        "UEBERSCHREITUNGSDATEN_2": "0.0;1.0;0.60;;;EUR;;;;;;;;;;;;",
        "UEBERSCHREITUNGSDATEN_4": remarks,
        "BEREICHOHNEERKENNUNGDATEN": "125000_125300_Schachtdeckel{{CRLF}}Kanal, nicht bewerten_"
                                     "126150_126250_Br\u00fcckenfuge",
        "STERNTEXTE": "",
        "FREIETEXTE": "124500_Baubeginn Los 2<1>_126800_Messung unterbrochen<2>_",
        "BEREICHSTEXTE": "123600_124400_Neue Deckschicht<3>_",
        "UBERSCHRIFT_ZEILE_1": "Abnahmemessung B 27 Rottweil \u2013 Villingen",
        "UBERSCHRIFT_ZEILE_2": "Los 2, Fahrstreifen rechts",
        "UBERSCHRIFT_ZEILE_3": "Auftrag 2024-117",
        "KOPFFUSSDATEN": "[Kopf][" + contract + "]",
        "MASSSTAB_DER_LAENGE": "400",
        "FAHRBAHN_OB2": "AC 11 D S",
        "VGL_PATH_1": "C:\\Messungen\\B27\\B27_pm01bs02_2023.dat",
        "VGL_OFF_1": "0,0",
        "VGL_MIRROR_1": "0",
        "Farben_Farbe3": "12459520",
        "Druck_Nummerierung": "1",
    })


def k7031():
    samples = []
    for line in open(os.path.join(HERE, "K7031_datum.csv"), "rb").read().decode("cp1252").splitlines():
        f = line.split(";")
        if len(f) >= 6 and f[0][:1].isdigit():
            station = round(float(f[0].replace(",", ".")) * 10) + 25000  # after the kilometrage
            value = round(float(f[1].replace(",", ".")) * 10)
            speed = float(f[2].replace(",", ".") or 0)
            if not samples or samples[-1][0] != station:
                samples.append((station, value, speed))
    ex = [e for e in exceedances(samples, lambda s: 40) if 25500 <= e[0] < 30000]
    remarks = "".join("[%d%s%s%s1]" % (e[0], BF, t, BF) for e, t in zip(ex, ["Querriss", "Ausbruch", "Aufw\u00f6lbung"]))
    write_state("K7031_datum.csv.zi4", {
        "INITIIERT_MIT_PROGRAMMVERSION": "040548000",
        "KILOMETRIERUNG_ANGEPASST": "25000;1",
        "BOOL_SPIEGELN": "0",
        "MANUVONBIS": "25500;30000",
        "ABSCHNITTE": "[25500|350|40|10|0.60|12.50|1|SMA 8 S|4.4|0.6|13.6]"
                      "[27600|375|40|10|0.60|12.50|1|AC 11 D N|4.6|0.5|10.9]",
        "STATGES": "4.5|0.6|13.3",
        "UEBERSCHREITUNGSDATEN_1": records_text(ex),
        "UEBERSCHREITUNGSDATEN_2": "0.0;1.0;0.60;;;CHF;;;;;;;;;;;;",
        "UEBERSCHREITUNGSDATEN_4": remarks,
        "BEREICHOHNEERKENNUNGDATEN": "27500_27700_Einm\u00fcndung Feldweg",
        "UBERSCHRIFT_ZEILE_1": "K 7031 Deckenerneuerung",
        "UBERSCHRIFT_ZEILE_2": "",
        "UBERSCHRIFT_ZEILE_3": "",
        "KOPFFUSSDATEN": "[Kopf][Landratsamt Tuttlingen" + BF + "Stra\u00dfenbauamt" + BF + BF +
                         "Ingenieurb\u00fcro Haag" + BF + BF + BF + "K-2024-33]",
        "MASSSTAB_DER_LAENGE": "1000",
    })


def b10():
    samples = []
    lines = open(os.path.join(HERE, "B10_strasse.txt"), "rb").read().decode("cp1252").splitlines()[2:]
    for line in lines:
        f = line.replace(",", ".").split()
        if len(f) >= 2:
            samples.append((round(float(f[0]) * 10000), round(float(f[1]) * 10), -1.0))
    ex = exceedances(samples, lambda s: 40)
    write_state("B10_strasse.txt.zi4", {
        "INITIIERT_MIT_PROGRAMMVERSION": "040548000",
        "MANUVONBIS": "123001;117500",
        "ABSCHNITTE": "[123001|350|40|10|0.50|10.00|1||||][120000|325|40|10|0.50|10.00|1||||]",
        "STATGES": "||",
        "UEBERSCHREITUNGSDATEN_1": records_text(ex),
        "UEBERSCHREITUNGSDATEN_4": "[%d%sBr\u00fcckenfuge%s1]" % (ex[0][0], BF, BF) if ex else "",
        "BEREICHOHNEERKENNUNGDATEN": "120100_119900_Bahn\u00fcbergang",
        "UBERSCHRIFT_ZEILE_1": "B 10 gegen die Kilometrierung",
        "MASSSTAB_DER_LAENGE": "400",
    })


if __name__ == "__main__":
    b27()
    k7031()
    b10()
