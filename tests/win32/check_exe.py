# SPDX-License-Identifier: GPL-3.0-or-later
"""Kalvoran.exe read back: one file, linked without a time stamp, with its version record, the
icon group of one 48 x 48 eight-bit image equal to packaging/kalvoran.ico, and the manifest.
With --installer, the installer: its German version record and the same icon.
Usage: /usr/bin/python3 check_exe.py [--installer] FILE.exe SOURCE_DIR """
import struct
import sys

try:
    import pefile
except ImportError:
    print("FAIL: pefile is missing: install the Debian package python3-pefile (./test.sh installs it)")
    sys.exit(1)

installer = sys.argv[1] == "--installer"
exe, src = sys.argv[1 + installer], sys.argv[2 + installer]
pe = pefile.PE(exe)
failures = []


def expect(what, got, want):
    if got != want:
        failures.append(f"{what}: got {got!r}, want {want!r}")


def report():
    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(failures)} failures")
    sys.exit(1 if failures else 0)


def resource(kind):
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.id == kind:
            lang = entry.directory.entries[0].directory.entries[0]
            return pe.get_data(lang.data.struct.OffsetToData, lang.data.struct.Size), lang.id
    return b"", None


def strings():
    return [(table.LangID.decode(), key.decode(), value.decode())
            for info in pe.FileInfo for entry in info if entry.Key == b"StringFileInfo"
            for table in entry.StringTable for key, value in table.entries.items()]


expect("machine (x86-64)", hex(pe.FILE_HEADER.Machine), hex(pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"]))
group, lang = resource(pefile.RESOURCE_TYPE["RT_GROUP_ICON"])
expect("icon group language", lang, 1033 if installer else 0x0407)
expect("icon group: an icon of one image", group[:6], struct.pack("<HHH", 0, 1, 1))
ico = open(f"{src}/packaging/kalvoran.ico", "rb").read()
expect("icon group entry (48 x 48, 8 bits)", group[6:18], ico[6:18])
image, _ = resource(pefile.RESOURCE_TYPE["RT_ICON"])
offset = struct.unpack_from("<I", ico, 18)[0]
expect("icon image equal to kalvoran.ico", image == ico[offset:], True)
if installer:
    expect("string fields", sorted(strings()), sorted(("040704e4", key, value) for key, value in [
        ("CompanyName", "Kalvoran-Entwickler"),
        ("FileDescription", "Kalvoran 1.1.9 – Installation"),
        ("FileVersion", "1.1.9"),
        ("LegalCopyright", "© Kalvoran-Entwickler"),
        ("OriginalFilename", "Kalvoran-1.1.9-win64-setup.exe"),
        ("ProductName", "Kalvoran"),
        ("ProductVersion", "1.1.9"),
    ]))
    fixed = pe.VS_FIXEDFILEINFO[0]
    expect("fixed part: versions", (fixed.FileVersionMS, fixed.FileVersionLS,
           fixed.ProductVersionMS, fixed.ProductVersionLS), (0x00010001, 9, 0x00010001, 9))
    report()

NOTICE = "© Kalvoran-Entwickler"
expect("string fields, in order", strings(), [("040704B0", key, value) for key, value in [
    ("Comments", "Programm zur Errechnung des el. Widerstands"),
    ("CompanyName", NOTICE),
    ("FileDescription", "Kalvoran"),
    ("LegalCopyright", NOTICE),
    ("LegalTrademarks", NOTICE),
    ("ProductName", "Kalvoran 1.1.9"),
    ("FileVersion", "1.01.0009"),
    ("ProductVersion", "1.01.0009"),
    ("InternalName", "Kalvoran"),
    ("OriginalFilename", "Kalvoran.exe"),
]])
expect("translation", [var.entry for info in pe.FileInfo for entry in info
                       if entry.Key == b"VarFileInfo" for var in entry.Var],
       [{b"Translation": "0x0407 0x04b0"}])
fixed = pe.VS_FIXEDFILEINFO[0]
expect("fixed part: versions, flags, OS, type, date",
       (fixed.FileVersionMS, fixed.FileVersionLS, fixed.ProductVersionMS, fixed.ProductVersionLS,
        fixed.FileFlags, fixed.FileOS, fixed.FileType, fixed.FileDateMS, fixed.FileDateLS),
       (0x00010001, 9, 0x00010001, 9, 0, 4, 1, 0, 0))


manifest, _ = resource(24)
for part in (b"Microsoft.Windows.Common-Controls", b"PerMonitorV2", b'level="asInvoker"',
             b'name="Kalvoran" version="1.1.0.9"',
             b"8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"):
    expect(f"manifest has {part.decode()}", part in manifest, True)

expect("link time stamp", pe.FILE_HEADER.TimeDateStamp, 0)
flags = pe.OPTIONAL_HEADER.DllCharacteristics
expect("ASLR, high-entropy, no-execute", flags & 0x160, 0x160)
system = {"COMCTL32.DLL", "GDI32.DLL", "IMM32.DLL", "KERNEL32.DLL", "MSVCRT.DLL", "USER32.DLL"}
expect("only system DLLs", sorted({i.dll.decode().upper() for i in pe.DIRECTORY_ENTRY_IMPORT} - system), [])

report()
