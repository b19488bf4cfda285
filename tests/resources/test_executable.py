#!/usr/bin/env python3
"""Checks the built executable as a file: a 32-bit console program for i386 that imports only
system DLLs and the magnifier, and carries the ring image and a version record but no manifest.
Usage: test_executable.py PATH_TO_EXE"""
import struct
import sys
import unittest

EXE = sys.argv.pop(1) if len(sys.argv) > 1 else "build/colorpicker.exe"
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "gdiplus.dll", "ole32.dll",
               "msvcrt.dll", "magnification.dll"}
RT_VERSION, RT_MANIFEST, RT_RING = 16, 24, 256
LANG_EN_US = 0x409


class PeFile:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        d = self.data
        self.pe = struct.unpack_from("<I", d, 0x3C)[0]
        assert d[self.pe:self.pe + 4] == b"PE\0\0", "no PE signature"
        self.machine, nsections = struct.unpack_from("<HH", d, self.pe + 4)
        opt_size = struct.unpack_from("<H", d, self.pe + 20)[0]
        self.opt = self.pe + 24
        self.magic = struct.unpack_from("<H", d, self.opt)[0]
        self.subsystem = struct.unpack_from("<H", d, self.opt + 68)[0]
        self.dirs = self.opt + 96
        self.sections = []
        for i in range(nsections):
            s = self.opt + opt_size + 40 * i
            vsize, va, rawsize, rawptr = struct.unpack_from("<IIII", d, s + 8)
            self.sections.append((va, max(vsize, rawsize), rawptr))

    def directory(self, index):
        return struct.unpack_from("<II", self.data, self.dirs + 8 * index)

    def offset(self, rva):
        for va, size, raw in self.sections:
            if va <= rva < va + size:
                return rva - va + raw
        raise ValueError("rva %#x outside every section" % rva)

    def cstring(self, rva):
        o = self.offset(rva)
        return self.data[o:self.data.index(b"\0", o)].decode("ascii")

    def imports(self):
        rva, _ = self.directory(1)
        names, o = [], self.offset(rva)
        while True:
            entry = struct.unpack_from("<IIIII", self.data, o)
            if entry == (0, 0, 0, 0, 0):
                return names
            names.append(self.cstring(entry[3]))
            o += 20

    def resources(self):
        """Yields (type, name, language, data) for every resource with numeric ids."""
        base_rva, _ = self.directory(2)
        base = self.offset(base_rva)

        def entries(o):
            named, ids = struct.unpack_from("<HH", self.data, o + 12)
            for i in range(named + ids):
                ident, target = struct.unpack_from("<II", self.data, o + 16 + 8 * i)
                yield ident, target

        for rtype, t in entries(base):
            for name, n in entries(base + (t & 0x7FFFFFFF)):
                for lang, leaf in entries(base + (n & 0x7FFFFFFF)):
                    data_rva, size = struct.unpack_from("<II", self.data, base + leaf)
                    o = self.offset(data_rva)
                    yield rtype, name, lang, self.data[o:o + size]


class ExecutableTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pe = PeFile(EXE)
        cls.res = list(cls.pe.resources())

    def test_is_32_bit_console_program_for_i386(self):
        self.assertEqual(self.pe.machine, 0x14C)
        self.assertEqual(self.pe.magic, 0x10B)
        self.assertEqual(self.pe.subsystem, 3)

    def test_imports_only_system_dlls(self):
        imported = {name.lower() for name in self.pe.imports()}
        self.assertIn("magnification.dll", imported)
        self.assertLessEqual(imported, SYSTEM_DLLS, "needs a DLL the system does not have")

    def test_carries_ring_and_version_but_no_manifest(self):
        types = {r[0] for r in self.res}
        self.assertIn(RT_VERSION, types)
        self.assertIn(RT_RING, types)
        self.assertNotIn(RT_MANIFEST, types)

    def test_ring_is_png_number_1_in_english_us(self):
        rings = [(name, lang, data) for t, name, lang, data in self.res if t == RT_RING]
        self.assertEqual([(name, lang) for name, lang, _ in rings], [(1, LANG_EN_US)])
        data = rings[0][2]
        self.assertEqual(data[:8], b"\x89PNG\r\n\x1a\n")
        self.assertEqual(struct.unpack(">II", data[16:24]), (171, 171))

    def test_version_strings_read_1_1_1(self):
        version = [data for t, _, _, data in self.res if t == RT_VERSION][0]
        for key in ("FileVersion", "ProductVersion"):
            needle = key.encode("utf-16-le") + b"\0\0"
            at = version.index(needle) + len(needle)
            at += (-at) % 4  # values are 32-bit aligned
            value = version[at:version.index(b"\0\0", at) + 1].decode("utf-16-le").rstrip("\0")
            self.assertEqual(value, "1.1.1", key)


if __name__ == "__main__":
    unittest.main(verbosity=2)
