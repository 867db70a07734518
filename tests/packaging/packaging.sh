#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the program into a temporary prefix and checks it as the desktop and Debian see it:
# the desktop entry and the metainfo validate; the installed program, started from another
# folder with a fresh home and a read-only prefix, finds its files and keeps its log in the
# user's data folder; `cpack -G DEB` builds a package lintian finds no error in and that
# unpacks to the very tree the install made.
#   packaging.sh BUILD_FOLDER CMAKE CPACK
set -euo pipefail
build=$1 cmake=$2 cpack=$3

tools=(desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps dpkg-parsechangelog lintian
       gzip file setpriv)
missing=()
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if ((${#missing[@]})); then
    echo "Vérifications de l'installation sautées : il manque ${missing[*]}" \
         "(scripts/need installe les paquets qui les fournissent)."
    exit 77
fi

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() {
    echo "ÉCHEC : $*" >&2
    exit 1
}
tree() { (cd "$1" && find . -printf '%M %p\n' | sort); }

# Under /usr the programs go to games/, as the package has them; anywhere else to bin/.
"$cmake" --install "$build" --prefix "$work/elsewhere-prefix" >/dev/null
for path in bin/vorelles bin/vorelles-autoplay share/vorelles/cartes.res; do
    [ -s "$work/elsewhere-prefix/$path" ] || fail "$path n'est pas installé hors de /usr"
done

id=org.vorelles.Vorelles
prefix=$work/install/usr
DESTDIR=$work/install "$cmake" --install "$build" --prefix /usr --strip >/dev/null

for path in games/vorelles games/vorelles-autoplay share/vorelles/cartes.res share/vorelles/bois.gif \
            share/vorelles/aide.htm share/vorelles/aide/historique.htm \
            share/vorelles/en/aide.htm share/vorelles/en/aide/historique.htm \
            share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
            share/icons/hicolor/scalable/apps/$id.svg share/man/man6/vorelles.6.gz \
            share/doc/vorelles/changelog.gz share/doc/vorelles/copyright; do
    [ -s "$prefix/$path" ] || fail "$path n'est pas installé"
done
for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
    file -b "$png" | grep -q "^PNG image data, $size x $size," || fail "icône $png : $(file -b "$png")"
done
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
installed=$(tree "$prefix")

# The installed program, from another folder, with a fresh home and a prefix nobody may write:
# root loses the right to write past the permissions too.
home=$work/home
mkdir -p "$home" "$work/elsewhere" "$work/runtime"
chmod 700 "$work/runtime"
chmod -R a-w "$work/install"
drop=()
[ "$(id -u)" -ne 0 ] || drop=(setpriv --bounding-set -dac_override,-dac_read_search,-fowner)
output=$(cd "$work/elsewhere" &&
         env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$work/runtime" LC_ALL=C.UTF-8 \
             QT_QPA_PLATFORM=offscreen VORELLES_QUIT_AFTER_START=1 \
             "${drop[@]}" timeout 60 "$prefix/games/vorelles") ||
    fail "le programme installé ne s'est pas terminé de lui-même (code $?) : $output"
expected="dossier de l'application : $prefix/share/vorelles/
aide : $prefix/share/vorelles/aide.htm
historique : $home/.local/share/vorelles/parties.rtf"
[ "$output" = "$expected" ] || fail "le programme installé a dit :
$output
au lieu de :
$expected"
[ -d "$home/.local/share/vorelles" ] || fail "le dossier de l'historique n'a pas été créé"
grep -qxF "dossier%20application=$prefix/share/vorelles/" "$home/.config/vorelles/vorelles.ini" ||
    fail "les paramètres du premier lancement ne nomment pas le dossier installé"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "le programme a écrit dans le dossier courant"
chmod -R u+w "$work/install"
[ "$(tree "$prefix")" = "$installed" ] || fail "le programme a changé le dossier installé"

# The package: built from the same install rules, it must unpack to the same tree.
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >/dev/null
deb=$(echo "$work"/package/vorelles_*.deb)
[ -f "$deb" ] || fail "cpack n'a pas fait de paquet"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "la section du paquet n'est pas games"
dpkg-deb -f "$deb" Maintainer | grep -qF '<vorelles@vorelles.org>' || fail "pas de responsable"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' ||
    fail "les dépendances ne viennent pas des bibliothèques liées : $(dpkg-deb -f "$deb" Depends)"
zcat "$prefix/share/doc/vorelles/changelog.gz" >"$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$(dpkg-deb -f "$deb" Version)" ] ||
    fail "la dernière entrée du changelog n'est pas la version du paquet"
dpkg-deb -x "$deb" "$work/unpacked"
[ "$(tree "$work/unpacked/usr")" = "$installed" ] || {
    diff <(tree "$work/unpacked/usr") <(echo "$installed") >&2
    fail "le paquet ne contient pas ce que l'installation installe"
}
diff -r "$work/unpacked/usr" "$prefix" >&2 || fail "les fichiers du paquet diffèrent de l'installation"

lintian --fail-on error --no-tag-display-limit "$deb"
