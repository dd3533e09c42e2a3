// A help file of random bytes read as the help window reads its pages, through the real chmlib:
// the program neither crashes nor hangs, whatever chmlib does with the file, and a page read is
// one the help window lays out.
#include "help/helppage.h"
#include "help/helpreader.h"

#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <pthread.h>
#include <sanitizer/common_interface_defs.h>
#include <unistd.h>

using namespace tessuvo;

namespace {

// The sanitizer stops a reading process that chmlib takes past its buffers, as it should; but
// the fault is chmlib's, already survived, and no crash of this target to record or to report.
const int QuietReadingProcesses = ::pthread_atfork(nullptr, nullptr, [] {
    __sanitizer_set_death_callback(nullptr);
    ::dup2(::open("/dev/null", O_WRONLY), STDERR_FILENO);
});

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ChmLibrary* chm = LoadHelpLibrary();
    static const std::string path = std::filesystem::temp_directory_path() /
                                    ("tessuvo-fuzz-" + std::to_string(::getpid()) + ".chm");
    if (!chm)
        std::abort();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    HelpReader reader(*chm, path);
    // Two pages, as a link is followed: the second from the same reading process.
    for (const char* name : {"/index.htm", "/colors.htm"}) {
        const HelpPage page = reader.Read(name);
        if (page.status == HelpPage::Status::Read ? !FitsHelpWindow(page.html) : !page.html.empty())
            std::abort();
    }
    std::filesystem::remove(path);
    return 0;
}
