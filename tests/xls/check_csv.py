"""Compares the CSV files ssconvert made from an .xls file (PREFIX.0, PREFIX.1, ...) with the expected texts.

usage: /usr/bin/python3 check_csv.py PREFIX EXPECTED.json   (expected: sheets of rows of texts)
"""
import csv
import json
import os
import sys


def main(prefix, expected_path):
    with open(expected_path, encoding="utf-8") as f:
        expected = json.load(f)
    errors = []
    if os.path.exists(f"{prefix}.{len(expected)}"):
        errors.append("more sheets than expected")
    cells = 0
    for n, rows in enumerate(expected):
        try:
            with open(f"{prefix}.{n}", encoding="utf-8", newline="") as f:
                got = list(csv.reader(f))
        except OSError as e:
            errors.append(str(e))
            continue
        if len(got) != len(rows):
            errors.append(f"sheet {n}: {len(got)} rows, expected {len(rows)}")
        for r, (have, want) in enumerate(zip(got, rows)):
            have = have + [""] * (len(want) - len(have))
            if have != want:
                errors.append(f"sheet {n} row {r}: {str(have)[:120]}, expected {str(want)[:120]}")
            cells += len(want)
    for e in errors[:20]:
        print(e)
    print(f"{cells} cells, {len(errors)} wrong")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
