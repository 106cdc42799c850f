#!/usr/bin/env bash
# Copies the default content into a play directory. A file the user has changed there is
# kept; a file still as it was copied is brought up to date. A list of what was copied,
# with checksums, is kept in the play directory to tell the two apart.
set -euo pipefail
src="$1"
dst="$2"
manifest="$dst/.boltik-copied"
mkdir -p "$dst"
touch "$manifest"

recorded() { awk -v f="$1" '$2 == f { print $1 }' "$manifest"; }

new_manifest="$(mktemp)"
trap 'rm -f "$new_manifest"' EXIT
(cd "$src" && find . -type f | sed 's|^\./||' | sort) | while IFS= read -r file; do
    want="$(sha256sum < "$src/$file" | cut -d' ' -f1)"
    if [ -e "$dst/$file" ]; then
        have="$(sha256sum < "$dst/$file" | cut -d' ' -f1)"
        if [ "$have" != "$want" ] && [ "$have" = "$(recorded "$file")" ]; then
            cp "$src/$file" "$dst/$file"
            have="$want"
        fi
        # A file the user changed keeps its old record, so it is never overwritten.
        [ "$have" = "$want" ] && echo "$want $file" >> "$new_manifest" ||
            echo "$(recorded "$file") $file" >> "$new_manifest"
    else
        mkdir -p "$(dirname "$dst/$file")"
        cp "$src/$file" "$dst/$file"
        echo "$want $file" >> "$new_manifest"
    fi
done
cp "$new_manifest" "$manifest"
