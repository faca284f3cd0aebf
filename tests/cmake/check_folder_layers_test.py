#!/usr/bin/env python3
"""The folder check on small made-up trees: each way one folder comes to
depend on another, alone and closing a circle."""

import pathlib
import subprocess
import sys
import tempfile
import unittest

CHECK = pathlib.Path(__file__).resolve().parents[2] / 'cmake' / 'check_folder_layers.py'


def run(files):
    with tempfile.TemporaryDirectory() as root:
        src = pathlib.Path(root) / 'src'
        for name, text in files.items():
            path = src / name
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text)
        done = subprocess.run([sys.executable, str(CHECK), str(src)], capture_output=True, text=True)
        return done.returncode, done.stdout


class FolderLayersTest(unittest.TestCase):
    def test_cycles_are_found_however_the_folders_are_tied(self):
        cases = [
            ('two includes', {
                'a/a.h': '#include "b/b.h"\n',
                'b/b.cpp': '#include <vector>\n#include "a/a.h"\n'}, 'a -> b -> a'),
            ('an include one way, a link the other', {
                'a/a.cpp': '#include "b/b.h"\n',
                'a/CMakeLists.txt': 'add_library(qa STATIC a.cpp)\n',
                'b/CMakeLists.txt': 'add_library(qb STATIC b.cpp)\n'
                                    'target_link_libraries(qb PUBLIC\n  qbase PRIVATE qa)\n'},
             'a -> b -> a'),
            ('a link through a gathering library', {
                'CMakeLists.txt': 'add_library(core INTERFACE)\n'
                                  'target_link_libraries(core INTERFACE qa qb)\n',
                'a/CMakeLists.txt': 'add_library(qa STATIC a.cpp)\n',
                'b/CMakeLists.txt': 'add_library(qb STATIC b.cpp)\ntarget_link_libraries(qb core)\n',
                'a/a.cpp': '#  include "b/b.h"\n'}, 'a -> b -> a'),
            ('three folders', {
                'a/a.h': '#include "b/b.h"\n', 'b/b.h': '#include "c/c.h"\n',
                'c/c.h': '#include "a/a.h"\n'}, 'a -> b -> c -> a'),
        ]
        for what, files, cycle in cases:
            with self.subTest(what):
                status, out = run(files)
                self.assertEqual(status, 1, out)
                self.assertIn(cycle, out)

    def test_what_does_not_tie_folders_is_passed(self):
        cases = [
            ('one way only', {'a/a.h': '#include "b/b.h"\n', 'b/b.h': '#include "b/c.h"\n'}),
            ('commented out links and system headers', {
                'a/a.h': '#include "b/b.h"\n',
                'b/b.h': '#include <a/a.h>\n// #include "a/a.h"\n',
                'a/CMakeLists.txt': 'add_library(qa STATIC a.cpp)\n',
                'b/CMakeLists.txt': 'add_library(qb STATIC b.cpp)\n# target_link_libraries(qb qa)\n'}),
            ('a header named like a folder but outside src', {
                'a/a.h': '#include "b/b.h"\n', 'b/b.cpp': '#include "gtest/gtest.h"\n'}),
        ]
        for what, files in cases:
            with self.subTest(what):
                status, out = run(files)
                self.assertEqual(status, 0, out)
                self.assertIn('layers', out)

    def test_each_step_of_the_cycle_names_its_file_and_line(self):
        status, out = run({'a/a.h': '\n\n#include "b/b.h"\n', 'b/b.cpp': '#include "a/a.h"\n'})
        self.assertEqual(status, 1)
        self.assertIn('src/a/a.h:3', out)
        self.assertIn('src/b/b.cpp:1', out)


if __name__ == '__main__':
    unittest.main()
