#!/usr/bin/env bash
# Runs a test program against a private CUPS server: configuration, spool,
# logs and socket in a temporary folder, no network port, one virtual PDF
# printer whose device is a file (PPD: CUPS's own PDF filter, PDF out). The
# server is started first and stopped, and the folder removed, at the end.
# The program finds the server in CUPS_SERVER, the printer's name in
# LUNAPLAN_CUPS_PRINTER and the file it prints to in LUNAPLAN_CUPS_OUTPUT.
# Exits 77 (skipped) when CUPS or poppler's tools are not on this machine.
# privatecups.sh PPD PROGRAM [ARGUMENT...]
set -euo pipefail
ppd=$1
shift

skip() {
    echo "skipped: $*"
    exit 77
}
cupsd=$(PATH=$PATH:/usr/sbin:/sbin command -v cupsd) || skip "cupsd is not installed (Debian package cups)"
lpadmin=$(PATH=$PATH:/usr/sbin:/sbin command -v lpadmin) || skip "lpadmin is not installed (cups-client)"
for tool in lpstat pdfinfo pdftotext; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (cups-client, poppler-utils)"
done
[ -x /usr/lib/cups/filter/pdftopdf ] || skip "CUPS's pdftopdf filter is not installed (cups-filters)"

dir=$(mktemp -d "${TMPDIR:-/tmp}/lunaplan-cups.XXXXXX")
server=
cleanup() {
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf "$dir"
}
trap cleanup EXIT
# A server started as root runs its filters as user lp, who must reach the spool.
chmod 755 "$dir"
mkdir -p "$dir/etc" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/out"

# Anyone who can reach the socket may do anything: only this folder's owner can.
cat >"$dir/etc/cupsd.conf" <<CONF
LogLevel info
Listen $dir/cups.sock
Browsing No
BrowseLocalProtocols none
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
FileDevice Yes
CONF

"$cupsd" -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" &
server=$!
export CUPS_SERVER=$dir/cups.sock
for _ in $(seq 300); do
    lpstat -r 2>/dev/null | grep -q 'scheduler is running' && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
done
if ! lpstat -r 2>/dev/null | grep -q 'scheduler is running'; then
    echo "the private CUPS server did not start:" >&2
    cat "$dir/log/error_log" >&2 2>/dev/null || true
    exit 1
fi

export LUNAPLAN_CUPS_PRINTER=Lunaplan_PDF
export LUNAPLAN_CUPS_OUTPUT=$dir/out/printed.pdf
# PPDs are deprecated in CUPS but still the way to give a queue its filter.
"$lpadmin" -p "$LUNAPLAN_CUPS_PRINTER" -E -v "file://$LUNAPLAN_CUPS_OUTPUT" -P "$ppd" 2>&1 |
    grep -v 'deprecated' || true
lpstat -p "$LUNAPLAN_CUPS_PRINTER" >/dev/null

status=0
"$@" || status=$?
if [ "$status" -ne 0 ]; then
    echo "--- the private CUPS server's log ---"
    tail -n 40 "$dir/log/error_log" || true
fi
exit "$status"
