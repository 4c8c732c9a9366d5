#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and uses it as a user would: the command-line tool
# through a whole pipeline on the sample configuration, an update checked by the installed check
# program under its own name and under the maker's updater's, the program started to its main
# window and asked for help without a display; then makes the Debian package, checks what it holds
# and has lintian judge it (any error or warning fails).
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
for file in bin/configurator bin/configurator-cli libexec/configurator/configurator-check-update \
    share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
    share/icons/hicolor/48x48/apps/$app_id.png share/icons/hicolor/256x256/apps/$app_id.png \
    share/man/man1/configurator.1.gz share/man/man1/configurator-cli.1.gz \
    share/man/man1/configurator-check-update.1.gz \
    share/doc/configurator/copyright share/doc/configurator/changelog.gz \
    share/bash-completion/completions/configurator-cli \
    share/configurator/LANGUAGE/English.lng share/configurator/LANGUAGE/Italiano.lng \
    share/configurator/LANGUAGE/Deutsch.lng; do
    [ -e "$root/$file" ] || fail "$file is not installed"
done
[ ! -e "$root/bin/Ethernet_Update" ] || fail "something is installed under the maker's updater's name"
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

# An update of the installed tool never reports a device update that did not happen: the check
# program it ships says that nothing was sent, under its own name (--check-only) and put where the
# maker's updater goes. The device is the loopback address, when this system lets an echo out.
if ping -c 1 -W 1 127.0.0.1 >/dev/null 2>&1; then
    update=("$cli" --home "$home" update Ship --address 127.0.0.1 --option 2)
    status=0
    "${update[@]}" --check-only 2>"$work/check.err" >/dev/null || status=$?
    [ "$status" -eq 6 ] || fail "update --check-only ended with $status: $(cat "$work/check.err")"
    grep -q 'Nothing was sent to the device' "$work/check.err" || fail "the check-only outcome"
    grep -q 'every file could go into the device' "$home/configurator-check-update.log" ||
        fail "the check program's log in the data folder"
    cp "$root/libexec/configurator/configurator-check-update" "$home/Ethernet_Update"
    status=0
    "${update[@]}" 2>"$work/stand-in.err" >/dev/null || status=$?
    [ "$status" -eq 7 ] || fail "update with the check program as the updater ended with $status"
    grep -q 'is the check program, not the maker' "$work/stand-in.err" || fail "the check program was not told"
    ! grep -q 'The update is done' "$work/stand-in.err" || fail "an update was reported"
else
    echo "skipped the update: this system lets no ICMP echo reach 127.0.0.1" >&2
fi
"$root/libexec/configurator/configurator-check-update" --version | grep -q 'GPL-3.0-or-later' ||
    fail "the check program's --version"

# --help and --version need no display (over ssh, for help2man); usage errors end with 2.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/configurator" --help | grep -q -- '--home' ||
    fail "--help without a display"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/configurator" --version |
    grep -q 'GPL-3.0-or-later' || fail "--version without a display"
for args in "--no-such-option" "--home /dev/null"; do
    status=0
    # shellcheck disable=SC2086 # the words of each case
    QT_QPA_PLATFORM=offscreen "$root/bin/configurator" $args 2>/dev/null || status=$?
    [ "$status" -eq 2 ] || fail "configurator $args ended with $status, not 2"
done
# Without HOME the data folder is not guessed below the current folder.
status=0
(cd "$work" && env -u HOME -u XDG_DATA_HOME "$cli" new Orphan 2>"$work/home.err") || status=$?
[ "$status" -eq 3 ] && grep -q 'HOME is not set' "$work/home.err" || fail "a missing HOME: $status"
[ ! -e "$work/.local" ] || fail "a data folder was made below the current folder"

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
    usr/share/man/man1/configurator-cli.1.gz usr/share/configurator/LANGUAGE/Deutsch.lng \
    usr/libexec/configurator/configurator-check-update usr/share/doc/configurator/copyright; do
    grep -q "\./$file\$" <<<"$listing" || fail "$file is not in the package"
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the package does not depend on Qt"
dpkg-deb -f "$deb" Recommends | grep -q 'iputils-ping' || fail "the package does not recommend ping"
if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$deb" || fail "lintian"
else
    echo "skipped lintian: not installed (scripts/deps installs it)" >&2
fi
echo "installed and packaged: $(basename "$deb")"
