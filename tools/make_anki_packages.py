#!/usr/bin/env python3
"""Writes the Anki packages the import is tested on, one per layout Anki has
written, with the stock note types, an Image Occlusion note and notes that
refer to media:

  anki20.apkg     collection.anki2 alone (schema 11, note types as JSON)
  anki21.apkg     collection.anki21 beside the dummy collection.anki2
  anki21.colpkg   the same with a `meta` entry of version 2
  latest.apkg     `meta` version 3, collection.anki21b compressed with zstd as
                  a stream that leaves out the content size, note types in tables
  latest.colpkg   the same as a whole collection

  make_anki_packages.py tests/import/data          # the checked-in files
  make_anki_packages.py --notes 50000 OUT.apkg     # one large latest package

Needs Python's sqlite3 and zipfile and the `zstd` tool. The files come out the
same on every run.
"""
import argparse
import json
import os
import sqlite3
import subprocess
import sys
import tempfile
import zipfile

DUMMY_TEXT = ("Please update to the latest Anki version, then import the .colpkg/.apkg file again.")
FIXED_TIME = (2024, 1, 1, 0, 0, 0)

# --- a minimal protobuf encoder: varints and length-delimited fields ---------


def varint(value):
    out = bytearray()
    while True:
        byte = value & 0x7F
        value >>= 7
        if value:
            out.append(byte | 0x80)
        else:
            out.append(byte)
            return bytes(out)


def pb_varint(number, value):
    return varint(number << 3) + varint(value) if value else b""


def pb_bytes(number, data):
    if isinstance(data, str):
        data = data.encode("utf-8")
    return varint((number << 3) | 2) + varint(len(data)) + data


# --- the note types ---------------------------------------------------------

NORMAL, CLOZE = 0, 1
# Anki's StockNotetype.OriginalStockKind.
STOCK_BASIC, STOCK_REVERSED, STOCK_OPTIONAL, STOCK_TYPING, STOCK_CLOZE, STOCK_IMAGE_OCCLUSION = 1, 2, 3, 4, 5, 6

ANSWER_RULE = "{{FrontSide}}\n\n<hr id=answer>\n\n"

NOTETYPES = [
    # id, name, kind, stock kind, fields, templates (name, front, back)
    (1001, "Basic", NORMAL, STOCK_BASIC, ["Front", "Back"],
     [("Card 1", "{{Front}}", ANSWER_RULE + "{{Back}}")]),
    (1002, "Basic (and reversed card)", NORMAL, STOCK_REVERSED, ["Front", "Back"],
     [("Card 1", "{{Front}}", ANSWER_RULE + "{{Back}}"),
      ("Card 2", "{{Back}}", ANSWER_RULE + "{{Front}}")]),
    (1003, "Basic (optional reversed card)", NORMAL, STOCK_OPTIONAL, ["Front", "Back", "Add Reverse"],
     [("Card 1", "{{Front}}", ANSWER_RULE + "{{Back}}"),
      ("Card 2", "{{#Add Reverse}}{{Back}}{{/Add Reverse}}", ANSWER_RULE + "{{Front}}")]),
    (1004, "Basic (type in the answer)", NORMAL, STOCK_TYPING, ["Front", "Back"],
     [("Card 1", "{{Front}}\n\n{{type:Back}}", "{{Front}}\n\n<hr id=answer>\n\n{{type:Back}}")]),
    (1005, "Cloze", CLOZE, STOCK_CLOZE, ["Text", "Back Extra"],
     [("Cloze", "{{cloze:Text}}", "{{cloze:Text}}<br>\n{{Back Extra}}")]),
    (1006, "Image Occlusion", CLOZE, STOCK_IMAGE_OCCLUSION, ["Occlusion", "Image", "Header", "Back Extra", "Comments"],
     [("Image Occlusion",
       "{{#Header}}<div>{{Header}}</div>{{/Header}}\n<div style=\"display: none\">{{cloze:Occlusion}}</div>\n"
       "<div id=\"image-occlusion-container\">{{Image}}</div>",
       "{{#Header}}<div>{{Header}}</div>{{/Header}}\n<div style=\"display: none\">{{cloze:Occlusion}}</div>\n"
       "<div id=\"image-occlusion-container\">{{Image}}</div>\n{{#Back Extra}}<div>{{Back Extra}}</div>{{/Back Extra}}")]),
]

DECKS = [(1, "Default"), (2001, "Deutsch"), (2002, "Deutsch::Farben")]

