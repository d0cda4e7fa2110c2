#!/usr/bin/env python3
"""Reads every document the tests kept (tests/kept_documents.h) with real readers.

HTML: HTML Tidy must report no errors (warnings are allowed), and Python's HTML parser must
find every table a whole grid: cells only inside rows, rows only inside tables, every
element closed, and every row of a table as wide as the others once column and row spans
are counted. RTF: the groups must balance, every row must hold a cell for each of its
\\cellx boundaries, the rows of a table must end at one right edge (a spanning cell is one
wider cell), and unrtf's reading must find as many rows and cells.

Usage: real_readers.py FOLDER
"""
import html.parser
import os
import re
import subprocess
import sys


class TableGrid(html.parser.HTMLParser):
    """The tables of a document as rows of (colspan, rowspan) cells, with what is wrong."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.tables = []  # finished tables: lists of rows
        self.open = []  # tables being read: {"rows": [...], "row": None | [...], "cell": bool}
        self.faults = []

    def fault(self, text):
        line, column = self.getpos()
        self.faults.append(f"line {line} column {column + 1}: {text}")

    def span(self, attrs, name):
        for key, value in attrs:
            if key == name:
                if value is None or not value.strip().isdigit() or int(value) < 1:
                    self.fault(f"{name.upper()}={value!r} is no count of cells")
                    return 1
                return int(value)
        return 1

    def end_row(self, table):
        table["cell"] = False
        if table["row"] is not None:
            if not table["row"]:
                self.fault("a row without cells")
            table["rows"].append(table["row"])
            table["row"] = None

    def handle_starttag(self, tag, attrs):
        table = self.open[-1] if self.open else None
        if tag == "table":
            if table is not None and not table["cell"]:
                self.fault("a table inside a table but outside its cells")
            self.open.append({"rows": [], "row": None, "cell": False})
        elif tag == "tr":
            if table is None:
                self.fault("a row outside any table")
                return
            self.end_row(table)
            table["row"] = []
        elif tag in ("td", "th"):
            if table is None or table["row"] is None:
                self.fault(f"a <{tag.upper()}> cell outside any row")
                return
            table["row"].append((self.span(attrs, "colspan"), self.span(attrs, "rowspan")))
            table["cell"] = True
        elif tag == "caption" and table is not None and (table["rows"] or table["row"] is not None):
            self.fault("a caption after the first row")

    def handle_endtag(self, tag):
        table = self.open[-1] if self.open else None
        if tag == "table":
            if table is None:
                self.fault("</TABLE> without a table")
                return
            self.end_row(table)
            self.tables.append(table["rows"])
            self.open.pop()
        elif tag == "tr":
            if table is None or table["row"] is None:
                self.fault("</TR> without a row")
                return
            self.end_row(table)
        elif tag in ("td", "th"):
            if table is None or not table["cell"]:
                self.fault(f"</{tag.upper()}> without a cell")
                return
            table["cell"] = False

    def close(self):
        super().close()
        if self.open:
            self.fault(f"{len(self.open)} table(s) never closed")


def grid_faults(rows):
    """Rows whose width, spans counted, differs from the first row's."""
    faults, below, widths = [], [], []  # below[c]: rows still covered in column c
    for number, row in enumerate(rows, 1):
        column, width = 0, 0
        for colspan, rowspan in row:
            while column < len(below) and below[column] > 0:
                column += 1
            for c in range(column, column + colspan):
                while len(below) <= c:
                    below.append(0)
                if below[c] > 0:
                    faults.append(f"row {number}: a cell overlaps a cell of a row above")
                below[c] = max(below[c], rowspan)
            column += colspan
        width = sum(1 for c in below if c > 0)
        widths.append(width)
        below = [max(c - 1, 0) for c in below]
    for number, width in enumerate(widths, 1):
        if width != widths[0]:
            faults.append(f"row {number} is {width} cells wide, row 1 is {widths[0]}")
            break
    if any(below):
        faults.append("a row span reaches past the last row")
    return faults


