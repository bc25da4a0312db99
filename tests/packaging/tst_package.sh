#!/usr/bin/env bash
# Builds the Debian package from the build tree, unpacks it into a scratch root with dpkg -x
# and runs the installed programs from there.
#   tst_package.sh BUILD_DIR
set -euo pipefail
build=$1

for tool in cpack dpkg-deb dpkg-shlibdeps file; do
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
         usr/share/man/man1/quarn-sim.1.gz; do
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
for page in quarnctl quarn-sim; do
    zcat "$root/usr/share/man/man1/$page.1.gz" | grep -q '^\.SH "\?NAME' || fail "$page.1.gz is no manual page"
done

echo "package ok: $(basename "$deb"), $(wc -l <"$scratch/contents") entries"
