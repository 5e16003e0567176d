#!/bin/sh
# Folders under src/ depend one way, from the bottom up:
#   common < config < addressbook < gateways < sending < stored < about < app
# A file includes the project's headers only from its own folder and the folders below
# it. Prints every include that breaks the order, or that names a folder outside it,
# and fails if there is one.
set -eu
cd "$(dirname "$0")/../src"
ORDEN="common config addressbook gateways sending stored about app"

find . -name '*.h' -o -name '*.cpp' | sort | xargs awk -v orden="$ORDEN" '
BEGIN {
    n = split(orden, carpetas, " ")
    for (i = 1; i <= n; i++)
        nivel[carpetas[i]] = i
}
/^[ \t]*#[ \t]*include[ \t]*"/ {
    split(FILENAME, partes, "/")
    desde = partes[2]
    match($0, /"[^"]*"/)
    cabecera = substr($0, RSTART + 1, RLENGTH - 2)
    hacia = cabecera ~ /\// ? substr(cabecera, 1, index(cabecera, "/") - 1) : desde
    if (!(desde in nivel) || !(hacia in nivel)) {
        printf "src/%s:%d: %s: la carpeta %s/ no tiene sitio en el orden\n", substr(FILENAME, 3), FNR, cabecera, \
            (desde in nivel) ? hacia : desde
        mal = 1
    } else if (nivel[hacia] > nivel[desde]) {
        printf "src/%s:%d: %s/ no puede incluir %s: %s está por encima\n", substr(FILENAME, 3), FNR, desde, cabecera, hacia
        mal = 1
    }
}
END { exit mal }' || exit 1
