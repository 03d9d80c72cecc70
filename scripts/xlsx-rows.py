#!/usr/bin/env python3
"""Reads an .xlsx file with openpyxl.

usage: xlsx-rows.py FILE.xlsx
    prints every sheet: the sheet name, then each row's texts and its cells' number formats, one row a line
usage: xlsx-rows.py FILE.xlsx EXPECTED.json
    compares every cell with the expected texts (sheets of rows of texts, named Sheet1, Sheet2, ...),
    each cell a text with the format "@", or empty where the text is empty; exits 1 on a difference.
    Texts are compared as Excel reads them: openpyxl leaves the escapes "_xHHHH_" of characters XML
    cannot hold as they are stored, so they are decoded here the way Excel decodes them.
"""
import json
import re
import sys

import openpyxl

ESCAPE = re.compile("_x([0-9A-Fa-f]{4})_")


def as_excel_reads(value):
    if value is None:
        return ""
    return ESCAPE.sub(lambda m: chr(int(m.group(1), 16)), str(value))


def print_rows(book):
    for sheet in book.worksheets:
        print(f"== {sheet.title}")
        for row in sheet.iter_rows():
            formats = {cell.number_format for cell in row}
            print("\t".join(as_excel_reads(cell.value) for cell in row), sorted(formats))
    return 0


def check_rows(book, expected):
    errors = []
    if len(book.worksheets) != len(expected):
        errors.append(f"{len(book.worksheets)} sheets, expected {len(expected)}")
    cells = 0
    for n, (sheet, rows) in enumerate(zip(book.worksheets, expected)):
        got = list(sheet.iter_rows())
        if sheet.title != f"Sheet{n + 1}" or len(got) != len(rows):
            errors.append(f"sheet {n}: {sheet.title!r} with {len(got)} rows, expected {len(rows)}")
            continue
        for r, (row, want_row) in enumerate(zip(got, rows)):
            if len(row) < len(want_row):
                errors.append(f"sheet {n} row {r}: {len(row)} cells, expected {len(want_row)}")
                continue
            for c, want in enumerate(want_row):
                cell = row[c]
                text = as_excel_reads(cell.value)
                kind_ok = cell.data_type == "s" if want else cell.value is None
                if not kind_ok or text != want or cell.number_format != "@":
                    errors.append(f"sheet {n} row {r} col {c}: {cell.data_type} {text[:40]!r} "
                                  f"{cell.number_format!r}, expected {want[:40]!r}")
                cells += 1
    for e in errors[:20]:
        print(e)
    print(f"{cells} cells, {len(errors)} wrong")
    return 1 if errors else 0


def main(path, expected_path=None):
    book = openpyxl.load_workbook(path, read_only=True)
    if expected_path is None:
        return print_rows(book)
    with open(expected_path, encoding="utf-8") as f:
        return check_rows(book, json.load(f))


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
