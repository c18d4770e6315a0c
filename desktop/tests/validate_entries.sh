#!/usr/bin/env bash
# Validates the installed desktop entry or metainfo with the freedesktop.org
# tools; exits 77 (skipped) when the tool is not on this machine.
# validate_entries.sh desktop|metainfo PREFIX
set -euo pipefail
what=$1 prefix=$2
id=io.github.lunaplan.Lunaplan
case $what in
desktop)
    command -v desktop-file-validate >/dev/null || { echo "desktop-file-validate not installed"; exit 77; }
    # Hints are advice, not faults: Office and Education are both main
    # categories on purpose, so the program shows under either.
    # It exits non-zero on errors only; a warning fails the check as well.
    out=$(desktop-file-validate --no-hints "$prefix/share/applications/$id.desktop" 2>&1) || { echo "$out"; exit 1; }
    [ -z "$out" ] || { echo "$out"; exit 1; }
    ;;
metainfo)
    command -v appstreamcli >/dev/null || { echo "appstreamcli not installed"; exit 77; }
    # The whole tree: the metainfo and the desktop entry and icons it refers to.
    appstreamcli validate-tree --strict --no-net "$prefix"
    ;;
*)
    echo "unknown check: $what" >&2
    exit 2
    ;;
esac