def read_text(path):
    with open(path, "rb") as f:
        return f.read().decode("utf-8", errors="replace")


def html_faults(path):
    faults = []
    tidy = subprocess.run(["tidy", "-errors", "-quiet", path], capture_output=True, text=True,
                          errors="replace")
    if tidy.returncode >= 2:
        faults += ["tidy: " + line for line in tidy.stderr.splitlines() if "Error:" in line]
        if not faults:
            faults.append(f"tidy failed with status {tidy.returncode}: {tidy.stderr.strip()}")
    grid = TableGrid()
    grid.feed(read_text(path))
    grid.close()
    faults += grid.faults
    for number, rows in enumerate(grid.tables, 1):
        faults += [f"table {number}, {fault}" for fault in grid_faults(rows)]
    return faults


def has_several_tables(plain):
    """True when a paragraph outside the table parts the rows into more than one table."""
    between = re.findall(r"\\row(?![a-z])(.*?)\\trowd(?![a-z])", plain, re.S)
    return any(re.search(r"\\par(?![a-z])", text) for text in between)


def rtf_faults(path):
    text = read_text(path)
    faults, level = [], 0
    plain = re.sub(r"\\[\\{}]", "", text)  # escaped braces and backslashes are text
    for c in plain:
        level += {"{": 1, "}": -1}.get(c, 0)
        if level < 0:
            return ["a group is closed that was never opened"]
    if level:
        faults.append(f"{level} group(s) never closed")
    # Each row as written: its \cellx boundaries and its \cell ends.
    rows = []
    for segment in re.findall(r"\\trowd(?![a-z])(.*?)\\row(?![a-z])", plain, re.S):
        edges = [int(x) for x in re.findall(r"\\cellx(-?\d+)", segment)]
        cells = len(re.findall(r"\\cell(?![a-z])", segment))
        if cells != len(edges):
            faults.append(f"row {len(rows) + 1} has {cells} cells and {len(edges)} boundaries")
        rows.append((cells, edges[-1] if edges else None))
    unrtf = subprocess.run(["unrtf", "--html", path], capture_output=True, text=True,
                           errors="replace")
    if unrtf.returncode != 0:
        return faults + [f"unrtf failed with status {unrtf.returncode}: {unrtf.stderr.strip()}"]
    # unrtf opens a row late when its first cell starts with an escaped character, so
    # its rows and cells are counted, not matched one by one.
    rows_read = len(re.findall(r"<tr\b", unrtf.stdout))
    cells_read = len(re.findall(r"<td\b", unrtf.stdout))
    cells_written = sum(cells for cells, _ in rows)
    if (rows_read, cells_read) != (len(rows), cells_written):
        faults.append(f"unrtf reads {rows_read} rows and {cells_read} cells, the document "
                      f"has {len(rows)} and {cells_written}")
    # A table's rows follow one another; a spanning cell is one wider cell, so each row
    # ends at the table's right edge.
    edges = {edge for _, edge in rows}
    if len(edges) > 1 and not has_several_tables(plain):
        faults.append(f"the rows end at different right edges: {sorted(edges)}")
    return faults


def main():
    folder = sys.argv[1]
    names = sorted(os.listdir(folder)) if os.path.isdir(folder) else []
    counts = {".html": 0, ".rtf": 0}
    failed = 0
    for name in names:
        extension = os.path.splitext(name)[1]
        if extension not in counts:
            continue
        counts[extension] += 1
        path = os.path.join(folder, name)
        faults = html_faults(path) if extension == ".html" else rtf_faults(path)
        if faults:
            failed += 1
            print(f"{path}:")
            for fault in faults[:10]:
                print(f"  {fault}")
    print(f"{counts['.html']} HTML and {counts['.rtf']} RTF documents read, {failed} with faults")
    if not counts[".html"] or not counts[".rtf"]:
        print("No HTML or no RTF document was kept: the tests no longer hand them on")
        return 1
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
