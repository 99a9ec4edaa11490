#!/bin/sh
# Installs the Debian packages listed in debian-packages.txt that are not installed yet.
# Runs apt-get directly as root, through sudo otherwise.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
list="$here/debian-packages.txt"

missing=""
for pkg in $(grep -v '^[[:space:]]*#' "$list" | tr -s ' \t' '\n\n'); do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    case "$status" in
        *"install ok installed"*) ;;
        *) missing="$missing $pkg" ;;
    esac
done

[ -z "$missing" ] && exit 0

echo "Installing missing packages:$missing"
if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    echo "error: these packages are missing and neither root nor sudo is available:$missing" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$as_root apt-get update -qq
# shellcheck disable=SC2086
$as_root apt-get install -y -qq --no-install-recommends $missing
