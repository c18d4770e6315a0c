# shellcheck shell=bash disable=SC2034  # the names are read by the scripts that source this
# The files an installation holds, relative to its prefix, one a line, sorted.
# Sourced by the install and package checks.
lunaplan_id=io.github.lunaplan.Lunaplan
lunaplan_mime=application/x-lunaplan-class
lunaplan_mime_icon=application-x-lunaplan-class
lunaplan_icon_sizes=(16 24 32 48 64 128 256)

lunaplan_expected_files() {
    local size
    {
        echo bin/lunaplan
        echo "share/applications/$lunaplan_id.desktop"
        echo "share/metainfo/$lunaplan_id.metainfo.xml"
        echo "share/mime/packages/$lunaplan_id.xml"
        echo "share/icons/hicolor/scalable/apps/$lunaplan_id.svg"
        echo "share/icons/hicolor/scalable/mimetypes/$lunaplan_mime_icon.svg"
        for size in "${lunaplan_icon_sizes[@]}"; do
            echo "share/icons/hicolor/${size}x${size}/apps/$lunaplan_id.png"
            echo "share/icons/hicolor/${size}x${size}/mimetypes/$lunaplan_mime_icon.png"
        done
    } | LC_ALL=C sort
}
