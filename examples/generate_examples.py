#!/usr/bin/env python3
"""Writes one example Rollstab run per file format into this folder.

Standard library only and deterministic (fixed seeds), so running it again
gives byte-identical files. Run:  python3 generate_examples.py

Recognition is by content, tried in this order: PM01BS01, street list,
limit-value list, five-field list, four-field list, measurement-record list,
"Datum:" list, text printout last. A file starting with "PM01BS02" goes only
to the PM01BS02 reader. Each writer below notes why no earlier reader takes
its file.
"""

import math
import os
import random
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
CRLF = b"\r\n"


def w(text):
    """8-bit text as the instruments write it."""
    return text.encode("cp1252")


def u(text):
    """UTF-8 text, used only where an exporter writes UTF-8 keywords."""
    return text.encode("utf-8")


def dec(x, digits):
    """German decimal comma."""
    return f"{round(x, digits) + 0.0:.{digits}f}".replace(".", ",")


def write(name, lines):
    data = b"".join(line + CRLF for line in lines)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)
    return data


def profile(rng, n, bumps):
    """Deviations in mm: a gentle wave in -2..+3 plus a few bumps.

    bumps: list of (index, peak_mm, half_width_in_samples).
    """
    p1, p2 = rng.uniform(90, 160), rng.uniform(20, 45)
    f1, f2 = rng.uniform(0, 2 * math.pi), rng.uniform(0, 2 * math.pi)
    values = []
    for i in range(n):
        v = (0.6 + 1.1 * math.sin(2 * math.pi * i / p1 + f1)
             + 0.5 * math.sin(2 * math.pi * i / p2 + f2) + rng.gauss(0, 0.35))
        values.append(min(3.0, max(-2.0, v)))
    for centre, peak, half in bumps:
        for j in range(max(0, centre - half), min(n, centre + half + 1)):
            shape = peak * (1 - abs(j - centre) / (half + 1))
            values[j] = max(values[j], shape)
    return [round(v, 1) + 0.0 for v in values]   # + 0.0: no "-0,0"


def pick_bumps(rng, n, peaks, half):
    """Bump centres spread over the run, away from its ends."""
    k = len(peaks)
    centres = [int(n * (i + 0.5 + rng.uniform(-0.25, 0.25)) / k) for i in range(k)]
    return [(c, p, half) for c, p in zip(centres, peaks)]


def remarks_at(rng, n, bumps, texts, extra):
    """Remarks at every bump centre plus `extra` at random samples."""
    out = {}
    for (c, _, _), t in zip(bumps, texts):
        out[c] = t
    pool = ["Riss", "Flickstelle", "Querriss", "Einmündung", "Längsriss",
            "Ausbruch", "Markierung"]
    while len(out) < len(bumps) + extra:
        i = rng.randrange(5, n - 5)
        if all(abs(i - j) > 10 for j in out):
            out[i] = rng.choice(pool)
    return out


def summary(name, code, stations_dm, values_mm, marked):
    over = sum(1 for v in values_mm if v > 4.0)
    print(f"{name:24s} code {code:4d}  samples {len(stations_dm):5d}  "
          f"stations {stations_dm[0]}..{stations_dm[-1]} dm  "
          f"max {max(values_mm):.1f} mm  >4mm {over:3d}  remarks {marked}")


# --- PM01BS01 (1001) -------------------------------------------------------
# First in the chain; line 0 contains "PM01BS01", so it is taken at once.
def gen_pm01bs01():
    rng = random.Random(1001)
    start_dm, step_dm, n = 32000, 2, 2101          # km 3.200 .. 3.620, 0.2 m
    bumps = pick_bumps(rng, n, [5.6, 7.9, 4.6], 6)
    rem = remarks_at(rng, n, bumps, ["Schachtdeckel", "Flickstelle", "Querriss"], 3)
    vals = profile(rng, n, bumps)
    lines = [w("PM01BS01\tV1.07"),
             w("14.05.2024 08:30"),
             w("Dienststelle  Straßenbauamt Rottweil"),
             w("Abteilung     Straßenmeisterei Oberndorf"),
             w("Pruefer       Jürgen Haag"),
             w("Str.-Typ      L"),
             w("Str.-Nr.      415")]
    stations = []
    for i in range(n):
        st = start_dm + i * step_dm
        stations.append(st)
        width = 3.25 if st < 34800 else 3.00         # narrowing at a bridge
        raw2 = vals[i] + rng.uniform(-0.2, 0.2)      # fields 1-3: unused
        fields = [dec(vals[i], 1), dec(raw2, 2), str(i * 4), dec(i * 0.15, 1),
                  dec(st / 10000.0, 4), dec(width, 2), rem.get(i, "")]
        # An empty remark still ends with TAB, as the device writes it.
        lines.append(w("\t".join(fields)))
    write("L415_pm01bs01.txt", lines)
    summary("L415_pm01bs01.txt", 1001, stations, vals, len(rem))


