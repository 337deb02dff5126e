#!/usr/bin/env python3
"""Turns the translations in res/lang/*.po into resources: one copy of the menu, the dialogs and
the string table per language, in the resource script the build includes after the English ones.

    make-languages.py OUTPUT.rc           the build's step; fails on a broken translation
    make-languages.py --update-template   writes res/lang/Dusklamp.pot from the English texts

A text a language lacks is its English one, and the build says which. A translation that loses a
%1, a mnemonic or the "..." of its English text, or two items of one menu or dialog that share a
mnemonic, stop the build."""
import os
import pathlib
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.dirname(HERE)
SOURCES = ['menu.rc', 'dialogs.rc', 'strings.rc']
TEMPLATE = os.path.join(HERE, 'Dusklamp.pot')

# Tag (the file's name) and LANGID, as the program's table (app/Languages.cpp) has them.
LANGUAGES = [('cs', 0x0405), ('de', 0x0407), ('es', 0x0C0A), ('fr', 0x040C), ('it', 0x0410), ('nl', 0x0413),
             ('pl', 0x0415), ('pt-BR', 0x0416), ('tr', 0x041F), ('ru', 0x0419), ('uk', 0x0422), ('ko', 0x0412),
             ('ja', 0x0411), ('zh-CN', 0x0804)]

# Texts that are the same in every language: names, the address, and what the program replaces.
KEEP = {'Tray', 'Quillane Dusklamp', 'http://www.quillane.example', 'Version 0.0.0 (Build 0)'}
TEXTS = 'Texts'  # the string table's context: no mnemonics there
NAMES = {'RES_DIALOG_OPTIONS': 'Options dialog', 'RES_DIALOG_ABOUT': 'About dialog', 'RES_MENU_TRAY': 'Tray menu'}

LITERAL = re.compile(r'"((?:[^"]|"")*)"')
PLACEHOLDER = re.compile(r'%[0-9]')


class Failure(Exception):
    pass



def mnemonic(text):
    """The letters the text marks with '&' ('&&' is an ampersand)."""
    return re.findall(r'&([^&])', text.replace('&&', ''))


def scan(name):
    """The file's lines, each with its literal texts as (span, context, text, comment)."""
    lines, comment = [], []
    context, depth = [], 0  # the dialog or the menu, then each submenu as (depth, name)
    for line in pathlib.Path(os.path.join(RES, name)).read_text(encoding='utf-8').splitlines():
        stripped = line.strip()
        entries = []
        head = re.match(r'(\w+)\s+(DIALOGEX|MENU)\b', stripped)
        if head or stripped.startswith('STRINGTABLE'):
            context, depth = [(0, NAMES.get(head.group(1), head.group(1)) if head else TEXTS)], 0
        if stripped.startswith('//'):
            comment.append(stripped[2:].strip())
        elif not stripped.startswith('#') and context:
            # A line's first literal is its text; a control's second is its class, FONT's a face.
            for match in list(LITERAL.finditer(line))[:0 if stripped.startswith('FONT') else 1]:
                text = match.group(1).replace('""', '"')
                if text and text not in KEEP:
                    entries.append((match.span(), ' > '.join(n for _, n in context), text, ' '.join(comment)))
            popup = re.match(r'POPUP\s+"((?:[^"]|"")*)"', stripped)
            if popup and depth >= 2:  # the menu's one top popup is the menu itself
                context.append((depth, popup.group(1).replace('&', '')))
            elif stripped == 'BEGIN':
                depth += 1
            elif stripped == 'END':
                depth -= 1
                if context[-1][0] == depth and len(context) > 1:
                    context.pop()
            comment = []
        lines.append((line, entries))
    return lines


def quote(text):
    return '"' + text.replace('\\', '\\\\').replace('"', '\\"').replace('\n', '\\n') + '"'


def template(sources):
    out = ['# The texts of Dusklamp, to translate. Made by res/lang/make-languages.py; do not edit.',
           'msgid ""', 'msgstr ""', '"Project-Id-Version: Dusklamp\\n"', '"MIME-Version: 1.0\\n"',
           '"Content-Type: text/plain; charset=UTF-8\\n"', '"Content-Transfer-Encoding: 8bit\\n"', '']
    seen = set()
    for _, lines in sources:
        for _, entries in lines:
            for _, context, text, comment in entries:
                if (context, text) in seen:
                    continue
                seen.add((context, text))
                if comment:
                    out.append('#. ' + comment)
                out += ['msgctxt ' + quote(context), 'msgid ' + quote(text), 'msgstr ""', '']
    return '\n'.join(out)


