#!/usr/bin/env python3
# Checks the language catalogues lang/Lang00.ts (Ukrainian) and lang/Lang01.ts (Russian):
# both parse, carry the same identifiers in ascending order within 1001..3086, every text is
# present and at most 99 characters, the English glosses agree, and each text has the same
# printf conversions, in the same order, in both languages (the program fills them with the
# same arguments whatever the language).
# Usage: scripts/check-catalogues.py [lang-directory]; exit status 1 on any problem.
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

FIRST_ID, LAST_ID, MAX_LENGTH = 1001, 3086, 99
CATALOGUES = {"Lang00.ts": "uk_UA", "Lang01.ts": "ru_RU"}
CONVERSION = re.compile(r"%(?:%|[-+ #0]*\d*(?:\.\d+)?(?:l|ll|h)?[diuxXfFgGeEsc])")


def conversions(text):
    return [c for c in CONVERSION.findall(text) if c != "%%"]


def load(path, language, problems):
    """Returns {id: (source, translation)} of one catalogue (None if unreadable), noting problems."""
    try:
        root = ET.parse(path).getroot()
    except (ET.ParseError, OSError) as error:
        problems.append(f"{path.name}: {error}")
        return None
    if root.get("language") != language:
        problems.append(f"{path.name}: language is {root.get('language')!r}, expected {language!r}")
    entries, previous = {}, 0
    for message in root.iter("message"):
        raw_id = message.get("id", "")
        where = f"{path.name} id {raw_id!r}"
        if not raw_id.isdigit():
            problems.append(f"{where}: identifier is not a number")
            continue
        ident = int(raw_id)
        if not FIRST_ID <= ident <= LAST_ID:
            problems.append(f"{where}: outside {FIRST_ID}..{LAST_ID}")
        if ident in entries:
            problems.append(f"{where}: duplicate")
        elif ident < previous:
            problems.append(f"{where}: not in ascending order")
        previous = max(previous, ident)
        translation = message.find("translation")
        text = translation.text if translation is not None and translation.text else ""
        if not text.strip():
            problems.append(f"{where}: empty translation")
        if translation is not None and translation.get("type") in ("unfinished", "obsolete", "vanished"):
            problems.append(f"{where}: translation marked {translation.get('type')}")
        if len(text) > MAX_LENGTH:
            problems.append(f"{where}: {len(text)} characters, at most {MAX_LENGTH} allowed")
        source = message.findtext("source") or ""
        entries[ident] = (source, text)
    return entries


def main():
    lang_dir = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "lang"
    problems = []
    tables = {name: load(lang_dir / name, language, problems) for name, language in CATALOGUES.items()}
    (name_a, a), (name_b, b) = tables.items()
    if a is None or b is None:
        a = b = {}
    for ident in sorted(a.keys() - b.keys()):
        problems.append(f"id {ident}: in {name_a} only")
    for ident in sorted(b.keys() - a.keys()):
        problems.append(f"id {ident}: in {name_b} only")
    for ident in sorted(a.keys() & b.keys()):
        if a[ident][0] != b[ident][0]:
            problems.append(f"id {ident}: English glosses differ")
        conv_a, conv_b = conversions(a[ident][1]), conversions(b[ident][1])
        if conv_a != conv_b:
            problems.append(f"id {ident}: conversions {conv_a} in {name_a} but {conv_b} in {name_b}")
    for problem in problems:
        print(problem, file=sys.stderr)
    if not problems:
        print(f"{len(a)} identifiers, both catalogues consistent")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
