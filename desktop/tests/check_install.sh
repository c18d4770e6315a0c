#!/usr/bin/env bash
# Checks an installed prefix: every file in its freedesktop.org place and
# nothing else, icons at their sizes, the entries naming one another, and the
# class-file type recognised by name and by content.
# check_install.sh PREFIX SAMPLE_FILE
set -uo pipefail
prefix=$1 sample=$2
# shellcheck source=expected_files.sh
source "$(dirname "${BASH_SOURCE[0]}")/expected_files.sh"
id=$lunaplan_id mime=$lunaplan_mime mimeicon=$lunaplan_mime_icon
sizes=("${lunaplan_icon_sizes[@]}")
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
wanted=$(lunaplan_expected_files)
if [ "$actual" != "$wanted" ]; then
    fail "installed files differ from the expected ones (< expected, > installed):"
    diff <(echo "$wanted") <(echo "$actual") | grep '^[<>]'
fi

[ -x "$prefix/bin/lunaplan" ] || fail "bin/lunaplan is not executable"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }
for size in "${sizes[@]}"; do
    for png in "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" \
               "$prefix/share/icons/hicolor/${size}x${size}/mimetypes/$mimeicon.png"; do
        [ -f "$png" ] || continue
        [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || fail "$png is not a PNG"
        got=$(png_size "$png")
        [ "$got" = "${size}x${size}" ] || fail "$png is $got, not ${size}x${size}"
    done
done

# The entries name one another: the desktop entry the binary, icon and type;
# the metainfo the desktop entry and the type; the type file the type.
desktop="$prefix/share/applications/$id.desktop"
key() { grep -m1 "^$1=" "$desktop" | cut -d= -f2-; }
[ "$(key Exec)" = "lunaplan %f" ] || fail "Exec is '$(key Exec)'"
[ "$(key Icon)" = "$id" ] || fail "Icon is '$(key Icon)'"
[ "$(key MimeType)" = "$mime;" ] || fail "MimeType is '$(key MimeType)'"
[ "$(key Name)" = Lunaplan ] || fail "Name is '$(key Name)'"
for k in 'Name\[ja\]' Comment 'Comment\[ja\]'; do
    grep -q "^$k=." "$desktop" || fail "the desktop entry has no $k"
done
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
grep -q "<mediatype>$mime</mediatype>" "$metainfo" || fail "the metainfo does not provide $mime"
grep -q "<mime-type type=\"$mime\">" "$prefix/share/mime/packages/$id.xml" || fail "the type file does not define $mime"

# What a file manager sees: build the type database of the prefix (in a copy), as the
# package's triggers do, and ask GIO about class files by name and by content.
if command -v update-mime-database >/dev/null && command -v gio >/dev/null; then
    files=$(mktemp -d)
    trap 'rm -rf "$files"' EXIT
    mkdir -p "$files/share"
    cp -r "$prefix/share/mime" "$files/share/"
    XDG_DATA_HOME="$files/share" update-mime-database "$files/share/mime" || fail "update-mime-database failed"
    printf 'Soraplan\n 2026\n' >"$files/lf-lines"
    printf 'SoraplanX\r\n 2026\r\n' >"$files/other-magic"
    cp "$sample" "$files/class.vl2"
    cp "$sample" "$files/CLASS.VL2"
    cp "$sample" "$files/renamed.dat"
    cp "$sample" "$files/class-2026"
    while read -r name want; do
        got=$(XDG_DATA_HOME="$files/share" XDG_DATA_DIRS=/usr/share \
              gio info -a standard::content-type "$files/$name" | sed -n 's/.*content-type: //p')
        [ "$got" = "$want" ] || fail "'$name' is seen as '$got', not '$want'"
    done <<LIST
class.vl2 $mime
CLASS.VL2 $mime
renamed.dat $mime
class-2026 $mime
lf-lines $mime
other-magic text/plain
LIST
else
    echo "update-mime-database or gio missing: file type recognition not checked"
fi

[ "$failures" -eq 0 ] || exit 1
echo "installed files in place"