# note type id, deck id, fields, card ords
NOTES = [
    (1001, 2001, ["der Hund", "the dog"], [0]),
    (1001, 2001, ["<b>die Katze</b>", "the cat &amp; the&nbsp;kitten"], [0]),
    (1002, 2002, ["rot", "red"], [0, 1]),
    (1003, 2002, ["blau", "blue", "y"], [0, 1]),
    (1003, 2002, ["gr\u00fcn", "green", ""], [0]),
    (1004, 2001, ["gelb", "yellow"], [0]),
    (1005, 2002, ["Die Sonne ist {{c1::gelb}}, der Himmel {{c2::blau::Farbe}}.", ""], [0, 1]),
    (1005, 1, ["{{c1::Bonn}} war die Hauptstadt, heute ist es {{c1::Berlin}}.", "<i>seit 1990</i>"], [0]),
    (1006, 1, ["{{c1::image-occlusion:rect:left=.1:top=.2:width=.3:height=.1:oi=1}}"
               "{{c2::image-occlusion:ellipse:left=.5:top=.5:rx=.1:ry=.1:oi=1}}",
               "<img src=\"karte.png\">", "Europa", "", ""], [0, 1]),
    (1001, 2001, ["<img src=\"hund.jpg\">", "dog"], [0]),
    (1001, 2001, ["die Maus [sound:maus.mp3]", "the mouse"], [0]),
]


def legacy_models(notetypes):
    models = {}
    for ntid, name, kind, stock, fields, templates in notetypes:
        models[str(ntid)] = {
            "id": ntid, "name": name, "type": kind, "originalStockKind": stock, "mod": 0, "usn": 0,
            "sortf": 0, "did": 1, "css": "", "latexPre": "", "latexPost": "", "tags": [], "vers": [],
            "flds": [{"name": f, "ord": i, "sticky": False, "rtl": False, "font": "Arial", "size": 20}
                     for i, f in enumerate(fields)],
            "tmpls": [{"name": t, "ord": i, "qfmt": q, "afmt": a, "did": None, "bqfmt": "", "bafmt": ""}
                      for i, (t, q, a) in enumerate(templates)],
        }
    return json.dumps(models, sort_keys=True)


def legacy_decks(decks):
    return json.dumps({str(did): {"id": did, "name": name, "dyn": 0, "conf": 1, "usn": 0, "mod": 0}
                       for did, name in decks}, sort_keys=True)


SCHEMA11 = """
create table col (id integer primary key, crt integer not null, mod integer not null, scm integer not null,
  ver integer not null, dty integer not null, usn integer not null, ls integer not null, conf text not null,
  models text not null, decks text not null, dconf text not null, tags text not null);
create table notes (id integer primary key, guid text not null, mid integer not null, mod integer not null,
  usn integer not null, tags text not null, flds text not null, sfld integer not null, csum integer not null,
  flags integer not null, data text not null);
create table cards (id integer primary key, nid integer not null, did integer not null, ord integer not null,
  mod integer not null, usn integer not null, type integer not null, queue integer not null, due integer not null,
  ivl integer not null, factor integer not null, reps integer not null, lapses integer not null,
  left integer not null, odue integer not null, odid integer not null, flags integer not null, data text not null);
create table revlog (id integer primary key, cid integer not null, usn integer not null, ease integer not null,
  ivl integer not null, lastIvl integer not null, factor integer not null, time integer not null,
  type integer not null);
create table graves (usn integer not null, oid integer not null, type integer not null);
create index ix_cards_nid on cards (nid);
"""

SCHEMA18_TABLES = """
create table notetypes (id integer not null primary key, name text not null collate unicase,
  mtime_secs integer not null, usn integer not null, config blob not null);
create unique index idx_notetypes_name on notetypes (name);
create table fields (ntid integer not null, ord integer not null, name text not null collate unicase,
  config blob not null, primary key (ntid, ord)) without rowid;
create table templates (ntid integer not null, ord integer not null, name text not null collate unicase,
  mtime_secs integer not null, usn integer not null, config blob not null, primary key (ntid, ord)) without rowid;
create table decks (name text not null primary key collate unicase, id integer not null,
  mtime_secs integer not null, usn integer not null, common blob not null, kind blob not null);
create table config (key text not null primary key, usn integer not null, mtime_secs integer not null,
  val blob not null) without rowid;
create table deck_config (id integer primary key not null, name text not null collate unicase,
  mtime_secs integer not null, usn integer not null, config blob not null);
create table tags (tag text not null primary key collate unicase, usn integer not null) without rowid;
"""


def unicase(a, b):
    a, b = a.casefold(), b.casefold()
    return (a > b) - (a < b)


def write_notes(db, notes):
    card_id = 1
    for note_id, (ntid, did, fields, ords) in enumerate(notes, start=1):
        db.execute("insert into notes values (?,?,?,0,0,'',?,?,0,0,'')",
                   (note_id, "g%d" % note_id, ntid, "\x1f".join(fields), fields[0]))
        # A card borrowed by a filtered deck keeps its own deck in `odid`.
        home = 0
        if isinstance(did, tuple):
            did, home = did
        for ord_ in ords:
            db.execute("insert into cards values (?,?,?,?,0,0,0,0,?,0,0,0,0,0,0,?,0,'')",
                       (card_id, note_id, did, ord_, note_id, home))
            card_id += 1


def legacy_collection(path, notetypes, decks, notes, version=11):
    db = sqlite3.connect(path)
    db.executescript(SCHEMA11)
    db.execute("insert into col values (1,0,0,0,?,0,0,0,'{}',?,?,'{}','{}')",
               (version, legacy_models(notetypes), legacy_decks(decks)))
    write_notes(db, notes)
    db.commit()
    db.execute("vacuum")
    db.close()


