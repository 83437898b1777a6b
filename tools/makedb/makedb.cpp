// makedb: builds a database file from SQL scripts, run in order.
//   makedb [--keep-existing] OUTPUT SCRIPT...
// --keep-existing leaves an existing OUTPUT untouched (the save database holds a player's pilots).
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "db/database_builder.h"

int main(int argc, char** argv)
{
    BuildMode mode = BuildMode::kReplace;
    int next = 1;
    if (next < argc && std::strcmp(argv[next], "--keep-existing") == 0) {
        mode = BuildMode::kKeepExisting;
        ++next;
    }
    if (argc - next < 2) {
        std::fprintf(stderr, "usage: makedb [--keep-existing] OUTPUT SCRIPT...\n");
        return 2;
    }
    std::string output = argv[next++];
    std::vector<std::string> scripts(argv + next, argv + argc);
    if (auto error = BuildDatabase(output, scripts, mode)) {
        std::fprintf(stderr, "makedb: %s\n", error->c_str());
        return 1;
    }
    return 0;
}
