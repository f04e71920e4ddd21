#!/usr/bin/env bash
# Fails when a layer includes Qt or a layer above it. Each rule names a
# folder and the include patterns it must not use.
set -u
src=$1
status=0

forbid() {
    local folder=$1 pattern=$2 why=$3 hits
    hits=$(grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]($pattern)" "$src/$folder" \
               --include='*.h' --include='*.cpp' 2>/dev/null)
    if [ -n "$hits" ]; then
        echo "$folder: $why"
        echo "$hits"
        status=1
    fi
}

qt='Q[A-Za-z]*[>/"]|Qt[A-Za-z]*/'
forbid model "$qt|link/|view/|app/|tools/" "the model includes Qt or a higher layer"
forbid link "$qt|view/|app/|tools/" "the link includes Qt or a higher layer"
forbid view/document "$qt|link/|view/(canvas|chart|[A-Za-z]+\.h)|app/|tools/" \
    "the document library includes Qt or a layer above it"
forbid view "app/" "the view includes the application"

[ "$status" -eq 0 ] && echo "layering: every layer keeps to its own and lower layers"
exit "$status"
