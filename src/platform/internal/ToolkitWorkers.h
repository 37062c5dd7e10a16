// The toolkit's worker threads, started with the platform.
#pragma once

// Qt's raster engine splits large fills over the global thread pool and
// waits for them. A worker the pool cannot start (no memory left for its
// stack) is never run, and the paint waits for good. So the pool's workers
// are started here, while memory is plentiful, with small stacks, and kept
// for the life of the program: a fill then never has to start a thread.
// False when a worker could not start: the toolkit would then hang at the
// first large fill, so the program must not go on.
bool StartToolkitWorkers();
