#include "reader/speech/SynthesisWorker.h"

int main() {
    return runSynthesisWorker();
}