def latest_collection(path, notetypes, decks, notes):
    db = sqlite3.connect(path)
    db.create_collation("unicase", unicase)
    db.executescript(SCHEMA11 + SCHEMA18_TABLES)
    db.execute("insert into col values (1,0,0,0,18,0,0,0,'','','','','')")
    for ntid, name, kind, stock, fields, templates in notetypes:
        config = pb_varint(1, kind) + pb_bytes(3, ".card {}") + pb_varint(9, stock)
        db.execute("insert into notetypes values (?,?,0,0,?)", (ntid, name, config))
        for i, field in enumerate(fields):
            db.execute("insert into fields values (?,?,?,?)", (ntid, i, field, pb_bytes(3, "Arial")))
        for i, (tname, front, back) in enumerate(templates):
            db.execute("insert into templates values (?,?,?,0,0,?)",
                       (ntid, i, tname, pb_bytes(1, front) + pb_bytes(2, back)))
    for did, name in decks:
        # The latest layout keeps a deck's path with 0x1f between the parts.
        db.execute("insert into decks values (?,?,0,0,?,?)",
                   (name.replace("::", "\x1f"), did, b"", pb_bytes(1, b"")))
    write_notes(db, notes)
    db.commit()
    db.execute("vacuum")
    db.close()


def dummy_collection(path):
    legacy_collection(path, NOTETYPES[:1], DECKS[:1], [(1001, 1, [DUMMY_TEXT, ""], [0])])


def zstd_stream(data):
    # Fed through a pipe, the encoder does not know the size and leaves it out.
    return subprocess.run(["zstd", "-q", "-c", "--no-content-size", "-"], input=data, check=True,
                          stdout=subprocess.PIPE).stdout


def read(path):
    with open(path, "rb") as f:
        return f.read()


def write_zip(out, entries):
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as z:
        for name, data in entries:
            info = zipfile.ZipInfo(name, FIXED_TIME)
            info.compress_type = zipfile.ZIP_STORED if name == "collection.anki21b" else zipfile.ZIP_DEFLATED
            z.writestr(info, data)


def package(out, layout, notetypes=NOTETYPES, decks=DECKS, notes=NOTES, meta_version=None):
    with tempfile.TemporaryDirectory() as tmp:
        col = os.path.join(tmp, "col")
        dummy = os.path.join(tmp, "dummy")
        if layout == "anki20":
            legacy_collection(col, notetypes, decks, notes)
            entries = [("collection.anki2", read(col)), ("media", b"{}")]
        elif layout == "anki21":
            legacy_collection(col, notetypes, decks, notes)
            dummy_collection(dummy)
            entries = [("collection.anki2", read(dummy)), ("collection.anki21", read(col)), ("media", b"{}")]
            if meta_version:
                entries.insert(0, ("meta", pb_varint(1, meta_version)))
        else:
            latest_collection(col, notetypes, decks, notes)
            dummy_collection(dummy)
            entries = [("meta", pb_varint(1, 3)), ("collection.anki2", read(dummy)),
                       ("collection.anki21b", zstd_stream(read(col))), ("media", zstd_stream(b""))]
        write_zip(out, entries)


def large_notes(count):
    notes = []
    for i in range(count):
        if i % 10 == 9:
            notes.append((1005, 2002, ["Satz %d mit {{c1::L\u00fccke %d}} und {{c2::mehr::Hinweis}}." % (i, i), ""],
                          [0, 1]))
        elif i % 10 == 8:
            notes.append((1002, 2002, ["<b>Wort %d</b>" % i, "word&nbsp;%d" % i], [0, 1]))
        else:
            notes.append((1001, 2001, ["Frage %d" % i, "<div>Antwort %d</div>" % i], [0]))
    return notes


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("out", help="a folder for the test packages, or the large package's file")
    parser.add_argument("--notes", type=int, help="write one latest package of this many notes")
    args = parser.parse_args()
    if args.notes:
        package(args.out, "latest", notes=large_notes(args.notes))
        return 0
    os.makedirs(args.out, exist_ok=True)
    package(os.path.join(args.out, "anki20.apkg"), "anki20")
    package(os.path.join(args.out, "anki21.apkg"), "anki21")
    # A whole collection holds more than the shared decks: a card that a
    # filtered deck has borrowed from its own deck.
    collection = NOTES + [(1001, (3001, 1), ["das Pferd", "the horse"], [0])]
    collection_decks = DECKS + [(3001, "Filtered Deck 1")]
    package(os.path.join(args.out, "anki21.colpkg"), "anki21", decks=collection_decks, notes=collection,
            meta_version=2)
    package(os.path.join(args.out, "latest.apkg"), "latest")
    package(os.path.join(args.out, "latest.colpkg"), "latest", decks=collection_decks, notes=collection)
    return 0


if __name__ == "__main__":
    sys.exit(main())
