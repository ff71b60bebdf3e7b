#!/usr/bin/env python3
"""Every DXF in the folders named opens without complaint in real CAD readers: ezdxf reads
it and its audit finds no error, and LibreCAD, where it is installed, prints it to PDF
without a display. Prints one line a file; exits 1 on the first file that fails."""

import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

try:
    import ezdxf
except ImportError:
    print("skipped: ezdxf is not installed (Debian package python3-ezdxf)")
    sys.exit(0)

files = sorted(p for folder in sys.argv[1:] for p in pathlib.Path(folder).glob("*.dxf"))
if not files:
    print("no DXF found in", *sys.argv[1:])
    sys.exit(1)
librecad = shutil.which("librecad")
for path in files:
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    if auditor.has_errors:
        print(path.name, "ezdxf audit:", *(e.message for e in auditor.errors))
        sys.exit(1)
    checked = "ezdxf"
    if librecad:
        with tempfile.TemporaryDirectory() as work:
            shutil.copy(path, work)
            env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
            subprocess.run([librecad, "dxf2pdf", "-a", path.name], cwd=work, env=env,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
            pdf = pathlib.Path(work, path.with_suffix(".pdf").name)
            if not pdf.exists() or pdf.stat().st_size == 0:
                print(path.name, "LibreCAD printed no PDF")
                sys.exit(1)
        checked += " and LibreCAD"
    print(path.name, "opens in", checked)
