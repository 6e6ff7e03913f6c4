#!/usr/bin/env bash
# Prints the program's reports on real CUPS queues: starts a private cupsd on its
# own configuration and socket in a temporary folder, adds cups-pdf queues (A4;
# Letter by default with hardware margins; one that refuses jobs), prints through
# the program's print code (cups_print) and checks the PDFs cups-pdf writes with
# pdfinfo and pdftoppm. The server is stopped and everything removed on exit.
#   cups_check.sh <path of cups_print>
set -euo pipefail
driver="${1:?usage: cups_check.sh <cups_print>}"
for tool in cupsd lpadmin cupsaccept cupsreject cupsenable pdfinfo pdftoppm; do
  command -v "$tool" >/dev/null || PATH="$PATH:/usr/sbin"
  command -v "$tool" >/dev/null || { echo "cups_check: $tool missing"; exit 1; }
done
[ -x /usr/lib/cups/backend/cups-pdf ] || { echo "cups_check: cups-pdf backend missing"; exit 1; }

work=$(mktemp -d /tmp/sintarel-cups.XXXXXX)
chmod 755 "$work"
# cups-pdf reads its settings from /etc/cups: one file of our own per queue
# ("cups-pdf:/<instance>"), removed again at the end.
instance="sintarel$$"
conf_a4="/etc/cups/cups-pdf-${instance}a4.conf"
conf_letter="/etc/cups/cups-pdf-${instance}letter.conf"
conf_refuse="/etc/cups/cups-pdf-${instance}refuse.conf"
cupsd_pid=""
cleanup() {
  if [ -n "$cupsd_pid" ]; then kill "$cupsd_pid" 2>/dev/null || true; wait "$cupsd_pid" 2>/dev/null || true; fi
  rm -f "$conf_a4" "$conf_letter" "$conf_refuse"
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work"/{spool/tmp,cache,state,log,out-a4,out-letter,out-refuse,ppd,drivers}
chmod 1777 "$work"/spool/tmp "$work"/out-*
chown root:lp "$work/spool" 2>/dev/null || true
chmod 0710 "$work/spool"
sock="$work/cups.sock"
cat >"$work/cupsd.conf" <<CONF
Listen $sock
LogLevel warn
Browsing No
DefaultAuthType None
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
CONF
cat >"$work/cups-files.conf" <<CONF
ServerRoot $work
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
SystemGroup root
CONF
for q in a4 letter refuse; do
  conf="/etc/cups/cups-pdf-${instance}${q}.conf"
  printf 'Out %s\nAnonDirName %s\nLabel 0\nTitlePref 0\nGrp root\nLogType 3\n' "$work/out-$q" "$work/out-$q" >"$conf"
done

cupsd -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" &
cupsd_pid=$!
export CUPS_SERVER="$sock"
for _ in $(seq 50); do lpstat -r 2>/dev/null | grep -q "is running" && break; sleep 0.2; done
lpstat -r | grep -q "is running" || { echo "cups_check: cupsd did not start"; cat "$work/log/error_log" 2>/dev/null; exit 1; }

ppd_src=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
# The Letter queue: Letter by default and 1/4 inch that the printer cannot print on.
zcat -f "$ppd_src" | sed \
  -e 's/^\*HWMargins:.*/*HWMargins: 18 18 18 18/' \
  -e 's/^\*DefaultPageSize:.*/*DefaultPageSize: Letter/' \
  -e 's/^\*DefaultPageRegion:.*/*DefaultPageRegion: Letter/' \
  -e 's/^\*DefaultImageableArea:.*/*DefaultImageableArea: Letter/' \
  -e 's/^\*DefaultPaperDimension:.*/*DefaultPaperDimension: Letter/' \
  -e 's|^\*ImageableArea A4/A4:.*|*ImageableArea A4/A4: "18 18 577 824"|' \
  -e 's|^\*ImageableArea Letter/\(.*\): .*|*ImageableArea Letter/\1: "18 18 594 774"|' \
  >"$work/drivers/letter.ppd"
lpadmin -p SintarelA4 -E -v "cups-pdf:/${instance}a4" -P "$ppd_src" -o PageSize=A4
lpadmin -p SintarelLetter -E -v "cups-pdf:/${instance}letter" -P "$work/drivers/letter.ppd"
lpadmin -p SintarelRefuse -E -v "cups-pdf:/${instance}refuse" -P "$ppd_src"
cupsreject SintarelRefuse
# The program's A4 must win over the queue's own paper.
check_letter=$(sed -n 's/^\*DefaultPageSize: *//p' "$work/ppd/SintarelLetter.ppd" 2>/dev/null | tr -d '\r')

fail=0
check() { # what expected
  if [ "$2" != "$3" ]; then echo "FAIL $1: $2 (expected $3)"; fail=1; else echo "ok   $1: $2"; fi
}

# Waits for the one PDF a job leaves in a queue's folder and moves it to $2.
collect() {
  local dir="$1" dest="$2" f
  for _ in $(seq 150); do
    f=$(find "$dir" -name '*.pdf' -size +0 2>/dev/null | head -1)
    if [ -n "$f" ] && [ -z "$(lpstat -o 2>/dev/null)" ]; then
      mv "$f" "$dest"
      # CUPS_CHECK_KEEP=<folder> keeps every PDF for a look.
      if [ -n "${CUPS_CHECK_KEEP:-}" ]; then mkdir -p "$CUPS_CHECK_KEEP"; cp "$dest" "$CUPS_CHECK_KEEP/$(basename "$dir")-$(basename "$dest")"; fi
      return 0
    fi
    sleep 0.2
  done
  echo "no PDF in $dir; server log:"; tail -20 "$work/log/error_log" 2>/dev/null
  return 1
}

# "pages width height" of a PDF, sizes in points rounded.
pdfshape() {
  pdfinfo "$1" 2>/dev/null | awk '/^Pages:/ {p=$2} /^Page size:/ {printf "%s %.0f %.0f\n", p, $3, $5}'
}

# How the content lies on the first page, from its longest ruled or filled lines
# (40 dpi, in mm): "landscape content, top at left" when the longest line runs
# down the page near its left edge and nothing long runs across (the title bar of
# a list printout turned as a printer turns landscape pages), "portrait content"
# when the frame of the candidate sheet stands upright (274 mm down, 190 mm across).
inkshape() {
  pdftoppm -r 40 -f 1 -l 1 -gray "$1" "$work/ink" 2>/dev/null
  python3 - "$work"/ink*.pgm <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
parts = data.split(maxsplit=4)
w, h = int(parts[1]), int(parts[2])
pix = parts[4][:w * h]
mm = 25.4 / 40
def longest(cells):
    best = run = 0
    for d in cells:
        run = run + 1 if d else 0
        best = max(best, run)
    return best
down = [longest(pix[r * w + c] < 160 for r in range(h)) for c in range(w)]
across = [longest(pix[r * w + c] < 160 for c in range(w)) for r in range(h)]
d, a = max(down) * mm, max(across) * mm
x = down.index(max(down)) * mm
if d > 250 and a < 30 and x < 30:
    print("landscape content, top at left")
elif 265 < d < 285 and 180 < a < 200:
    print("portrait content")
else:
    print(f"unexpected: {d:.0f} mm down at x {x:.0f} mm, {a:.0f} mm across")
PY
  rm -f "$work"/ink*.pgm
}

run() { # label queue what -> prints driver line
  local out
  out=$(QT_QPA_PLATFORM=offscreen "$driver" "$2" "$3" 2>"$work/driver.err") || true
  echo "$1: $out" >&2
  grep -v "XDG_RUNTIME_DIR" "$work/driver.err" >&2 || true
  echo "$out"
}

check "Letter queue default paper" "$check_letter" "Letter"

for queue in SintarelA4 SintarelLetter; do
  dir="$work/out-$( [ $queue = SintarelA4 ] && echo a4 || echo letter)"
  line=$(run "$queue merit" $queue merit)
  check "$queue merit outcome" "${line%% *}" "outcome=Printed"
  if collect "$dir" "$work/merit.pdf"; then
    # The server turns landscape pages onto the A4 sheet as a printer feeds it.
    check "$queue merit pages and A4 size" "$(pdfshape "$work/merit.pdf")" "3 595 842"
    check "$queue merit content" "$(inkshape "$work/merit.pdf")" "landscape content, top at left"
  else fail=1; fi

  line=$(run "$queue sheet" $queue sheet)
  check "$queue sheet outcome" "${line%% *}" "outcome=Printed"
  if collect "$dir" "$work/sheet.pdf"; then
    check "$queue sheet pages and A4 portrait size" "$(pdfshape "$work/sheet.pdf")" "1 595 842"
    check "$queue sheet content" "$(inkshape "$work/sheet.pdf")" "portrait content"
  else fail=1; fi

  line=$(run "$queue range 2-2" $queue range)
  check "$queue range 2-2 outcome" "${line%% *}" "outcome=Printed"
  if collect "$dir" "$work/range.pdf"; then
    check "$queue range 2-2 pages and size" "$(pdfshape "$work/range.pdf")" "1 595 842"
  else fail=1; fi
done

# A queue that refuses jobs: the program must say the print was not made.
line=$(run "refusing queue" SintarelRefuse merit)
check "refusing queue outcome" "${line%% *}" "outcome=Failed"
case "$line" in
  *"warning=Attenzione: la stampa non è stata eseguita. Verificare la stampante selezionata e riprovare.") echo "ok   refusing queue warning" ;;
  *) echo "FAIL refusing queue warning: $line"; fail=1 ;;
esac
sleep 1
check "refusing queue PDFs" "$(find "$work/out-refuse" -name '*.pdf' | wc -l)" "0"

[ $fail -eq 0 ] && echo "cups_check: all passed" || { echo "cups_check: server log:"; tail -30 "$work/log/error_log" 2>/dev/null || true; }
exit $fail
