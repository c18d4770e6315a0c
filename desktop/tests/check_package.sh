#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks its contents and
# control fields: check_package.sh CPACK_CONFIG OUTPUT_DIR
# Exits 77 (skipped) where the Debian tools are missing.
set -uo pipefail
config=$1 out=$2
# shellcheck source=expected_files.sh
source "$(dirname "${BASH_SOURCE[0]}")/expected_files.sh"
for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "$tool not installed: package not checked"; exit 77; }
done
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$out"
cpack --config "$config" -G DEB -B "$out" >"$out.log" 2>&1 || { cat "$out.log"; echo "FAIL: cpack"; exit 1; }
debs=("$out"/lunaplan_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    ls "$out"
    echo "FAIL: no single lunaplan_*.deb"
    exit 1
fi
deb=${debs[0]}
echo "package: $deb"

# Contents: the installed files under /usr, owned by root, nothing else.
listing=$(dpkg-deb -c "$deb")
echo "$listing"
files=$(echo "$listing" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | LC_ALL=C sort)
if [ "$files" != "$(lunaplan_expected_files)" ]; then
    fail "package files differ from the installed ones (< expected, > packaged):"
    diff <(lunaplan_expected_files) <(echo "$files") | grep '^[<>]'
fi
echo "$listing" | awk '{print $2}' | grep -qv '^root/root$' && fail "files not owned by root/root"
echo "$listing" | grep -q '^-rwxr-xr-x .* \./usr/bin/lunaplan$' || fail "usr/bin/lunaplan is not mode 755"

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
dpkg-deb -I "$deb"
[ "$(field Package)" = lunaplan ] || fail "Package is '$(field Package)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = education ] || fail "Section is '$(field Section)'"
[[ "$(field Version)" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "Version is '$(field Version)'"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer is '$(field Maintainer)'"
[ -n "$(field Description)" ] || fail "no Description"

# Depends: the Qt libraries found by dpkg-shlibdeps and what Qt loads at run
# time; no compiler, build system, headers or icon renderer.
depends=$(field Depends)
names=$(echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/[ (].*//' | LC_ALL=C sort -u)
for need in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins \
            qt6-translations-l10n fonts-ipafont-mincho fonts-ipafont-gothic; do
    echo "$names" | grep -qx -- "$need" || fail "Depends lacks $need: $depends"
done
build_tools=$(echo "$names" | grep -E -- '-dev$|^(cmake|ninja-build|g\+\+.*|gcc.*|clang.*|librsvg2-bin|qt6-base-dev-tools|libbenchmark.*)$')
[ -z "$build_tools" ] || fail "Depends names build tools: $build_tools"

# No maintainer scripts: the icon, menu and type caches are refreshed by the
# file triggers of hicolor-icon-theme, desktop-file-utils and shared-mime-info.
control=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||' | grep -v '^$' | LC_ALL=C sort | tr '\n' ' ')
[ "$control" = "control md5sums " ] || fail "control archive holds: $control"

[ "$failures" -eq 0 ] || exit 1
echo "package checked"
