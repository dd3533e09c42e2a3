#pragma once

#include "help/helploader.h"

#include <QTextBrowser>
#include <memory>
#include <string>

namespace tessuvo {

class HelpReader;

// The pages of a help file, with the links between them followed. Only pages are read from the
// file, no images or style sheets, read in a process of their own and within the bounds of
// help/helppage.h (help/helpreader.h): any other shows one line saying that it was not found,
// so that a damaged or replaced help file can neither crash the program nor freeze it.
class HelpBrowser final : public QTextBrowser
{
    Q_OBJECT

public:
    HelpBrowser(const ChmLibrary& chm, QWidget* parent);
    ~HelpBrowser() override;

    // Shows `page` of the help file `file`, or one line saying which file was not found.
    void ShowTopic(const std::string& file, const std::string& page);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    QString MissingFile() const;

    const ChmLibrary& m_chm;
    std::string m_file;                   // as asked for
    std::unique_ptr<HelpReader> m_reader; // of the file where it was found
};

} // namespace tessuvo
