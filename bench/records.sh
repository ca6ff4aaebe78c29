#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
# The record benchmark: a logger's record of heads turned into flows (with the
# volume passed), and a record of flows turned into heads, through CSV files,
# by the program's subcommands and by the same pipeline written with pandas
# and numpy (records/pandas_pipeline.py), one after the other on the same
# files. Prints rows per second and peak memory (GNU time's maximum RSS).
#   records.sh WEIR_HEAD [HEAD_ROWS [FLOW_ROWS]]     defaults 10,000,000 and 1,000,000
set -euo pipefail
program=$1
# The subcommands are a module; a build tree keeps it in modules/ beside app/.
export WEIR_HEAD_MODULE_PATH=${WEIR_HEAD_MODULE_PATH:-$(cd "$(dirname "$program")/.." && pwd)/modules}
head_rows=${2:-10000000}
flow_rows=${3:-1000000}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
python=/usr/bin/python3 # Debian's, with Debian's pandas
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$python" "$here/records/make_record.py" heads "$head_rows" > "$work/heads.csv"
"$python" "$here/records/make_record.py" flows "$flow_rows" > "$work/flows.csv"
"$python" "$here/records/make_record.py" fine-flows "$flow_rows" > "$work/fine-flows.csv"
echo "records: $head_rows heads ($(du -h "$work/heads.csv" | cut -f1)), $flow_rows flows ($(du -h "$work/flows.csv" | cut -f1))"

# measure LABEL ROWS INPUT COMMAND...: one run, its time and peak memory. The
# program exits 1 when some rows had no answer (the missing readings): that
# is a finished run.
measure() {
    local label=$1 rows=$2 input=$3
    shift 3
    local status=0
    /usr/bin/time -f "%e %M" -o "$work/time" "$@" < "$input" > "$work/out.csv" 2> "$work/err" || status=$?
    if [ "$status" -gt 1 ]; then
        echo "$label failed ($status):" >&2
        tail -5 "$work/err" >&2
        exit 1
    fi
    [ "$(wc -l < "$work/out.csv")" -eq $((rows + 1)) ] || { echo "$label: not every row written" >&2; exit 1; }
    read -r seconds kilobytes < <(tail -n 1 "$work/time")
    awk -v l="$label" -v r="$rows" -v s="$seconds" -v k="$kilobytes" \
        'BEGIN { printf "%-34s %9.2f s %12.0f rows/s %8.1f MB\n", l, s, r / (s > 0 ? s : 0.01), k / 1024 }'
}

measure "heads -> flows, weir-head" "$head_rows" "$work/heads.csv" \
    "$program" flow --width 300 --column head_mm --time time
measure "heads -> flows, pandas" "$head_rows" "$work/heads.csv" \
    "$python" "$here/records/pandas_pipeline.py" flow 300 head_mm time
# The machine's own pace at text: the same heads through mawk, the formula
# alone (records/flows.awk). Rows per second move with the machine; the
# program's share of mawk's pace is what to compare between machines.
measure "heads -> flows, mawk" "$head_rows" "$work/heads.csv" mawk -f "$here/records/flows.awk"
measure "flows -> heads, weir-head" "$flow_rows" "$work/flows.csv" \
    "$program" head --width 300 --column flow_lpm --min 20 --max 100
measure "flows -> heads, pandas" "$flow_rows" "$work/flows.csv" \
    "$python" "$here/records/pandas_pipeline.py" head 300 flow_lpm 20 100
# The worst case for the program: flows to 0.0001 L/min, nearly every value
# different, so no answer is ever reused.
measure "fine flows -> heads, weir-head" "$flow_rows" "$work/fine-flows.csv" \
    "$program" head --width 300 --column flow_lpm --min 20 --max 100
measure "fine flows -> heads, pandas" "$flow_rows" "$work/fine-flows.csv" \
    "$python" "$here/records/pandas_pipeline.py" head 300 flow_lpm 20 100
