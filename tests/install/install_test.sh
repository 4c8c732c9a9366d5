#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and uses it as a user would: the command-line tool
# through a whole pipeline on the sample configuration, the program started to its main window;
# then makes the Debian package and checks what it holds.
# install_test.sh BUILD_FOLDER SOURCE_FOLDER APP_ID
set -euo pipefail
build=$1
source=$2
app_id=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
root="$work/root/usr"
for file in bin/configurator bin/configurator-cli bin/Ethernet_Update \
    share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
    share/icons/hicolor/48x48/apps/$app_id.png share/icons/hicolor/256x256/apps/$app_id.png \
    share/man/man1/configurator.1 share/man/man1/configurator-cli.1 \
    share/bash-completion/completions/configurator-cli \
    share/configurator/LANGUAGE/English.lng share/configurator/LANGUAGE/Italiano.lng \
    share/configurator/LANGUAGE/Deutsch.lng; do
    [ -e "$root/$file" ] || fail "$file is not installed"
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root/share/applications/$app_id.desktop" || fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$root/share/metainfo/$app_id.metainfo.xml" >/dev/null || fail "metainfo"
fi

# The installed command-line tool, through a whole pipeline.
cli="$root/bin/configurator-cli"
home="$work/home"
mkdir -p "$home"
"$cli" --home "$home" new Ship
cp "$source"/examples/Bridge/*.xml "$home/PROJECTS/Ship/"
"$cli" --home "$home" check Ship
"$cli" --home "$home" compile Ship
"$cli" --home "$home" esi Ship "$work/ship-esi.xml"
grep -q '<EtherCATInfo' "$work/ship-esi.xml" || fail "the ESI file"
"$cli" --home "$home" inspect "$home/PROJECTS/Ship/bin/bank3.bin" >/dev/null

# Without --home the installed tool works in the user's data folder: reading creates nothing there,
# "new" makes it; the language files come from the installation.
export XDG_DATA_HOME="$work/xdg"
"$cli" list >/dev/null
[ ! -e "$XDG_DATA_HOME" ] || fail "list created $XDG_DATA_HOME"
grep -q '^STR15 = Neue Konfiguration' <<<"$("$cli" texts --language Deutsch)" || fail "the shipped languages"
"$cli" new Plant
[ -d "$XDG_DATA_HOME/configurator/PROJECTS/Plant/bin" ] || fail "new made no configuration in the data folder"
[ "$("$cli" --version)" = "$(QT_QPA_PLATFORM=offscreen "$root/bin/configurator" --version)" ] ||
    fail "the two programs give different versions"

# The installed program starts to its main window and keeps running until stopped.
status=0
QT_QPA_PLATFORM=offscreen timeout 5 "$root/bin/configurator" --home "$work/gui" || status=$?
[ "$status" -eq 124 ] || fail "the program ended with status $status before it was stopped"
[ -d "$work/gui/PROJECTS" ] || fail "the program made no PROJECTS folder"
QT_QPA_PLATFORM=offscreen "$root/bin/configurator" --version | grep -q '1.000' || fail "--version"

# The Debian package holds the same files.
cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
deb=$(ls "$work"/package/*.deb)
listing=$(dpkg-deb -c "$deb")
for file in usr/bin/configurator usr/bin/configurator-cli usr/share/applications/$app_id.desktop \
    usr/share/metainfo/$app_id.metainfo.xml usr/share/icons/hicolor/48x48/apps/$app_id.png \
    usr/share/man/man1/configurator-cli.1 usr/share/configurator/LANGUAGE/Deutsch.lng; do
    grep -q "\./$file\$" <<<"$listing" || fail "$file is not in the package"
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the package does not depend on Qt"
echo "installed and packaged: $(basename "$deb")"
