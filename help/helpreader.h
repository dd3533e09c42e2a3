#pragma once

#include "help/helploader.h"

#include <chrono>
#include <string>
#include <sys/types.h>

namespace tessuvo {

// Our pages read in a few milliseconds; a file that keeps chmlib going round (an index page
// that points at itself) is given up after this.
inline constexpr std::chrono::milliseconds HelpReadTimeout{2000};

struct HelpPage
{
    enum class Status
    {
        Read,       // `html` holds the page, within the bounds of help/helppage.h
        Missing,    // not in the file, beyond the bounds, or the file is damaged
        Unreadable, // not a help file at all
    };
    Status status = Status::Missing;
    std::string html;
};

// Reads the pages of one help file through chmlib, in a process of its own. chmlib trusts the
// file's directory and compression tables: it divides by them, indexes with them and follows
// them round in loops, so that only reading the file as it does tells whether it survives the
// file. A reading process that dies or runs out of time leaves the page missing, and the
// program lives; the next page starts another. The process is started at the first page and
// keeps the file open, as the reader keeps it, so that following a link costs no more than it
// did in the program's own process.
class HelpReader
{
public:
    HelpReader(const ChmLibrary& chm, std::string file) : m_chm(chm), m_file(std::move(file)) {}
    ~HelpReader() { Stop(); }
    HelpReader(const HelpReader&) = delete;
    HelpReader& operator=(const HelpReader&) = delete;

    const std::string& File() const { return m_file; }
    HelpPage Read(const std::string& page);

private:
    bool Start();
    // Ends the reading process; its exit status, or -1 when it did not exit by itself.
    int Stop();

    const ChmLibrary& m_chm;
    std::string m_file;
    pid_t m_process = -1;
    int m_socket = -1;
};

} // namespace tessuvo
