#!/usr/bin/env bash
# Builds the package, unpacks it into a throw-away root, makes the unpacked
# program folder read-only and starts that program for the demo login: the
# files the program writes must land in the user's data folder.
#   install_check.sh <build folder>
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${QD_READ_ONLY_MOUNT:-}" ]; then
  work=$(mktemp -d /tmp/quotadesk-install-check.XXXXXX)
  trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
  (cd "$build" && cpack -G DEB -B "$work/package") >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; exit 1; }
  deb=$(ls "$work"/package/quotadesk_*.deb)
  echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
  echo "depends: $(dpkg-deb -f "$deb" Depends)"
  echo "installs:"
  dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print "  " $1, $6, $7, $8}'
  dpkg -x "$deb" "$work/root"
  export QD_PROGRAM_FOLDER="$work/root/usr/lib/quotadesk" XDG_DATA_HOME="$work/data"
  find "$QD_PROGRAM_FOLDER" | sort >"$work/before"
  if [ "$(id -u)" -eq 0 ]; then
    # Root writes through any mode bits; a read-only mount stops it too.
    QD_READ_ONLY_MOUNT=1 unshare -m "$0" "$build"
  else
    chmod -R a-w "$QD_PROGRAM_FOLDER"
    QD_READ_ONLY_MOUNT=1 "$0" "$build"
  fi
  find "$QD_PROGRAM_FOLDER" | sort >"$work/after"
  diff -u "$work/before" "$work/after" || { echo "FAILED: the program folder changed"; exit 1; }
  data="$XDG_DATA_HOME/Quotadesk"
  [ -s "$data/config.ini" ] || { echo "FAILED: no config.ini in the user's data folder $data"; exit 1; }
  echo "the program folder is unchanged; written to the user's data folder:"
  (cd "$XDG_DATA_HOME" && find . -type f | sed 's/^/  /')
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  mount --bind "$QD_PROGRAM_FOLDER" "$QD_PROGRAM_FOLDER"
  mount -o remount,bind,ro "$QD_PROGRAM_FOLDER"
fi
if touch "$QD_PROGRAM_FOLDER/.probe" 2>/dev/null; then
  echo "FAILED: the program folder could still be written"
  exit 1
fi
echo "program folder $QD_PROGRAM_FOLDER is read-only"
QD_PROGRAM="$QD_PROGRAM_FOLDER/Quotadesk" "$here/demo_start.sh" "$build"
