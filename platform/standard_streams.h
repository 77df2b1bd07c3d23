#pragma once

// Makes sure descriptors 0, 1 and 2 stand for something before the program opens anything.
// A standard stream that the caller closed (`zandrift ... >&-`) would otherwise be taken by the
// next file the program opens, a folder or a page being written, and what is meant for the
// stream would go into that file. A closed stream is opened on /dev/null for reading, so a
// write to it still fails, as on a closed stream, and the program says so where it can.
void HoldStandardStreams();
