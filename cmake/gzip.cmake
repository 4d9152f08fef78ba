# SPDX-License-Identifier: GPL-3.0-or-later
# Gzips the file IN as OUT (cmake -DIN=... -DOUT=... -P gzip.cmake). The stream's time field
# holds the time of writing; make_page sets it to 0.
file(ARCHIVE_CREATE OUTPUT ${OUT} PATHS ${IN} FORMAT raw COMPRESSION GZip COMPRESSION_LEVEL 9)
