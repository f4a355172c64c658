#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# Every text of the game has its translation in every catalogue of i18n/: lupdate, run over the
# sources into a copy of each, finds nothing new, gone, unfinished or empty there, and every
# translation keeps its source's placeholders and differs from the Russian.
# Usage: catalogue-complete.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$source_dir"/i18n/*.ts; do
  copy=$work/$(basename "$ts")
  cp "$ts" "$copy"
  "$lupdate" -silent -locations none -source-language ru_RU "$source_dir"/src/*/*.cpp \
    "$source_dir"/src/*/*.h -ts "$copy"
  python3 - "$copy" <<'PY' || status=1
import re, sys
import xml.etree.ElementTree as ET

faults = []
for context in ET.parse(sys.argv[1]).getroot().iter("context"):
    for message in context.iter("message"):
        source = message.findtext("source") or ""
        node = message.find("translation")
        text = node.text or "" if node is not None else ""
        kind = node.get("type", "") if node is not None else "missing"
        where = "%s: %r" % (context.findtext("name"), source)
        if kind or not text.strip():
            faults.append("%s is %s" % (where, kind or "empty"))
        elif text == source:
            faults.append("%s is not translated" % where)
        elif sorted(re.findall(r"%\d|%[sd]", text)) != sorted(re.findall(r"%\d|%[sd]", source)):
            faults.append("%s: %r loses or adds a placeholder" % (where, text))
        elif source == "А Б В Г Д Е Ж З И К" and len(text.split(" ")) != 10:
            faults.append("%s: %r is not ten row letters" % (where, text))
for fault in faults:
    print(sys.argv[1].rsplit("/", 1)[-1] + ": " + fault)
sys.exit(1 if faults else 0)
PY
done
exit $status
