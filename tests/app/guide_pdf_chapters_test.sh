#!/usr/bin/env bash
# guide_pdf_chapters_test.sh GUIDE.md GUIDE.pdf: every "# " chapter title of the source is in the
# PDF's text, which has more than one page.
set -euo pipefail
md=$1 pdf=$2
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
if ((pages < 2)); then
  echo "FAIL: $pdf has $pages page(s)"
  exit 1
fi
# pdftotext may break a title across lines: compare with every run of blanks as one.
text=$(pdftotext -enc UTF-8 "$pdf" - | tr -s ' \n\f' '   ')
missing=0
while IFS= read -r title; do
  if [[ $text != *"$title"* ]]; then
    echo "FAIL: chapter not in the PDF: $title"
    missing=1
  fi
done < <(sed -n 's/^# //p' "$md")
((missing == 0)) && echo "every chapter of $md is in $pdf ($pages pages)"
exit $missing
