#pragma once

// The synthesis helper process: reads one request on its standard input, speaks it with a library
// that has spoken nothing before, and writes the frames on its standard output. The exit code is
// 0 when everything was written.
int runSynthesisWorker();
