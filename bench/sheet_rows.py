#!/usr/bin/env python3
"""Counts the rows of each worksheet of a SpreadsheetML protocol, streaming, and prints
"<rows>\t<name>" per sheet. Exit code 1 when a sheet holds more than --limit rows."""
import argparse
import sys
import xml.etree.ElementTree as ET

NS = "{urn:schemas-microsoft-com:office:spreadsheet}"

parser = argparse.ArgumentParser()
parser.add_argument("workbook")
parser.add_argument("--limit", type=int, default=1048576)
args = parser.parse_args()

over = False
name, rows = None, 0
for event, element in ET.iterparse(args.workbook, events=("start", "end")):
    if event == "start" and element.tag == NS + "Worksheet":
        name, rows = element.get(NS + "Name"), 0
    elif event == "end" and element.tag == NS + "Row":
        # ss:Index skips ahead; the protocols write none on rows, but count it right anyway.
        index = element.get(NS + "Index")
        rows = int(index) if index else rows + 1
        element.clear()
    elif event == "end" and element.tag == NS + "Worksheet":
        print(f"{rows}\t{name}")
        over = over or rows > args.limit
        element.clear()
sys.exit(1 if over else 0)
