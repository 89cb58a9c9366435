#!/usr/bin/env python3
"""Checks the catalogs against the sources: lupdate run on copies finds no text left to translate, and
every translation keeps its source's placeholders and accelerator.
   check-translations.py SOURCE_DIR LUPDATE"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%(?:n|[1-9])")
ACCELERATOR = re.compile(r"&(?!&)\w")


def texts(translation):
    forms = translation.findall("numerusform")
    return [form.text or "" for form in forms] if forms else [translation.text or ""]


def main():
    source_dir, lupdate = pathlib.Path(sys.argv[1]), sys.argv[2]
    catalogs = sorted((source_dir / "data" / "translations").glob("clipvane_*.ts"))
    faults = []
    with tempfile.TemporaryDirectory() as scratch:
        copies = [pathlib.Path(shutil.copy(catalog, scratch)) for catalog in catalogs]
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", "-tr-function-alias",
                        "translate+=Tr", str(source_dir / "src"), "-ts", *map(str, copies)], check=True)
        for copy in copies:
            count = 0
            for message in ElementTree.parse(copy).iter("message"):
                count += 1
                source = message.findtext("source") or ""
                translation = message.find("translation")
                where = f"{copy.name}: {source[:60]!r}"
                if translation.get("type") in ("unfinished", "vanished", "obsolete"):
                    faults.append(f"{where}: not translated")
                    continue
                for text in texts(translation):
                    if not text:
                        faults.append(f"{where}: empty translation")
                    elif sorted(set(PLACEHOLDER.findall(text))) != sorted(set(PLACEHOLDER.findall(source))):
                        faults.append(f"{where}: placeholders differ in {text[:60]!r}")
                    elif bool(ACCELERATOR.search(source)) != bool(ACCELERATOR.search(text)):
                        faults.append(f"{where}: accelerator differs in {text[:60]!r}")
            print(f"{copy.name}: {count} texts")
    for fault in faults:
        print(fault)
    return 1 if faults or len(catalogs) != 7 else 0


if __name__ == "__main__":
    sys.exit(main())
