#pragma once

namespace targello {

// Starts libvips once per process, ready for pictures from strangers: only
// the loaders of the formats the export reads can run (the others are
// blocked for the whole process), and libvips's own warnings are kept off
// stderr (each picture that fails gets its one Polish reason instead).
void StartVips();

} // namespace targello
