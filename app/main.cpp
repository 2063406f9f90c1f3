// quadrilo: the desktop program.
#include "app/Program.h"
#include "app/drawing/StartDrawing.h"

#include "common/AtomicFile.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-start-drawing") == 0) {
        try {
            quadrilo::app::WriteStartDrawing(argv[2]);
            return 0;
        } catch (const quadrilo::FileWriteError& e) {
            std::fprintf(stderr, "quadrilo: %s\n", e.what());
            return 1;
        }
    }
    return quadrilo::app::RunProgram(argc, argv);
}
