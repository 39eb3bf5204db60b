#!/usr/bin/python3
"""The Debian package as a user gets it: what it holds, lintian, apt's view of
it, and the program and its manual page from the package unpacked into a
scratch root."""
import os
import re
import subprocess
import sys
import tempfile
import unittest

PACKAGE, SOURCE = sys.argv[1:3]
APP_ID = "io.github.zindozindo.zindozindo"
FILES = ["usr/bin/zindozindo", f"usr/share/applications/{APP_ID}.desktop", "usr/share/doc/zindozindo/changelog.gz",
         "usr/share/doc/zindozindo/copyright", f"usr/share/icons/hicolor/scalable/apps/{APP_ID}.svg",
         "usr/share/man/man1/zindozindo.1.gz", f"usr/share/metainfo/{APP_ID}.metainfo.xml",
         "usr/share/zindozindo/autostart/zindozindo.desktop", "usr/libexec/zindozindo/zindozindo"]


def run(*command, **env):
    return subprocess.run(command, capture_output=True, text=True, env=dict(os.environ, **env))


def options(text):
    return sorted(set(re.findall(r"^\s+(--[a-z]+)", text, re.MULTILINE)))


class PackageTest(unittest.TestCase):
    def test_it_holds_the_program_and_its_files_and_installs_cleanly(self):
        listing = run("dpkg-deb", "--contents", PACKAGE).stdout
        self.assertEqual(sorted(re.findall(r" \./(\S*[^/\s])$", listing, re.MULTILINE)), sorted(FILES))
        lintian = run("lintian", "--fail-on", "error,warning", PACKAGE)
        self.assertEqual(lintian.returncode, 0, lintian.stdout)
        self.assertEqual(run("apt-get", "install", "--simulate", os.path.abspath(PACKAGE)).returncode, 0)

    def test_the_unpacked_program_shows_the_one_version_and_its_manual_its_options(self):
        version = run("dpkg-deb", "--field", PACKAGE, "Version").stdout.strip()
        with open(SOURCE + "/data/changelog") as changelog:
            self.assertEqual(re.match(r"zindozindo \(([^)]+)\)", changelog.read())[1], version)
        with tempfile.TemporaryDirectory() as root:
            subprocess.run(["dpkg-deb", "-x", PACKAGE, root], check=True)
            # What a software centre reads, its releases from the changelog: not one note, however small.
            metainfo = f"{root}/usr/share/metainfo/{APP_ID}.metainfo.xml"
            self.assertEqual(run("appstreamcli", "validate", "--pedantic", "--no-net", metainfo).stdout.strip(),
                             "\u2714 Validation was successful.")
            with open(metainfo) as releases:
                self.assertEqual(re.search(r'<release version="([^"]+)"', releases.read())[1], version)
            binary = root + "/usr/bin/zindozindo"
            self.assertEqual(run(binary, "--version").stdout, "zindozindo %s\n" % version)
            self.assertEqual(run(binary, "--search", "zindo").stdout, "\U0001F986\n")
            # The language as the environment gives it: LANGUAGE's list first, past a language without words.
            self.assertIn("\U0001F436", run(binary, "--search", "hund", LANGUAGE="xx:de", LC_ALL="C.UTF-8").stdout)
            self.assertIn("\U0001F436", run(binary, "--search", "hund", LANG="de_AT.UTF-8", LANGUAGE="", LC_ALL="", LC_MESSAGES="").stdout)
            for program in binary, root + "/usr/libexec/zindozindo/zindozindo":
                self.assertRegex(run("file", "-b", program).stdout, "BuildID.*, stripped")
            # The command a shortcut runs loads the C library alone, and so starts in a moment.
            self.assertEqual(re.findall(r"\(NEEDED\).*\[(.+)\]", run("readelf", "-d", binary).stdout), ["libc.so.6"])
            page = run("man", "--warnings", "-l", root + "/usr/share/man/man1/zindozindo.1.gz", MANWIDTH="80",
                       LC_ALL="C.UTF-8")
            self.assertEqual(page.stderr, "")
            usage = run(binary, "--help").stdout
            self.assertEqual(options(page.stdout.split("\nOPTIONS\n")[1].split("\nKEYBOARD\n")[0]), options(usage))
            self.assertEqual(options(usage), ["--background", "--help", "--insert", "--list", "--search", "--show", "--version"])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
