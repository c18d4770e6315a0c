#!/usr/bin/env bash
# Installs the build into an empty prefix, for the checks that look at the
# installed files: install_prefix.sh BUILD_DIR PREFIX
set -euo pipefail
build=$1 prefix=$2
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
