#!/usr/bin/env bash
# Prints, one a line, the Debian packages named as arguments that are not installed.
for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        echo "$p"
    fi
done
