#!/usr/bin/env python3
"""The generator's rules, on small catalogues written here: a language row
whose catalogue lacks a text, or holds an empty, fuzzy, obsolete or foreign
one, or one whose placeholders differ, fails the build with the file and the
text named; a complete one builds; an unfinished one only warns.

  po_to_cpp_test.py path/to/po_to_cpp.py
"""

import os
import subprocess
import sys
import tempfile

TEMPLATE = '''msgid ""
msgstr ""
"Content-Type: text/plain; charset=UTF-8\\n"

#. A button.
msgid "Save"
msgstr ""

#. A list entry.
msgctxt "switch"
msgid "Off"
msgstr ""

#. A message.
msgid "{path} was not saved."
msgstr ""
'''

HEADER = 'msgid ""\nmsgstr ""\n"Content-Type: text/plain; charset=UTF-8\\n"\n\n'
SAVE = 'msgid "Save"\nmsgstr "Speichern"\n\n'
OFF = 'msgctxt "switch"\nmsgid "Off"\nmsgstr "Aus"\n\n'
PATH = 'msgid "{path} was not saved."\nmsgstr "{path} wurde nicht gespeichert."\n'
COMPLETE = HEADER + SAVE + OFF + PATH

ROWS = "# code camera catalogue locale name\n1 2 - en English\n3 3 de de Deutsch\n"

# (what, languages, catalogue de.po or None, extra arguments, expect success,
#  words the output must hold)
CASES = [
    ("a complete catalogue builds", ROWS, COMPLETE, [], True, []),
    ("a missing text fails", ROWS, HEADER + SAVE + PATH, [], False,
     ["de.po", 'no entry for msgid "Off"', 'msgctxt "switch"']),
    ("an empty text fails", ROWS, HEADER + 'msgid "Save"\nmsgstr ""\n\n' + OFF + PATH, [], False,
     ["de.po", 'msgid "Save" has no translation']),
    ("a fuzzy text fails", ROWS, HEADER + "#, fuzzy\n" + SAVE + OFF + PATH, [], False,
     ['msgid "Save" is fuzzy']),
    ("an obsolete text fails", ROWS, COMPLETE + '\n#~ msgid "Exit"\n#~ msgstr "Beenden"\n', [],
     False, ["obsolete entry"]),
    ("a text the template lacks fails", ROWS,
     COMPLETE + '\nmsgid "Exit"\nmsgstr "Beenden"\n', [], False,
     ['msgid "Exit" is not in the template']),
    ("a changed placeholder fails", ROWS,
     HEADER + SAVE + OFF + 'msgid "{path} was not saved."\nmsgstr "{pfad} nicht gespeichert."\n',
     [], False, ["placeholders"]),
    ("a row without its catalogue fails", ROWS, None, [], False,
     ["Deutsch", "de.po", "does not exist"]),
    ("an unfinished catalogue only warns", ROWS, HEADER + SAVE, ["--unfinished", "de"], True,
     ["warning", "unfinished"]),
    ("two rows of one code fail", ROWS + "3 3 de de Deutsch\n", COMPLETE, [], False,
     ["two rows"]),
    ("a broken string fails", ROWS, HEADER + 'msgid "Save\nmsgstr "x"\n', [], False,
     ["de.po:5"]),
]


def main():
    generator = sys.argv[1]
    failures = 0
    for what, rows, catalogue, extra, succeeds, words in CASES:
        with tempfile.TemporaryDirectory() as folder:
            with open(os.path.join(folder, "languages.txt"), "w", encoding="utf-8") as f:
                f.write(rows)
            with open(os.path.join(folder, "quelmo.pot"), "w", encoding="utf-8") as f:
                f.write(TEMPLATE)
            if catalogue is not None:
                with open(os.path.join(folder, "de.po"), "w", encoding="utf-8") as f:
                    f.write(catalogue)
            output = os.path.join(folder, "catalogues.cpp")
            run = subprocess.run(
                [sys.executable, generator, "--languages", os.path.join(folder, "languages.txt"),
                 "--template", os.path.join(folder, "quelmo.pot"), "--output", output] + extra,
                capture_output=True, text=True)
            said = run.stdout + run.stderr
            problems = []
            if (run.returncode == 0) != succeeds:
                problems.append(f"exit code {run.returncode}")
            if not succeeds and os.path.exists(output):
                problems.append("wrote an output all the same")
            if succeeds:
                text = open(output, encoding="utf-8").read()
                if '{"", "Save", "Speichern"}' not in text:
                    problems.append("the translation is not in the output")
                if "--unfinished" in extra and '{"switch", "Off", "Off"}' not in text:
                    problems.append("an unfinished gap does not show English")
            problems += [f"does not say {w!r}" for w in words if w not in said]
            if problems:
                failures += 1
                print(f"FAIL {what}: {'; '.join(problems)}\n{said}")
            else:
                print(f"ok   {what}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
