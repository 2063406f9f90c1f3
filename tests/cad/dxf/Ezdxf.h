// Runs Debian's ezdxf (under /usr/bin/python3) on a DXF file: its audit and what it reads back.
#pragma once

#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace quadrilo::dxf::test {

inline constexpr const char* SystemPython = "/usr/bin/python3";

// Why ezdxf cannot be used here, or empty when it can.
inline std::string EzdxfMissing() {
    const std::string probe = std::string(SystemPython) + " -c 'import ezdxf' 2>/dev/null";
    return std::system(probe.c_str()) == 0
               ? std::string()
               : std::string(SystemPython) +
                     " with ezdxf (Debian's python3-ezdxf) is not installed";
}

// Output of a Python script given the file's path as its one argument.
inline std::string RunPython(const std::string& script, const std::string& path) {
    const std::string command = "PYTHONIOENCODING=utf-8 " + std::string(SystemPython) + " - '" +
                                path + "' 2>&1 <<'PYEOF'\n" + script + "\nPYEOF\n";
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buf[4096];
        for (std::size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;)
            out.append(buf, n);
        pclose(pipe);
    }
    return out;
}

// What ezdxf makes of a file: audit errors and fixes, layer colours, entity counts by layer
// (model space) and by block.
struct EzdxfView {
    std::vector<std::string> errors, fixes;
    std::map<std::string, int> layerColors;
    std::map<std::string, std::map<std::string, int>> modelCounts; // layer -> type -> count
    std::map<std::string, std::map<std::string, int>> blockCounts; // block -> type -> count
    std::string raw;
};

inline EzdxfView ReadWithEzdxf(const std::string& path) {
    static const char* script = R"(
import sys, ezdxf
from collections import Counter
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
for e in auditor.errors: print('error\t' + str(e.message))
for f in auditor.fixes: print('fix\t' + str(f.message))
for layer in doc.layers: print('layer\t%s\t%d' % (layer.dxf.name, layer.dxf.color))
for (layer, kind), n in Counter((e.dxf.layer, e.dxftype()) for e in doc.modelspace()).items():
    print('model\t%s\t%s\t%d' % (layer, kind, n))
for block in doc.blocks:
    if block.name.startswith('*'): continue
    for kind, n in Counter(e.dxftype() for e in block).items():
        print('block\t%s\t%s\t%d' % (block.name, kind, n))
print('end')
)";
    EzdxfView view;
    view.raw = RunPython(script, path);
    std::istringstream lines(view.raw);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string s; std::getline(fields, s, '\t');)
            f.push_back(s);
        if (f.size() == 2 && f[0] == "error")
            view.errors.push_back(f[1]);
        else if (f.size() == 2 && f[0] == "fix")
            view.fixes.push_back(f[1]);
        else if (f.size() == 3 && f[0] == "layer")
            view.layerColors[f[1]] = std::stoi(f[2]);
        else if (f.size() == 4 && f[0] == "model")
            view.modelCounts[f[1]][f[2]] = std::stoi(f[3]);
        else if (f.size() == 4 && f[0] == "block")
            view.blockCounts[f[1]][f[2]] = std::stoi(f[3]);
    }
    return view;
}

} // namespace quadrilo::dxf::test
