# Installs the Debian packages that are missing: as root directly, otherwise
# through sudo; says what to install when neither is possible.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
            sudo=(sudo)
        elif command -v sudo >/dev/null 2>&1 && [ -t 0 ]; then
            sudo=(sudo)
        else
            echo "Lunaplan needs these Debian packages: ${missing[*]}" >&2
            echo "Install them as root (apt-get install ${missing[*]}) or run this command with sudo rights." >&2
            return 1
        fi
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    if ! "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"; then
        "${sudo[@]}" apt-get update
        "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
    fi
}

# Packages to build Lunaplan and run its tests. Desktop integration: the icon
# renderer, the validators of the desktop entry and metainfo, the type database
# and GIO to check the file type, dpkg-shlibdeps for the Debian package. The
# report tests read the PDFs they write back with pdfinfo and pdftotext; the
# print-server test runs a private CUPS server (cupsd and its PDF filter).
LUNAPLAN_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev libbenchmark-dev
                         fonts-ipafont-mincho fonts-ipafont-gothic qt6-translations-l10n
                         librsvg2-bin desktop-file-utils appstream shared-mime-info libglib2.0-bin
                         dpkg-dev poppler-utils cups)

# The formatter the sources are checked with (scripts/check-format); one
# version, as another may format the same code differently.
LUNAPLAN_FORMAT_PACKAGES=(clang-format-14)
