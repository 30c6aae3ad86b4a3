#!/bin/sh
# The definition of the document types: well-formed XML, taken by the desktop's MIME
# database, and giving each extension its type with the Polish comment.
# Usage: document_types_test.sh DEFINITION
set -eu
definition=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

xmllint --noout "$definition"
mime="$work/mime"
mkdir -p "$mime/packages"
cp "$definition" "$mime/packages/"
XDG_DATA_HOME="$work" update-mime-database "$mime"

# type, the pattern as the database keeps it (":cs" marks a case-sensitive one), Polish comment
while IFS='|' read -r type pattern comment; do
    grep -qxF "50:$type:$pattern" "$mime/globs2" || fail "$type is not given to $pattern"
    grep -q "<comment xml:lang=\"pl\">$comment</comment>" "$mime/$type.xml" || fail "$type has no Polish comment"
done <<'CASES'
application/x-ocena-ryzyka-projekt|*.rpr:cs|Projekt oceny ryzyka zawodowego
application/x-ocena-ryzyka-ocena|*.ron|Ocena ryzyka zawodowego
CASES
echo "both document types are defined"
