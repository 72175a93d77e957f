#!/usr/bin/env python3
"""Checks and upkeep of the Qt Linguist catalogues (translation/*.ts).

  translations.py complete DIR LRELEASE   every catalogue compiles with no unfinished, untranslated,
                                          obsolete or vanished entry (exit 1 otherwise)
  translations.py placeholders DIR        every translation keeps the %1 %2 ... %n arguments, line
                                          breaks and markup of its source text (exit 1 otherwise)
  translations.py fill-fixed DIR          records each catalogue's language; English shows each
                                          unfinished text as its source; Qt's layout-direction
                                          entry reads RTL (Arabic) or LTR
  translations.py unfinished DIR          lists the texts still to translate (always exit 0)
"""
import collections
import pathlib
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

# Catalogue name (the program's language key) -> the language Qt Linguist records in it.
LOCALES = {
    'Zh_SM': 'zh_CN', 'Zh_TR': 'zh_TW', 'English': 'en_US', 'Japanese': 'ja_JP', 'Korean': 'ko_KR',
    'Russian': 'ru_RU', 'Arabic': 'ar', 'Spanish': 'es_ES', 'Portugal': 'pt_PT', 'German': 'de_DE',
    'Italian': 'it_IT', 'Polish': 'pl_PL', 'French': 'fr_FR', 'Ukrainian': 'uk_UA', 'Czech': 'cs_CZ',
}
RIGHT_TO_LEFT = {'Arabic'}
LAYOUT_CONTEXT, LAYOUT_SOURCE = 'QGuiApplication', 'QT_LAYOUT_DIRECTION'
# Qt substitutes %1..%99 (optionally localised, %L1) and %n; the rest must survive as written.
PLACEHOLDER = re.compile(r'%L?\d{1,2}|%n|\n|<[^<>]+>|&\w+;')


def catalogues(folder):
    files = sorted(pathlib.Path(folder).glob('*.ts'))
    if not files:
        sys.exit(f'no catalogue in {folder}')
    return files


def messages(path):
    """(context, message element) for every message of the catalogue."""
    root = ET.parse(path).getroot()
    for ctx in root.iter('context'):
        name = ctx.findtext('name')
        for msg in ctx.iter('message'):
            yield name, msg


def translation_texts(msg):
    t = msg.find('translation')
    if t is None:
        return []
    forms = t.findall('numerusform')
    return [f.text or '' for f in forms] if forms else [t.text or '']


def check_complete(folder, lrelease):
    bad = 0
    for ts in catalogues(folder):
        states = collections.Counter()
        for _, msg in messages(ts):
            t = msg.find('translation')
            states[t.get('type', 'finished') if t is not None else 'missing'] += 1
        for state in ('unfinished', 'obsolete', 'vanished', 'missing'):
            if states[state]:
                print(f'{ts.name}: {states[state]} {state} entries')
                bad += 1
        with tempfile.TemporaryDirectory() as tmp:
            out = subprocess.run([lrelease, str(ts), '-qm', f'{tmp}/{ts.stem}.qm'],
                                 capture_output=True, text=True)
        report = out.stdout + out.stderr
        generated = re.search(r'Generated (\d+) translation\(s\) \((\d+) finished and (\d+) unfinished\)',
                              report)
        ignored = re.search(r'Ignored (\d+) untranslated', report)
        if out.returncode != 0 or not generated:
            print(f'{ts.name}: lrelease failed:\n{report}')
            bad += 1
        elif int(generated.group(3)) or (ignored and int(ignored.group(1))):
            print(f'{ts.name}: lrelease: {report.strip()}')
            bad += 1
    print('catalogues complete' if not bad else f'{bad} problems')
    return 1 if bad else 0


def check_placeholders(folder):
    bad = 0
    for ts in catalogues(folder):
        for context, msg in messages(ts):
            source = msg.findtext('source') or ''
            want = sorted(PLACEHOLDER.findall(source))
            for text in translation_texts(msg):
                if not text:
                    continue
                got = sorted(PLACEHOLDER.findall(text))
                if got != want:
                    print(f'{ts.name}: {context}: {source!r} -> {text!r}: has {got}, needs {want}')
                    bad += 1
    print('placeholders kept' if not bad else f'{bad} translations lose or add placeholders')
    return 1 if bad else 0


def fill_fixed(folder):
    for ts in catalogues(folder):
        tree = ET.parse(ts)
        changed = 0
        if ts.stem not in LOCALES:
            sys.exit(f'{ts.name}: no language known for this catalogue')
        for attribute, value in (('language', LOCALES[ts.stem]), ('sourcelanguage', 'en_US')):
            if tree.getroot().get(attribute) != value:
                tree.getroot().set(attribute, value)
                changed += 1
        for ctx in tree.getroot().iter('context'):
            name = ctx.findtext('name')
            for msg in ctx.iter('message'):
                t = msg.find('translation')
                if t is None or t.get('type') != 'unfinished':
                    continue
                source = msg.findtext('source') or ''
                if (name, source) == (LAYOUT_CONTEXT, LAYOUT_SOURCE):
                    t.text = 'RTL' if ts.stem in RIGHT_TO_LEFT else 'LTR'
                elif ts.stem == 'English':
                    t.text = source
                else:
                    continue
                del t.attrib['type']
                changed += 1
        if changed:
            tree.write(ts, encoding='utf-8', xml_declaration=True)
            print(f'{ts.name}: {changed} entries and attributes set')
    return 0


def list_unfinished(folder):
    for ts in catalogues(folder):
        left = [(c, m.findtext('source')) for c, m in messages(ts)
                if m.find('translation') is not None and m.find('translation').get('type') == 'unfinished']
        if left:
            print(f'{ts.name}: {len(left)} to translate')
            for context, source in left:
                print(f'    {context}: {source!r}')
    return 0


def main(argv):
    if len(argv) >= 3 and argv[1] == 'complete':
        return check_complete(argv[2], argv[3] if len(argv) > 3 else 'lrelease')
    commands = {'placeholders': check_placeholders, 'fill-fixed': fill_fixed, 'unfinished': list_unfinished}
    if len(argv) == 3 and argv[1] in commands:
        return commands[argv[1]](argv[2])
    sys.exit(__doc__)


if __name__ == '__main__':
    sys.exit(main(sys.argv))
