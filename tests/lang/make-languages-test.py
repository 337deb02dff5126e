#!/usr/bin/env python3
"""The build's translation step on copies of the resources: what it accepts, fills in and refuses."""
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))



class MakeLanguages(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp()
        self.fresh()

    def fresh(self):
        shutil.rmtree(self.folder)
        self.res = os.path.join(self.folder, 'res')
        os.makedirs(self.folder)
        shutil.copytree(os.path.join(ROOT, 'res', 'lang'), os.path.join(self.res, 'lang'))
        for name in ('menu.rc', 'dialogs.rc', 'strings.rc'):
            shutil.copy(os.path.join(ROOT, 'res', name), self.res)

    def tearDown(self):
        shutil.rmtree(self.folder)

    def edit(self, name, old, new):
        path = os.path.join(self.res, 'lang', name)
        text = pathlib.Path(path).read_text(encoding='utf-8')
        self.assertIn(old, text)
        pathlib.Path(path).write_text(text.replace(old, new, 1), encoding='utf-8')

    def run_step(self):
        output = os.path.join(self.folder, 'languages.rc')
        done = subprocess.run([sys.executable, os.path.join(self.res, 'lang', 'make-languages.py'), output],
                              capture_output=True, text=True)
        made = pathlib.Path(output).read_text(encoding='utf-8') if os.path.exists(output) else ''
        return done.returncode, done.stdout + done.stderr, made

    def test_every_language_is_made_from_its_file_and_a_missing_text_is_english(self):
        code, said, made = self.run_step()
        self.assertEqual(0, code, said)
        self.assertEqual(14, made.count('\nLANGUAGE '))
        self.assertIn('"Dusklamp - pausiert bis %1"', made)
        self.assertIn('CAPTION "Dusklamp のオプション"', made)
        self.assertNotIn('not translated', said)
        self.edit('de.po', 'msgstr "&Beenden"', 'msgstr ""')
        code, said, made = self.run_step()
        self.assertEqual(0, code, said)
        self.assertIn('de: 1 texts not translated, English used: "E&xit" (Tray menu)', said)
        german = made.split('LANGUAGE 0x07, 0x01')[1].split('LANGUAGE ')[0]
        self.assertIn('"E&xit", CMD_EXIT', german)

    def test_a_lost_blank_mnemonic_or_ellipsis_stops_the_build(self):
        for old, new, problem in [
                ('"Dusklamp - pausiert bis %1"', '"Dusklamp - pausiert"', 'its %1, %2... differ'),
                ('"%1 wird schon', '"%2 wird schon', 'its %1, %2... differ'),
                ('"&Sprache:"', '"Sprache:"', 'it has 0 mnemonics where the English has 1'),
                ('"&Optionen..."', '"&Optionen"', 'lost the "..."')]:
            with self.subTest(problem=problem, new=new):
                self.fresh()
                self.edit('de.po', old, new)
                code, said, _ = self.run_step()
                self.assertEqual(1, code, said)
                self.assertIn(problem, said)

    def test_a_mnemonic_shared_within_one_menu_or_dialog_stops_the_build(self):
        self.edit('fr.po', '"&Quitter"', '"&Masquer et quitter"')  # &Masquer l'horloge has M
        code, said, _ = self.run_step()
        self.assertEqual(1, code, said)
        self.assertIn('share the mnemonic "m" in the Tray menu', said)
        self.fresh()
        self.edit('fr.po', '"Pendant &1 heure"', '"Pendant 1 heure (&m)"')  # not the main menu's
        self.assertEqual(0, self.run_step()[0])

    def test_english_texts_the_template_does_not_carry_stop_the_build(self):
        path = os.path.join(self.res, 'strings.rc')
        with open(path, 'a', encoding='utf-8') as file:
            file.write('STRINGTABLE\nBEGIN\n    99, "New text"\nEND\n')
        code, said, _ = self.run_step()
        self.assertEqual(1, code, said)
        self.assertIn('--update-template', said)


if __name__ == '__main__':
    unittest.main()
