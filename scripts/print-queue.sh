#!/usr/bin/env bash
# Makes sure the print system runs and has the PDF queue the printing tests print to:
# starts cupsd when it is not running and adds the queue "QuintoraPDF", whose jobs become
# PDF files in /var/spool/cups-pdf/quintora/<user>/, one file per job (named with the job id).
# Runs as root or through sudo; safe to run again.
set -euo pipefail

queue=QuintoraPDF
conf=/etc/cups/cups-pdf-quintora.conf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  $SUDO cupsd
  for _ in $(seq 1 50); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.2
  done
fi
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  echo "print-queue.sh: the print system (cupsd) did not start" >&2
  exit 1
fi

# The queue's own settings: the backend reads the file named after the queue's device URI.
printf '%s\n' 'Out /var/spool/cups-pdf/quintora/${USER}' 'Label 2' 'Grp lpadmin' |
  $SUDO tee "$conf" >/dev/null

if ! lpstat -v "$queue" 2>/dev/null | grep -q "cups-pdf:/quintora"; then
  # lpadmin warns that drivers are deprecated; the PDF queue still needs its PPD.
  $SUDO lpadmin -p "$queue" -v cups-pdf:/quintora -P "$ppd" -E 2>/dev/null
fi
$SUDO cupsenable "$queue"
$SUDO cupsaccept "$queue"
echo "print-queue.sh: queue $queue ready"
