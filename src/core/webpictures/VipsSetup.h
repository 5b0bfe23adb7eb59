#pragma once

namespace targello {

// Starts libvips once per process, ready for pictures from strangers: only
// the loaders of the formats the export reads can run (the others are
// blocked for the whole process), and libvips's own warnings are kept off
// stderr (each picture that fails gets its one Polish reason instead, and
// each that is made despite them its one Polish line).
void StartVips();

// How many warnings libvips and the decoders under it have given in this
// process. They come from libvips's worker threads, which say nothing of the
// picture they work on: a change while a picture is made means that this
// picture, or another made at the same time, warned.
unsigned long VipsWarningCount();

} // namespace targello
