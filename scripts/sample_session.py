#!/usr/bin/python3
"""Writes a small session file of made-up candidates (for screenshots and the
accessibility check): 5865-byte records, Windows-1252 texts ended by NUL.
An optional count (sample_session.py FILE 100) repeats the names with other
given names and scores until the session holds that many candidates."""
import sys

FIELDS = [121, 121, 51, 51, 5001, 16, 501]  # then the 3-byte eligible flag

CANDIDATES = [
    ("VERDI ANNA", "VRDNNA90A41H501X", "Roma", "10/06/2026", "28,50", "", True),
    ("BIANCHI LUCA", "BNCLCU88B12F205Y", "Milano", "11/06/2026", "27,75", "Ottima prova orale", True),
    ("ESPOSITO CIRO", "SPSCRI85C13F839Z", "Napoli", "11/06/2026", "19,00", "", False),
    ("ROSSI MARIA", "RSSMRA92D54L219W", "Torino", "12/06/2026", "29,00", "", True),
    ("NERI PAOLO", "NREPLA91E15A944V", "Bologna", "12/06/2026", "21,50", "Ammesso con riserva", False),
    ("COLOMBO GIULIA", "CLMGLI93H45F205K", "Milano", "12/06/2026", "25,25", "", True),
    ("RICCI MATTEO", "RCCMTT89L10D612Q", "Firenze", "13/06/2026", "17,50", "Assente alla prova pratica", False),
    ("MARINO SARA", "MRNSRA94M52A662J", "Bari", "13/06/2026", "26,00", "", True),
    ("GRECO NICOLÒ", "GRCNCL90P20C351B", "Catania", "13/06/2026", "23,40", "", False),
]


def record(name, code, place, date, score, notes, eligible):
    details = "Prova scritta: quesiti a risposta multipla e due domande aperte.\r\nColloquio sulle materie del bando."
    texts = [name, code, place, date, details, score, notes]
    out = bytearray()
    for text, size in zip(texts, FIELDS):
        data = text.encode("cp1252")[: size - 1]
        out += data + bytes(size - len(data))
    out += b"\x53\xec\x00" if eligible else b"\x4e\x6f\x00"
    assert len(out) == 5865
    return bytes(out)


GIVEN = ["ALESSIA", "BRUNO", "CARLA", "DANIELE", "ELENA", "FABIO", "GRAZIA", "IVO", "LAURA", "MARCO", "NORA"]


def candidates(count):
    for i in range(count):
        name, code, place, date, score, notes, eligible = CANDIDATES[i % len(CANDIDATES)]
        if i >= len(CANDIDATES):
            name = "%s %s" % (name.split()[0], GIVEN[(i // len(CANDIDATES)) % len(GIVEN)])
            score = "%d,%02d" % (15 + (i * 37) % 16, (i * 53) % 100)
        yield name, code, place, date, score, notes, eligible


count = int(sys.argv[2]) if len(sys.argv) > 2 else len(CANDIDATES)
with open(sys.argv[1], "wb") as f:
    for c in candidates(count):
        f.write(record(*c))
