# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
#
# The manual: the README's sections for the program's user (what the window
# does, the sheet, the rating table, the uncertainty, the design window, the
# command line, what it computes), without those for whoever builds or
# packages it. Links to files the manual does not carry become their text.
#   cmake -DREADME=... -DOUTPUT=... -P manual.cmake
file(READ "${README}" text)
string(FIND "${text}" "\n## Set-up on Debian 12" setup)
string(FIND "${text}" "\n## What it computes" computes)
string(FIND "${text}" "\n## Building by hand" building)
if(setup EQUAL -1 OR computes EQUAL -1 OR building EQUAL -1 OR NOT computes LESS building)
    message(FATAL_ERROR "the README's sections are not where the manual expects them")
endif()
string(SUBSTRING "${text}" 0 ${setup} use)
math(EXPR length "${building} - ${computes}")
string(SUBSTRING "${text}" ${computes} ${length} formula)
set(manual "${use}\n${formula}\n")
# [text](path) to a file that is neither a picture nor a file in docs/, nor
# a web address: its text alone.
string(REGEX REPLACE "([^!])\\[([^]]*)\\]\\(([^):]*\\.md)\\)" "\\1\\2" manual "${manual}")
file(WRITE "${OUTPUT}" "${manual}")
