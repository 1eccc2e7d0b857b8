#pragma once

#include <QtGlobal>

// Finds, in a block of the bookmark file, the next '<' that may start one of the
// three markers the scanner cares about: "<dl", "</d" or "<h3", ignoring case;
// with `anchors`, also a bookmark's "<a" followed by white space.
// This pass touches every byte of the file and is most of the time a scan takes,
// so it runs 16 or 32 bytes at a time where the processor allows.
namespace MarkerSearch {

// The position of the next candidate in [from, end), or -1. A candidate needs
// three bytes: a '<' among the last two bytes of the range is not reported.
qsizetype find(const char *data, qsizetype from, qsizetype end, bool anchors = false);

} // namespace MarkerSearch
