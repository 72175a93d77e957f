#!/usr/bin/env bash
# Keeps the catalogues under translation/ in step with the texts in src/: texts new in the sources
# are added (unfinished until someone translates them), texts gone from the sources are dropped,
# every catalogue records its language, the English catalogue shows every new text as it stands in
# the sources (a corrected English wording, once made there, is kept), and Qt's layout-direction
# entry reads "RTL" for Arabic and "LTR" everywhere else. Ends with the texts still to translate.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

lupdate_all() {
  # The hand-written form classes have no Q_OBJECT of their own; lupdate's note about it is noise.
  lupdate -silent -no-obsolete -locations relative src -ts translation/*.ts 2> >(grep -v 'lacks Q_OBJECT macro' >&2)
}

python3 scripts/translations.py fill-fixed translation
lupdate_all
python3 scripts/translations.py fill-fixed translation
# The fill writes the XML in its own way; lupdate puts it back into its usual form.
lupdate_all
python3 scripts/translations.py unfinished translation | grep -v '^    ' || true
