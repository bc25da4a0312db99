#!/usr/bin/env bash
# Builds the Debian package from the build tree, unpacks it into a scratch root with dpkg -x
# and runs the installed programs from there.
#   tst_package.sh BUILD_DIR
set -euo pipefail
build=$1

for tool in cpack dpkg-deb dpkg-shlibdeps file desktop-file-validate update-mime-database; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is missing (./dev installs it)"
        exit 77
    fi
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# gzip instead of xz: the test looks at the contents, not the size.
(cd "$build" && cpack -G DEB -B "$scratch/out" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >"$scratch/cpack.log" 2>&1) ||
    { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/out/*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || fail "no .deb produced"

root="$scratch/root"
dpkg -x "$deb" "$root"
dpkg-deb -c "$deb" >"$scratch/contents"

for f in usr/bin/quarnctl usr/bin/quarn-sim usr/bin/Tekstor usr/lib/quarn7k8k/Quarn7k8k \
         usr/lib/quarn7k8k/Quarn7k8kENU.qm usr/share/applications/quarn7k8k.desktop \
         usr/share/applications/tekstor.desktop usr/share/icons/hicolor/64x64/apps/quarn7k8k.png \
         usr/share/icons/hicolor/64x64/apps/tekstor.png usr/share/man/man1/quarnctl.1.gz \
         usr/share/man/man1/quarn-sim.1.gz usr/share/man/man1/Quarn7k8k.1.gz usr/share/man/man1/Tekstor.1.gz \
         usr/share/mime/packages/quarn7k8k.xml usr/share/doc/quarn7k8k/copyright \
         usr/share/doc/quarn7k8k/changelog.gz; do
    [ -e "$root/$f" ] || fail "$f is not in the package"
done
# The link in /usr/bin must reach the program beside its language file.
[ "$(readlink -f "$root/usr/bin/Quarn7k8k")" = "$(readlink -f "$root/usr/lib/quarn7k8k/Quarn7k8k")" ] ||
    fail "usr/bin/Quarn7k8k does not lead to usr/lib/quarn7k8k/Quarn7k8k"
# Nothing from the build tree (tests, shots, benchmarks) goes along.
if grep -E 'tst_|shots|bench' "$scratch/contents"; then fail "build-only files in the package"; fi

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6widgets6 libqt6serialport6 qt6-qpa-plugins; do
    [[ "$depends" == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done

out=$("$root/usr/bin/quarnctl" --simulate info) || fail "quarnctl --simulate info exited $?"
[[ "$out" == *"model: Quarn 8k"* && "$out" == *"telephone-interface: yes"* ]] ||
    fail "unexpected info: $out"
"$root/usr/bin/quarn-sim" --help | grep -q -- '--fault' || fail "quarn-sim --help"
for page in quarnctl quarn-sim Quarn7k8k Tekstor; do
    zcat "$root/usr/share/man/man1/$page.1.gz" | grep -q '^\.SH "\?NAME' || fail "$page.1.gz is no manual page"
done

# Both window programs answer --help and --version without a display.
# English with an English locale and the language file beside the program; German otherwise.
LANGUAGE= LC_ALL=en_GB.UTF-8 XDG_CONFIG_HOME="$scratch" "$root/usr/bin/Quarn7k8k" --help | grep -q '^Usage: Quarn7k8k' ||
    fail "Quarn7k8k --help (English)"
LANGUAGE= LC_ALL=C.UTF-8 XDG_CONFIG_HOME="$scratch" "$root/usr/bin/Quarn7k8k" --help | grep -q '^Aufruf: Quarn7k8k' ||
    fail "Quarn7k8k --help (German)"
"$root/usr/bin/Tekstor" --version | grep -q '^Tekstor [0-9]' || fail "Tekstor --version"

# Desktop entries: valid, a file to open (%f) and the file types they open.
apps="$root/usr/share/applications"
desktop-file-validate "$apps/quarn7k8k.desktop" "$apps/tekstor.desktop" || fail "desktop-file-validate"
declare -A opens=([quarn7k8k]="application/x-quarn7k8k-settings;"
                  [tekstor]="application/x-quarn7k8k-id-texts;application/x-quarn7k8k-own-texts;application/x-quarn7k8k-channel-texts;")
for app in "${!opens[@]}"; do
    grep -qx "Exec=[A-Za-z0-9]* %f" "$apps/$app.desktop" || fail "$app.desktop: Exec takes no %f"
    grep -qx "MimeType=${opens[$app]}" "$apps/$app.desktop" || fail "$app.desktop: MimeType is not ${opens[$app]}"
done

# The MIME types: the shared-mime-info compiler takes the XML without a complaint, and each
# kind of file is recognised by its name; a settings file also by its first line.
mime="$scratch/mime/share/mime"
mkdir -p "$mime/packages"
cp "$root/usr/share/mime/packages/quarn7k8k.xml" "$mime/packages/"
log=$(update-mime-database -V "$mime" 2>&1) || fail "update-mime-database: $log"
if grep -Ei 'error|warning' <<<"$log"; then fail "update-mime-database complains"; fi
for type in ${opens[quarn7k8k]//;/ } ${opens[tekstor]//;/ }; do
    grep -qx "$type" "$mime/types" || fail "$type is not registered"
done
if command -v gio >/dev/null; then
    samples="$scratch/samples"
    mkdir -p "$samples"
    printf 'WithTI\r\nR000 00000000\r\n' >"$samples/unit.rq7k8k"
    printf 'NoTI\r\nR000 00000000\r\n' >"$samples/backup-without-extension"
    for name in ids.q8kk own.q8kt channels.q8kc; do echo "X                        " >"$samples/$name"; done
    declare -A expected=([unit.rq7k8k]=settings [backup-without-extension]=settings [ids.q8kk]=id-texts
                         [own.q8kt]=own-texts [channels.q8kc]=channel-texts)
    for name in "${!expected[@]}"; do
        type=$(XDG_DATA_HOME="$scratch/mime/share" XDG_DATA_DIRS=/usr/share \
               gio info -a standard::content-type "$samples/$name" | sed -n 's/.*content-type: //p')
        [ "$type" = "application/x-quarn7k8k-${expected[$name]}" ] || fail "$name is taken for $type"
    done
fi

# The machine-readable copyright file and the changelog name the package's maintainer.
maintainer=$(dpkg-deb -f "$deb" Maintainer)
[[ "$maintainer" == *"<"*"@"*">" && "$maintainer" != *"@localhost>" ]] || fail "Maintainer: $maintainer"
copyright="$root/usr/share/doc/quarn7k8k/copyright"
head -n1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "copyright: not the machine-readable format"
grep -qx "Upstream-Contact: $maintainer" "$copyright" || fail "copyright: Upstream-Contact"
for field in 'Files: \*' 'Copyright: .*[0-9]\{4\} .*' 'License: .*'; do
    grep -qx "$field" "$copyright" || fail "copyright: no $field"
done
changelog=$(zcat "$root/usr/share/doc/quarn7k8k/changelog.gz")
version=$(dpkg-deb -f "$deb" Version)
head -n1 <<<"$changelog" | grep -q "^quarn7k8k ($version) " || fail "changelog: not for $version"
grep -q "^ -- $maintainer  " <<<"$changelog" || fail "changelog: no signature of $maintainer"

echo "package ok: $(basename "$deb"), $(wc -l <"$scratch/contents") entries"
