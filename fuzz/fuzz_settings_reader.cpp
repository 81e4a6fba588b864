// Settings files may be damaged in any way: reading and rewriting one must never fail.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "app/profile.h"
#include "controls/list_syntax.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/tovrin-fuzz-" + std::to_string(::getpid()) + ".ini";
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    tovrin::Profile profile(path);
    const std::string list = profile.ReadText("SEND SETTING", "MUL FLAMES", "", 4096);
    (void)tovrin::ParseListValue(list, 5);
    (void)profile.ReadInt("RECEIVE SETTING", "Total", 5000);
    (void)profile.ReadText("COM", "COM", "", 128);
    profile.WriteText("COM", "COM Baud rate", "2000000");
    if (profile.ReadText("COM", "COM Baud rate", "") != "2000000") __builtin_trap();
    return 0;
}
