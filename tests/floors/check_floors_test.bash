#!/usr/bin/env bash
# The layering check (scripts/check-floors): the tree as it is passes, and in a copy of the
# floors each include across a forbidden line fails, naming the file and the include, while
# includes the table allows still pass.
# Usage: check_floors_test.bash CHECK_FLOORS SOURCE_ROOT
set -euo pipefail
check=$1
root=$2

failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

output=$("$check" "$root") || fail "the tree itself: $output"

copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT

# file to plant the line in | the line | what the check must print (nothing: it passes)
cases=(
    'widgets/twips.cpp|#include "app/frmMain.h"|widgets/twips.cpp: includes "app/frmMain.h", which widgets/ may not use'
    'windows/frmTextpad.cpp|#include "../app/frmMain.h"|windows/frmTextpad.cpp: includes "../app/frmMain.h", which windows/ may not use'
    'movers/page_title.h|#include "platform/message_boxes.h"|movers/page_title.h: includes "platform/message_boxes.h", which movers/ may not use'
    'cli/console.cpp|#include <platform/file_manager.h>|cli/console.cpp: includes "platform/file_manager.h", which cli/ may not use'
    'platform/file_manager.cpp|  #  include "widgets/twips.h"|platform/file_manager.cpp: includes "widgets/twips.h", which platform/ may not use'
    'app/frmMain.cpp|#include "cli/console.h"|app/frmMain.cpp: includes "cli/console.h", which app/ may not use'
    'widgets/twips.h|#include "tests/support/scripted_boxes.h"|widgets/twips.h: includes "tests/support/scripted_boxes.h", which widgets/ may not use'
    'app/frmMain.cpp|#include "movers/page_title.h"|'
    'windows/frmTextpad.cpp|#include "frmBrowse.h"|'
    'widgets/twips.cpp|#include <QWidget>|'
)
for entry in "${cases[@]}"; do
    IFS='|' read -r file line expected <<< "$entry"
    rm -rf "${copy:?}"/*
    cp -r "$root"/{movers,cli,platform,widgets,windows,app,ARCHITECTURE.md} "$copy"
    mkdir -p "$copy/tests/support"
    echo "$line" >> "$copy/$file"
    status=0
    output=$("$check" "$copy") || status=$?
    if [ -z "$expected" ]; then
        [ "$status" -eq 0 ] && [ -z "$output" ] || fail "$file with '$line': status $status, $output"
    else
        [ "$status" -eq 1 ] && [ "$output" = "$expected" ] ||
            fail "$file with '$line': status $status, printed '$output'"
    fi
done

# Without its table the check cannot tell what is allowed: it says so and fails.
sed -i 's/^## Floors$/## Storeys/' "$copy/ARCHITECTURE.md"
"$check" "$copy" > /dev/null && fail "a missing table passed"

[ "$failures" -eq 0 ] && echo "all ${#cases[@]} planted includes judged as the table says"
exit $((failures != 0))
