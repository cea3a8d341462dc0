#!/usr/bin/env bash
# Generates the locales the tests format numbers under: German (one-byte
# separators "," and ".") and French (a multi-byte thousands separator).
set -euo pipefail
wanted=(de_DE.UTF-8 fr_FR.UTF-8)
missing=0
for name in "${wanted[@]}"; do
  short=$(echo "$name" | sed 's/UTF-8/utf8/')
  locale -a | grep -qx "$short" || missing=1
  grep -q "^$name UTF-8" /etc/locale.gen || echo "$name UTF-8" >> /etc/locale.gen
done
if [ "$missing" = 1 ]; then locale-gen > /dev/null; fi
