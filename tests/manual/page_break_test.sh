#!/usr/bin/env bash
# The manual renderer at a page break: a paragraph and a list item, each long enough to run
# over onto the next page, must give every word exactly once in the PDF's text. (A page used
# to carry the line before or after its break as text hidden by the clip, so a reader's search
# or copy found it twice.)
# Then a table over several pages whose cells hold lines begun by <br>: each page has a row's
# text and no word is lost or doubled. (A cut at a <br> left the line separator behind, whose
# empty line was cut again on every round: each round a page with only the table's header.)
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

# 60 rows of a key and six lines of three words: 1140 words, about five pages.
{
  echo '<html><body style="font-size: 10pt;"><h1>Table</h1>'
  echo '<table border="1" cellpadding="3"><thead><tr><th>Key</th><th>Lines</th></tr></thead>'
  n=0
  for ((row = 0; row < 60; row++)); do
    printf '<tr><td>t%04d</td><td>' $((n += 1))
    for ((line = 0; line < 6; line++)); do
      ((line == 0)) || printf '<br>'
      printf 't%04d t%04d t%04d' $((n + 1)) $((n + 2)) $((n + 3))
      n=$((n + 3))
    done
    echo '</td></tr>'
  done
  echo '</table></body></html>'
} > "$dir/table.html"

"$renderer" "$dir/table.html" "$dir/table.pdf"
"$pdftotext" "$dir/table.pdf" "$dir/table.txt"
pages=$(grep -c $'\f' "$dir/table.txt" || true)
[ "$pages" -ge 3 ] && [ "$pages" -le 8 ] || { echo "FAIL: the table takes $pages pages, not 3 to 8"; status=1; }
empty=$(awk 'BEGIN { RS = "\f" } NR <= '"$pages"' && !/t[0-9][0-9][0-9][0-9]/ { print NR }' "$dir/table.txt")
[ -z "$empty" ] || { echo "FAIL: pages with no row of the table:" $empty | head -c 300; echo; status=1; }
found=$(grep -o 't[0-9]\{4\}' "$dir/table.txt" | sort | uniq -c)
twice=$(awk '$1 != 1' <<<"$found")
[ -z "$twice" ] || { echo "FAIL: table words not found exactly once:"; head -20 <<<"$twice"; status=1; }
count=$(wc -l <<<"$found")
[ "$count" -eq 1140 ] || { echo "FAIL: $count different table words of 1140"; status=1; }
exit $status
