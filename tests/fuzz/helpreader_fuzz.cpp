// A help file of random bytes read as the help window reads its pages, through the real chmlib:
// the program neither crashes nor hangs, whatever chmlib does with the file, and a page read is
// one the help window lays out.
#include "help/helploader.h"
#include "help/helppage.h"
#include "help/helpreader.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace tessuvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ChmLibrary* chm = LoadHelpLibrary();
    // Memory-backed where possible: the file is written anew for every input.
    static const std::string path =
        std::string(std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp") + "/tessuvo-fuzz-" +
        std::to_string(::getpid()) + ".chm";
    if (!chm)
        std::abort();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    {
        // Two pages, as a link is followed: the second one from the same reading process.
        HelpReader reader(*chm, path);
        for (const char* name : {"/index.htm", "/colors.htm"}) {
            const HelpPage page = reader.Read(name);
            if (page.status == HelpPage::Status::Read ? !FitsHelpWindow(page.html)
                                                      : !page.html.empty())
                std::abort();
        }
    }
    std::filesystem::remove(path);
    return 0;
}
