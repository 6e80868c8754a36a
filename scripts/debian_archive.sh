#!/usr/bin/env bash
# Prints the Debian archive this machine's apt is set up for (its main distribution, not the
# security archive), so scripts that need Debian packages use the same mirror as the system.
set -euo pipefail

from_deb822() {  # the URIs of stanzas whose suites are not security updates
    awk 'BEGIN { RS = ""; FS = "\n" }
         { uris = ""; suites = ""; deb = 0
           for (i = 1; i <= NF; i++) {
               if ($i ~ /^Types:.*(^|[ \t])deb([ \t]|$)/) deb = 1
               if ($i ~ /^URIs:/) { uris = $i; sub(/^URIs:[ \t]*/, "", uris) }
               if ($i ~ /^Suites:/) suites = $i
           }
           if (deb && uris != "" && suites !~ /security/) { split(uris, u, /[ \t]+/); print u[1] } }' "$@"
}
from_one_line() {  # deb [options] URI suite components
    awk '$1 == "deb" { i = 2; if ($i ~ /^\[/) while ($i !~ /\]$/) i++; if ($i ~ /^\[|\]$/) i++
                       if ($(i + 1) !~ /security/) print $i }' "$@"
}

shopt -s nullglob
candidates=$( { from_deb822 /etc/apt/sources.list.d/*.sources; from_one_line /etc/apt/sources.list /etc/apt/sources.list.d/*.list; } 2>/dev/null || true)
archive=$(grep -E '/debian/?$' <<<"$candidates" | head -n 1 || true)
if [ -z "$archive" ]; then
    echo "no Debian archive found in the apt sources of this machine" >&2
    exit 1
fi
echo "${archive%/}"
