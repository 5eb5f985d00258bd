#!/usr/bin/env bash
# The folders under src/ depend one way:
#   shell <- data <- report <- seats <- council, committee <- ui <- app
# and cli uses council and committee and what they use. This check fails on an include
# that points the other way, on a report that includes its engine, and on a widget or
# print-dialog header in the core folders (the library without widgets).
#
# Usage: check-layers.sh [Qt header folder]   (default: the Debian Qt 6 headers)
set -u
cd "$(dirname "$0")/.."
qt_headers=${1:-/usr/include/x86_64-linux-gnu/qt6}

rank() {
    case "$1" in
    shell) echo 0 ;; data) echo 1 ;; report) echo 2 ;; seats) echo 3 ;;
    council | committee) echo 4 ;; ui) echo 5 ;; app) echo 6 ;;
    cli) echo 7 ;; *) echo -1 ;;
    esac
}

# The layer of a path below src/ (a file, or an include's path): its first folder, so
# everything under src/ui is the one ui layer.
layer_of() {
    echo "${1%%/*}"
}

allowed() { # from to
    local from=$1 to=$2
    [[ $from == "$to" ]] && return 0
    [[ $to == cli ]] && return 1
    if [[ $from == cli ]]; then
        [[ $(rank "$to") -le 4 ]]
        return
    fi
    [[ $(rank "$to") -lt 0 ]] && return 0 # not a folder of ours
    [[ $(rank "$to") -lt $(rank "$from") ]]
}

# Includes against the layers that are known and on their way out, as file:include. Each
# is reported, not counted; remove the line when the include goes.
known=()

failures=0
known_seen=0
fail() {
    echo "$1"
    failures=$((failures + 1))
}

# Headers of the widget and print-dialog modules, by name.
declare -A widget_header=()
for module in QtWidgets QtPrintSupport; do
    if [[ -d $qt_headers/$module ]]; then
        for h in "$qt_headers/$module"/Q*; do
            widget_header[$(basename "$h")]=1
        done
    fi
done
if [[ ${#widget_header[@]} -eq 0 ]]; then
    echo "check-layers: no Qt widget headers under $qt_headers"
    exit 2
fi

while IFS= read -r file; do
    path=${file#src/}
    from=$(layer_of "$path")
    core=0
    [[ $(rank "$from") -ge 0 && $(rank "$from") -le 4 ]] && core=1
    while IFS= read -r line; do
        if [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]]; then
            inc=${BASH_REMATCH[1]}
            [[ $inc == */* ]] || continue
            to=$(layer_of "$inc")
            if ! allowed "$from" "$to"; then
                if [[ " ${known[*]} " == *" $file:$inc "* ]]; then
                    echo "known: $file: includes $inc ($from may not use $to)"
                    known_seen=$((known_seen + 1))
                else
                    fail "$file: includes $inc ($from may not use $to)"
                fi
            fi
            if [[ $(basename "$file") == *Report* && $inc =~ (council/RostBer|committee/ValsitBer)\.h ]]; then
                fail "$file: a report includes its engine ($inc); it reads the result"
            fi
        elif [[ $core -eq 1 && $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<([^\>]+)\> ]]; then
            inc=${BASH_REMATCH[1]}
            name=${inc##*/}
            if [[ $inc == QtWidgets* || $inc == QtPrintSupport* || -n ${widget_header[$name]:-} ]]; then
                fail "$file: includes <$inc>, a widget header, in the core"
            fi
        fi
    done <"$file"
done < <(find src -name '*.h' -o -name '*.cpp' | sort)

# Windows live in the one ui tree, never in a folder of a core area.
while IFS= read -r dir; do
    fail "$dir: a ui folder inside a core area (windows go under src/ui/<area>)"
done < <(find src -mindepth 2 -type d -name ui ! -path 'src/ui/*' | sort)

if [[ $failures -gt 0 ]]; then
    echo "check-layers: $failures include(s) against the layers"
    exit 1
fi
echo "check-layers: every include points down the layers (known exceptions: $known_seen)"
