#!/usr/bin/env bash
# A Cryptdll.dll planted beside the program is loaded by a plain LoadLibrary but
# never by the program's loader, which takes system libraries from the system
# directory only.
set -u
probe_dir=$1
run() { "$(dirname "$0")/../../tools/wine-exec" "$probe_dir/planted_probe.exe" "$1" | tr -d '\r'; }
plain=$(run plain)
ours=$(run ours)
echo "plain LoadLibrary: $plain"
echo "system loader:     $ours"
case "$ours" in
  *[Ss]ystem32*|*[Ss]yswow64*) ;;
  *) echo "FAIL: the loader did not take Cryptdll.dll from the system directory"; exit 1 ;;
esac
# Without this the check above would prove nothing.
case "${plain,,}" in
  *planted*) ;;
  *) echo "FAIL: a plain LoadLibrary did not pick up the plant, so this check shows nothing"; exit 1 ;;
esac
exit 0