# --- PM01BS02 (1002) -------------------------------------------------------
# Starts with the bytes "PM01BS02", so only the PM01BS02 reader sees it.
def gen_pm01bs02():
    rng = random.Random(1002)
    start_dm, step_dm, n = 123500, 2, 2501         # km 12.350 .. 12.850, 0.2 m
    bumps = pick_bumps(rng, n, [6.4, 4.8, 8.7, 5.2], 5)
    rem = remarks_at(rng, n, bumps,
                     ["Brückenfuge", "Flickstelle", "Brückenfuge", "Schachtdeckel"], 3)
    vals = profile(rng, n, bumps)
    head = [w("PM01BS02"),
            w("Zeitstempel|14.05.2024 10:41:07"),
            w("Dienststelle|Regierungspräsidium Freiburg"),
            w("Abteilung|Referat 47.2 Baureferat Süd"),
            w("Pruefer|Stefan Weißhaar"),
            w("Str.-Typ|B"),
            w("Str.-Nr.|27")]
    out = b"".join(h + CRLF for h in head) + b"***" + CRLF
    stations, shown = [], []
    for i in range(n):
        st = start_dm + i * step_dm
        # Hundredths; a trailing 5 is nudged so mm x 10 never sits on a half.
        k = round(vals[i] * 100 + rng.uniform(-4, 4))
        if abs(k) % 10 == 5:
            k += 1
        d0 = k / 100.0
        width = 3.75 if st < 126200 else 3.50
        rec = struct.pack("<5d", d0, d0 - 0.03, st / 10000.0, width, i * 0.16)
        line = rec + w(rem.get(i, "")) + CRLF
        # A record must not open with "***" CR LF, and its line (>= 42 bytes)
        # ends at its own CR LF; LF bytes inside the doubles lie before byte 40.
        assert rec[:5] != b"***\r\n" and len(line) >= 42
        assert b"\n" not in line[40:-1]
        out += line
        stations.append(st)
        shown.append(d0)
    out += b"***" + CRLF
    with open(os.path.join(HERE, "B27_pm01bs02.dat"), "wb") as f:
        f.write(out)
    summary("B27_pm01bs02.dat", 1002, stations, shown, len(rem))


# --- "Datum:" list with column header (1003) -------------------------------
# Line 0 has no "PM01BS01", is not "Strasse:"/"Grenzwert"/"ROLLSTAB: ..." and
# yields no date with "%2d.%2d.%4d ...", so readers 1-6 refuse it; the date
# line "Datum:;dd.mm.yyyy, hh:mm:ss" on line 1 makes it a "Datum:" list.
# The head mixes UTF-8 keywords ("Prüfer:", "Maßnahme") with 8-bit ones
# ("Strasse:", "Baumassnahme:", "Gesamtlänge:"), as both exporters write them.
def gen_datum():
    rng = random.Random(1003)
    step_m, n = 0.5, 1041                          # 0 .. 520 m
    bumps = pick_bumps(rng, n, [5.1, 7.3, 4.4], 4)
    rem = remarks_at(rng, n, bumps, ["Schachtdeckel", "Flickstelle", "Querriss"], 3)
    vals = profile(rng, n, bumps)
    # Remark lines (station repeated) on samples without a Kommentar.
    remark_lines = {}
    while len(remark_lines) < 3:
        i = rng.randrange(20, n - 20)
        if all(abs(i - j) > 10 for j in list(rem) + list(remark_lines)):
            remark_lines[i] = rng.choice(["Querriss über ganze Breite",
                                          "Riss in Rollspur", "Flickstelle Asphalt"])
    lines = [w("Ebenheitsmessung Rollstab;;;;;"),
             w("Datum:;14.05.2024, 09:12:33"),
             u("Prüfer:;Martina Kärcher"),
             w("Strasse:;K 7031"),
             w("Baumassnahme:;Deckenerneuerung Spaichingen - Balgheim"),
             u("Maßnahme-Nr.:;2024-117"),
             w("Gesamtlänge:;520,0 m"),
             w("Station;Höhe;Geschw. [km/h];Kommentar;Breite;Grenze")]
    speed = 4.5
    stations = []
    for i in range(n):
        st = i * step_m
        stations.append(round(st * 10))
        speed = min(6.0, max(3.0, speed + rng.gauss(0, 0.12)))
        width = 3.50 if st < 260 else 3.75
        # Speed is written with a point, the other numbers with a comma.
        lines.append(w(";".join([dec(st, 1), dec(vals[i], 1), f"{speed:.1f}",
                                 rem.get(i, ""), dec(width, 2), dec(4.0, 1)])))
        if i in remark_lines:
            lines.append(w(f"{dec(st, 1)};{remark_lines[i]}"))
    write("K7031_datum.csv", lines)
    summary("K7031_datum.csv", 1003, stations, vals, len(rem) + len(remark_lines))


