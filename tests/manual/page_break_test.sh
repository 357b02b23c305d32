#!/usr/bin/env bash
# The manual renderer at a page break: a paragraph and a list item, each long enough to run
# over onto the next page, must give every word exactly once in the PDF's text. (A page used
# to carry the line before or after its break as text hidden by the clip, so a reader's search
# or copy found it twice.)
# Usage: page_break_test.sh PARCOLO-MANUAL PDFTOTEXT
set -euo pipefail
renderer=$1
pdftotext=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

words() { local from=$1 to=$2; for ((i = from; i <= to; i++)); do printf 'w%04d ' "$i"; done; }
{
  echo '<html><body style="font-size: 10pt;"><h1>Title</h1>'
  echo "<p style=\"line-height: 120%;\">$(words 1 1100)</p>"
  echo "<ul><li style=\"line-height: 120%;\">$(words 1101 2200)</li></ul>"
  echo '</body></html>'
} > "$dir/in.html"

"$renderer" "$dir/in.html" "$dir/out.pdf"
"$pdftotext" "$dir/out.pdf" "$dir/out.txt"
pages=$(grep -c $'\f' "$dir/out.txt" || true)
[ "$pages" -ge 3 ] || { echo "FAIL: expected at least three pages, got $pages"; exit 1; }

status=0
found=$(grep -o 'w[0-9]\{4\}' "$dir/out.txt" | sort | uniq -c)
twice=$(awk '$1 != 1' <<<"$found")
[ -z "$twice" ] || { echo "FAIL: words not found exactly once:"; head -20 <<<"$twice"; status=1; }
count=$(wc -l <<<"$found")
[ "$count" -eq 2200 ] || { echo "FAIL: $count different words of 2200"; status=1; }
exit $status
