#!/usr/bin/env python3
"""Writes src/rules/search/KanjiReadingTable.cpp: the readings of every kanji of code page 932
that KANJIDIC reads (on, kun without the okurigana or with a verb's in its continuative
form, nanori), as katakana.

Usage: scripts/gen-kanji-readings.py [KANJIDIC] [OUTPUT] [UNIHAN-VARIANTS]
  (defaults: /usr/share/edict/kanjidic from Debian's kanjidic package,
   src/rules/search/KanjiReadingTable.cpp,
   /usr/share/unicode/Unihan_Variants.txt.bz2 from Debian's unicode-data package)

KANJIDIC covers JIS X 0208. The kanji that code page 932 adds beyond it (NEC and IBM
extensions: 髙, 﨑) take the readings of the JIS X 0208 kanji they stand for: their
canonical equivalent (Unicode normalisation), or else their Z- or semantic variant in
Unihan.

Each kana is written as one printable ASCII character, '(' plus its offset from
ァ (0x8340) in code page 932: the program decodes the table once, when a reading
search first needs it. Readings of one kanji are separated by ' ', kanji by '|'.
"""
import bz2
import re
import sys
import unicodedata

FIRST_KANA = 0x8340
LAST_KANA = 0x8396
BASE = ord('(')


def katakana(text):
    """The reading as katakana, or None when it holds anything else."""
    out = []
    for ch in text:
        if 'ぁ' <= ch <= 'ゖ':
            ch = chr(ord(ch) + 0x60)
        try:
            code = int.from_bytes(ch.encode('cp932'), 'big')
        except UnicodeEncodeError:
            return None
        if not FIRST_KANA <= code <= LAST_KANA:
            return None
        out.append(code)
    return out or None


# The continuative form of a verb, which names write without its okurigana (乗換 norikae,
# 見積 mitsumori): a final u-row kana turns into its i-row one, and a final る may also
# simply go (ichidan verbs: 換える kaeru, kae).
U_TO_I = dict(zip('うくぐすつぬぶむる', 'いきぎしちにびみり'))


def spellings(field):
    """The kana a kun reading is read as in a name: the stem before '.', and where the
    okurigana end a verb, the stem with the okurigana in the continuative form."""
    field = field.replace('-', '')
    stem, _, okurigana = field.partition('.')
    forms = [stem]
    if okurigana and okurigana[-1] in U_TO_I:
        forms.append(stem + okurigana[:-1] + U_TO_I[okurigana[-1]])
    if okurigana.endswith('る'):
        forms.append(stem + okurigana[:-1])
    return forms


def readings(fields):
    """On, kun (the stem, and a verb's continuative form) and nanori (after T1); radical
    names (after T2) are not readings of a name."""
    found = []
    section = 0
    for field in fields:
        if field in ('T1', 'T2'):
            section = int(field[1])
            continue
        # Codes and indices are ASCII; a reading may begin with the dash of a suffix.
        if field.startswith('{') or (field[0].isascii() and field[0] != '-') or section == 2:
            continue
        for form in spellings(field):
            kana = katakana(form)
            if kana and kana not in found:
                found.append(kana)
    return found


def cp932_kanji():
    """Every kanji of code page 932, by its code."""
    for lead in list(range(0x88, 0xA0)) + list(range(0xE0, 0xFD)):
        for trail in range(0x40, 0xFD):
            try:
                ch = bytes([lead, trail]).decode('cp932')
            except UnicodeDecodeError:
                continue
            if len(ch) == 1 and (0x4E00 <= ord(ch) <= 0x9FFF or 0xF900 <= ord(ch) <= 0xFAFF):
                yield lead << 8 | trail, ch


def variants(path):
    """Unihan's Z- and semantic variants of each character, Z-variants first."""
    found = {}
    order = ('kZVariant', 'kSemanticVariant')
    with bz2.open(path, 'rt', encoding='utf-8') as lines:
        for line in lines:
            fields = line.rstrip('\n').split('\t')
            if len(fields) != 3 or fields[1] not in order:
                continue
            ch = chr(int(fields[0][2:], 16))
            for value in re.findall(r'U\+([0-9A-F]+)', fields[2]):
                found.setdefault(ch, []).append((order.index(fields[1]), chr(int(value, 16))))
    return {ch: [v for _, v in sorted(vs, key=lambda x: x[0])] for ch, vs in found.items()}


def main():
    source = sys.argv[1] if len(sys.argv) > 1 else '/usr/share/edict/kanjidic'
    output = sys.argv[2] if len(sys.argv) > 2 else 'src/rules/search/KanjiReadingTable.cpp'
    table = {}
    header = ''
    with open(source, encoding='euc_jp') as lines:
        for line in lines:
            if line.startswith('#'):
                header = line.strip('# \n')
                continue
            fields = line.split()
            try:
                code = int.from_bytes(fields[0].encode('cp932'), 'big')
            except UnicodeEncodeError:
                continue
            found = readings(fields[1:])
            if found:
                table[code] = found
    by_char = {bytes([c >> 8, c & 0xFF]).decode('cp932'): c for c in table}
    unihan = variants(sys.argv[3] if len(sys.argv) > 3 else '/usr/share/unicode/Unihan_Variants.txt.bz2')
    borrowed = 0
    for code, ch in cp932_kanji():
        if code in table:
            continue
        for other in [unicodedata.normalize('NFC', ch)] + unihan.get(ch, []):
            if other in by_char:
                table[code] = table[by_char[other]]
                borrowed += 1
                break
    codes = sorted(table)
    text = '|'.join(' '.join(''.join(chr(BASE + k - FIRST_KANA) for k in r) for r in table[c]) for c in codes)
    assert all(32 <= ord(ch) < 127 for ch in text)

    with open(output, 'w', encoding='utf-8', newline='\n') as out:
        out.write('// Generated by scripts/gen-kanji-readings.py: do not edit, run it again.\n')
        parts = header.strip('/').split('/')
        out.write('// Source: KANJIDIC (Debian package kanjidic), "%s", %s.\n' % (parts[0], parts[-1]))
        out.write('// Copyright the Electronic Dictionary Research and Development Group (James William\n')
        out.write('// Breen and the EDRDG), used under the Creative Commons Attribution-ShareAlike 3.0\n')
        out.write('// licence and the EDRDG General Dictionary Licence; see LICENSE. This table, derived\n')
        out.write('// from it, is under the same licence. The kanji code page 932 adds beyond JIS X 0208\n')
        out.write('// take the readings of the kanji they stand for, found through Unicode normalisation\n')
        out.write('// and Unihan_Variants (Debian package unicode-data), Unicode, Inc., Unicode licence.\n')
        out.write('#include "search/KanjiReadingTable.h"\n\nnamespace veskor {\n\n')
        out.write('const std::size_t KanjiCount = %d;\n\n' % len(codes))
        out.write('const std::uint16_t KanjiCodes[] = {\n')
        for i in range(0, len(codes), 12):
            out.write('    ' + ' '.join('0x%04X,' % c for c in codes[i:i + 12]) + '\n')
        out.write('};\n\n')
        out.write('const char KanjiReadingText[] =\n')
        for i in range(0, len(text), 96):
            chunk = text[i:i + 96].replace('\\', '\\\\').replace('"', '\\"')
            out.write('    "%s"\n' % chunk)
        out.write('    ;\n\n}  // namespace veskor\n')
    print('%d kanji (%d through variants), %d bytes of readings' % (len(codes), borrowed, len(text)),
          file=sys.stderr)


if __name__ == '__main__':
    main()