# --- four-field and five-field lists (3, 7) --------------------------------
# Line 0 "dd.mm.yyyy hh:mm:ss ..." is no PM01BS01, street or limit head.
# The four-field file has no line of exactly five fields, so the five-field
# reader (tried first) finds no sample and the four-field reader takes it.
def gen_fieldlist(name, code, seed, start_m, n, head, with_width):
    rng = random.Random(seed)
    step_m = 0.5
    bumps = pick_bumps(rng, n, [4.9, 6.8, 8.1] if code == 3 else [5.7, 4.3], 4)
    texts = ["Flickstelle", "Querriss, quer zur Fahrbahn", "Schachtdeckel"]
    rem = remarks_at(rng, n, bumps, texts if code == 3 else ["Brückenfuge", "Riss"], 2)
    vals = profile(rng, n, bumps)
    lines = [w(h) for h in head]
    if with_width:
        lines.append(w("Position;Abweichung;Breite;Markierung;Bemerkung"))
    stations = []
    for i in range(n):
        st = start_m + i * step_m
        stations.append(round(st * 10))
        mark = "1" if i in rem else "0"
        fields = [dec(st, 1), dec(vals[i], 1)]
        if with_width:
            fields.append(dec(3.50 if i < n * 0.6 else 3.25, 2))
        fields += [mark, rem.get(i, "")]
        lines.append(w(";".join(fields)))
    write(name, lines)
    summary(name, code, stations, vals, len(rem))


def gen_vierfeld():
    gen_fieldlist("B14_vierfeld.csv", 3, 3, 2140.0, 1201,
                  ["14.05.2024 13:05:12 Rollstabmessung",
                   "Regierungspräsidium Freiburg",
                   "Straßenmeisterei Rottweil",
                   "Prüfer: Klaus Störk",
                   "B 14 Rottweil - Deißlingen, Fahrstreifen 1"],
                  with_width=False)


# Five fields on every data line: the five-field reader (fourth in the
# chain) takes it; its column title line is neither a sample nor a head line.
def gen_fuenffeld():
    gen_fieldlist("B14_fuenffeld.csv", 7, 7, 2740.0, 1121,
                  ["15.05.2024 07:48:55 Rollstabmessung",
                   "Regierungspräsidium Freiburg",
                   "Straßenmeisterei Rottweil",
                   "Prüfer: Klaus Störk",
                   "B 14 Deißlingen - Lauffen, Fahrstreifen 2"],
                  with_width=True)


# --- measurement-record list (4) -------------------------------------------
# Line 0 "ROLLSTAB: ..." is no PM01BS01, street or limit head and no date, so
# readers 1-5 refuse it; the record-list reader (sixth) takes it.
def gen_messsaetze():
    rng = random.Random(4)
    start_dm, step_dm, n = 52300, 5, 1401          # km 5.230 .. 5.930, 0.5 m
    bumps = pick_bumps(rng, n, [6.1, 4.7, 5.5, 7.4], 3)
    vals = profile(rng, n, bumps)
    lines = [w("ROLLSTAB: Meßdatensätze;L 1100;14.05.2024;"),
             w("Straße:;L 1100 Schramberg - Tennenbronn;"),
             w("Grenzwert [mm]:;4,0;"),
             w("Station [km];Abweichung [mm];")]
    stations = []
    for i in range(n):
        st = start_dm + i * step_dm
        stations.append(st)
        lines.append(w(f"{dec(st / 10000.0, 4)};{dec(vals[i], 1)};"))
    write("L1100_messsaetze.csv", lines)
    summary("L1100_messsaetze.csv", 4, stations, vals, 0)