def unquote(text):
    body = text.strip()[1:-1]
    return re.sub(r'\\(.)', lambda m: {'n': '\n', 't': '\t'}.get(m.group(1), m.group(1)), body)


def read_po(path):
    """{(context, English): translation} of the entries that are translated and not fuzzy."""
    entries = {}
    for number, block in enumerate(pathlib.Path(path).read_text(encoding='utf-8').split('\n\n')):
        entry, field, fuzzy = {}, None, False
        for line in block.splitlines():
            stripped = line.strip()
            if stripped.startswith('#'):
                fuzzy = fuzzy or (stripped.startswith('#,') and 'fuzzy' in stripped)
            elif stripped.startswith('"') and field:
                entry[field] += unquote(stripped)
            elif stripped.split(' ')[0] in ('msgctxt', 'msgid', 'msgstr'):
                field, _, rest = stripped.partition(' ')
                entry[field] = unquote(rest)
            elif stripped:
                raise Failure('%s: entry %d: cannot read "%s"' % (os.path.basename(path), number + 1, stripped))
        if entry.get('msgid') and entry.get('msgstr') and not fuzzy:
            entries[(entry.get('msgctxt', ''), entry['msgid'])] = entry['msgstr']
    return entries


def check(tag, context, english, text):
    problems = []
    if sorted(PLACEHOLDER.findall(english)) != sorted(PLACEHOLDER.findall(text)):
        problems.append('its %1, %2... differ from the English')
    if len(mnemonic(english)) != len(mnemonic(text)):
        problems.append('it has %d mnemonics where the English has %d' % (len(mnemonic(text)), len(mnemonic(english))))
    if english.endswith('...') and not text.endswith('...'):
        problems.append('it lost the "..." at the end')
    return ['%s.po: "%s" (%s): %s' % (tag, text, context, p) for p in problems]


def translate(tag, sources, translations, notes):
    out, problems, missing, letters = [], [], [], {}
    for _, lines in sources:
        for line, entries in lines:
            if line.lstrip().startswith('#'):
                continue
            for span, context, english, _ in reversed(entries):
                text = translations.get((context, english))
                if text is None:
                    missing.append('"%s" (%s)' % (english, context))
                    text = english
                else:
                    problems += check(tag, context, english, text)
                if context != TEXTS:
                    for letter in mnemonic(text):
                        letters.setdefault((context, letter.lower()), []).append(text)
                line = line[:span[0]] + '"' + text.replace('"', '""') + '"' + line[span[1]:]
            out.append(line)
    for (context, letter), texts in sorted(letters.items()):
        if len(texts) > 1:
            problems.append('%s.po: %s share the mnemonic "%s" in the %s' % (tag, ', '.join(texts), letter, context))
    if missing:
        notes.append('%s: %d texts not translated, English used: %s' % (tag, len(missing), '; '.join(missing)))
    return out, problems


def main(arguments):
    sources = [(name, scan(name)) for name in SOURCES]
    made = template(sources)
    if arguments == ['--update-template']:
        pathlib.Path(TEMPLATE).write_text(made + '\n', encoding='utf-8')
        return 0
    if len(arguments) != 1:
        print(__doc__, file=sys.stderr)
        return 2
    if pathlib.Path(TEMPLATE).read_text(encoding='utf-8') != made + '\n':
        raise Failure('res/lang/Dusklamp.pot is not the English texts any more: '
                      'run res/lang/make-languages.py --update-template')
    english = translate('en', sources, {}, [])[1]
    out = ['// Made by res/lang/make-languages.py from res/lang/*.po; do not edit.', '#pragma code_page(65001)']
    problems, notes = list(english), []
    for tag, language in LANGUAGES:  # the primary language, then the sublanguage
        lines, found = translate(tag, sources, read_po(os.path.join(HERE, tag + '.po')), notes)
        problems += found
        out += ['', 'LANGUAGE 0x%02X, 0x%02X' % (language & 0x3FF, language >> 10)] + lines
    for note in notes:
        print('make-languages: ' + note)
    if problems:
        raise Failure('\n'.join(problems))
    text = '\n'.join(out) + '\n'
    if not os.path.exists(arguments[0]) or pathlib.Path(arguments[0]).read_text(encoding='utf-8') != text:
        pathlib.Path(arguments[0]).write_text(text, encoding='utf-8')
    return 0


if __name__ == '__main__':
    try:
        sys.exit(main(sys.argv[1:]))
    except Failure as failure:
        print('make-languages: ' + str(failure), file=sys.stderr)
        sys.exit(1)
