# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
#
# A logger's heads (time,head_mm) to flows with mawk, the awk every Debian
# system has: the weir's formula on each row (a 300 mm weir), the row written
# with its flow in L/min, the volume by the trapezoidal rule over rows with a
# head. No quoting, no checks: a measure of how fast this machine reads and
# writes text, beside which the program's rows per second can be compared.
BEGIN { FS = ","; b = 0.3 }
NR == 1 { print $0 ",flow_lpm"; next }
{
    if ($2 == "") { print $0 ","; have = 0; next }
    h = $2 / 1000
    q = 1.838 * (1 + 0.0012 / h) * (1 - sqrt(h / b) / 10) * b * h ^ 1.5
    printf "%s,%.2f\n", $0, q * 60000
    if (have) volume += (q + last) / 2 * 60 # a reading a minute
    last = q; have = 1
}
END { printf "volume %.3f m3\n", volume > "/dev/stderr" }