# --- limit-value column list (5) and its .PGC remark file -------------------
# Line 0 begins with "Grenzwert": no PM01BS01 and no "Strasse:", so the
# limit-value reader (third) takes it.
def gen_grenzwert():
    rng = random.Random(5)
    start_dm, step_dm, n = 2314500, 5, 1201        # km 231.450 .. 232.050, 0.5 m
    bumps = pick_bumps(rng, n, [5.8, 8.9, 4.5], 4)
    vals = profile(rng, n, bumps)
    lines = [w("Grenzwert 4.0"),
             w("Station[km]\tHoehe[mm]\tGeschw.[km/h]\tGrenze[mm]")]
    speed = 4.2
    stations = []
    for i in range(n):
        st = start_dm + i * step_dm
        stations.append(st)
        speed = min(6.0, max(3.0, speed + rng.gauss(0, 0.1)))
        lines.append(w(f"{st / 10000.0:.4f}\t{vals[i]:.1f}\t{speed:.1f}\t4.0"))
    write("A81_grenzwert.txt", lines)

    def row(dm, text, lane="FS1"):
        km = dm / 10000.0
        return w(f"{km:.4f}\t{lane}\t{vals[(dm - start_dm) // step_dm]:.1f}\t4.0\t{text}")

    c = [b[0] for b in bumps]
    at = [start_dm + i * step_dm for i in c]
    pgc = [w("table"),
           row(at[0], "Schachtdeckel"),
           row(at[1], "Brückenfuge"),
           row(start_dm + 200 * step_dm, "Flickstelle"),
           # Between two samples: matches none, so no sample gets it.
           w(f"{(start_dm + 301 * step_dm + 2) / 10000.0:.4f}\tFS1\t0.0\t4.0\tRiss"),
           w("/table"),
           w("table"),
           row(at[2], "Querriss"),
           row(start_dm + 900 * step_dm, "Riss"),
           # Four fields only: carries no remark.
           w(f"{(start_dm + 1000 * step_dm) / 10000.0:.4f}\tFS1\t0.0\t4.0"),
           w("/table")]
    write("A81_grenzwert.PGC", pgc)
    summary("A81_grenzwert.txt", 5, stations, vals, 5)


# --- street column list (6) ------------------------------------------------
# Line 0 "Strasse:" and line 1 "Start-Km:"; no PM01BS01, so the street reader
# (second) takes it. Measured against the kilometrage: stations decrease.
def gen_strasse():
    rng = random.Random(6)
    start_dm, step_dm, n = 123000, -5, 1101        # km 12.300 down to 11.750
    bumps = pick_bumps(rng, n, [4.6, 6.9], 4)
    vals = profile(rng, n, bumps)
    lines = [w("Strasse: B 10"), w("Start-Km: 12,300")]
    stations = []
    for i in range(n):
        st = start_dm + i * step_dm
        stations.append(st)
        lines.append(w(f"{dec(st / 10000.0, 4)}  {dec(vals[i], 1)}"))
    write("B10_strasse.txt", lines)
    summary("B10_strasse.txt", 6, stations, vals, 0)


# --- text printout (1) -----------------------------------------------------
# Line 0 "MESSUNG NR." is no PM01BS01/street/limit/record head and no date;
# no "Datum:" in lines 0-2; so every other reader refuses it and the text
# printout (last) reads it. Line 0 holds neither "Datum:" nor "file", and no
# "Sp1   Sp2    Sp3" multi-track line appears.
def gen_ausdruck():
    rng = random.Random(1)
    start_dm, step_dm, n = 31500, 10, 601          # km 3.150 .. 3.750, 1 m
    bumps = pick_bumps(rng, n, [5.2, 8.4, 6.0], 2)
    rem = remarks_at(rng, n, bumps, ["Schachtdeckel", "Brückenfuge", "Flickstelle"], 2)
    vals = profile(rng, n, bumps)
    dup = bumps[1][0]                              # joint printed twice
    lines = [w("MESSUNG NR.   0042"),
             w("vom           14.05.2024"),
             w("Dienststelle  Regierungspräsidium Freiburg"),
             w("Abteilung     Straßenmeisterei Titisee-Neustadt"),
             w("Pruefer       Bernd Schwörer"),
             w("Str.-Typ      B"),
             w("Str.-Nr.      31"),
             w("Grenzwert  4,0 mm"),
             w("    0,1 mm    -10   0  +10  +20  +30")]
    stations = []
    for i in range(n):
        st = start_dm + i * step_dm
        stations.append(st)
        tenths = int(round(vals[i] * 10))
        if i == dup:
            # Printed once without and once with its remark, same station.
            lines.append(w(f"{tenths:6d}{st:10d}"))
            lines.append(w(f"{tenths - 9:6d}{st:10d}   *{rem[i]}"))
        elif i in rem:
            lines.append(w(f"{tenths:6d}{st:10d}   *{rem[i]}"))
        else:
            lines.append(w(f"{tenths:6d}{st:10d}"))
    write("B31_ausdruck.txt", lines)
    summary("B31_ausdruck.txt", 1, stations, vals, len(rem))


if __name__ == "__main__":
    gen_pm01bs01()
    gen_pm01bs02()
    gen_datum()
    gen_vierfeld()
    gen_fuenffeld()
    gen_messsaetze()
    gen_grenzwert()
    gen_strasse()
    gen_ausdruck()
