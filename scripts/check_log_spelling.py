#!/usr/bin/env python3
"""Fails when a log line of the program carries a known misspelling.

Log lines are the texts given to qDebug, qInfo, qWarning, qCritical and their categorised forms,
and the failure texts queued with a report. Texts the user sees (toasts, labels) are not log
lines and are not checked. Usage: check_log_spelling.py <source folder>
"""
import pathlib
import re
import sys

MISSPELLINGS = ["runing", "laster", "seniorkes-", "recieve", "sucess", "succesful", "occured",
                "lenght", "adress", "existance", "seperat", "responce", "retreiv", "paket"]

LOG_CALL = re.compile(r'(?:\bq(?:C)?(?:Debug|Info|Warning|Critical)\s*\([^;]*|\bqueue\s*\([^;]*)', re.S)
STRING = re.compile(r'"((?:[^"\\]|\\.)*)"')

def main(root):
    faults = []
    for path in sorted(pathlib.Path(root).rglob("*.cpp")):
        text = path.read_text(encoding="utf-8", errors="replace")
        for call in LOG_CALL.finditer(text):
            line = text.count("\n", 0, call.start()) + 1
            for literal in STRING.findall(call.group(0)):
                lowered = literal.lower()
                for word in MISSPELLINGS:
                    if word in lowered:
                        faults.append(f"{path}:{line}: \"{word}\" in \"{literal}\"")
    for fault in faults:
        print(fault)
    return 1 if faults else 0

if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "src"))
