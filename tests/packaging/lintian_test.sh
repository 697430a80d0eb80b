#!/usr/bin/env bash
# Debian's package checker on the package tools/package.sh made: no error and no warning.
# Informational tags are shown but pass.
# Usage: lintian_test.sh <folder tools/package.sh built in> <version>
set -euo pipefail
debs=("$1/velmora_$2_"*.deb)
deb=${debs[0]}
[ -f "$deb" ] || { echo "FAIL: no package velmora_$2_*.deb in $1" >&2; exit 1; }
status=0
report=$(lintian --display-info --fail-on error,warning "$deb" 2>&1) || status=$?
grep -v 'running with root privileges' <<<"$report" || true
[ "$status" -eq 0 ] || { echo "FAIL: lintian reports errors or warnings" >&2; exit 1; }
echo "lintian: no errors and no warnings on $(basename "$deb")"
