#!/usr/bin/python3
"""The manual page renders without a warning and lists exactly the options of --help."""
import os
import re
import subprocess
import sys
import unittest

BINARY, PAGE = sys.argv[1:3]


def options(text):
    return sorted(set(re.findall(r"^\s+(--[a-z]+)", text, re.MULTILINE)))


class ManualPageTest(unittest.TestCase):
    def test_it_renders_cleanly_and_its_options_are_those_of_help(self):
        page = subprocess.run(["man", "--warnings", "-l", PAGE], capture_output=True, text=True,
                              env=dict(os.environ, MANWIDTH="80", LC_ALL="C.UTF-8"))
        self.assertEqual(page.stderr, "")
        section = page.stdout.split("\nOPTIONS\n")[1].split("\nKEYBOARD\n")[0]
        usage = subprocess.run([BINARY, "--help"], capture_output=True, text=True, check=True).stdout
        self.assertEqual(options(section), options(usage))
        self.assertEqual(options(usage), ["--help", "--list", "--search", "--show", "--version"])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
