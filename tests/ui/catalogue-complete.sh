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

marks = lambda text: sorted(re.findall(r"%\d|%[sd]", text))
faults = []
for context in ET.parse(sys.argv[1]).getroot().iter("context"):
    for message in context.iter("message"):
        source, node = message.findtext("source") or "", message.find("translation")
        text, kind = (node.text or "", node.get("type", "")) if node is not None else ("", "missing")
        # The row letters are ten, split by spaces.
        if (kind or not text.strip() or text == source or marks(text) != marks(source)
                or (source == "А Б В Г Д Е Ж З И К" and len(text.split(" ")) != 10)):
            faults.append("%s: %r is %r %s" % (context.findtext("name"), source, text, kind))
print("\n".join(sys.argv[1].rsplit("/", 1)[-1] + ": " + fault for fault in faults))
sys.exit(1 if faults else 0)
PY
done
exit $status
