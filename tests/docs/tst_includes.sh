#!/usr/bin/env bash
# Every include of our own headers names its folder from the repository root, so twin file
# names (config/register/Register.h, displaytexts/texts/Register.h) cannot resolve wrongly.
set -uo pipefail
root=$1
cd "$root" || exit 2
bad=0
while IFS= read -r -d '' file; do
    while IFS= read -r name; do
        [[ $name == *.moc ]] && continue
        if [ ! -f "$name" ]; then
            echo "$file: #include \"$name\" does not name a file from the repository root"
            bad=1
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find . -path './build*' -prune -o -path './.git' -prune -o \
              \( -name '*.h' -o -name '*.cpp' \) -print0)
[ $bad -eq 0 ] && echo "every include names its folder from the root"
exit $bad
