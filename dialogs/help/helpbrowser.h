#pragma once

#include "help/helploader.h"

#include <QTextBrowser>
#include <optional>
#include <string>

namespace tessuvo {

// The pages of a help file, with the links between them followed. Only pages are read from the
// file, no images or style sheets, and only pages within the bounds of help/helppage.h: any
// other shows one line saying that it was not found, so that a damaged or replaced help file
// can neither crash the program nor freeze it.
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
    void CloseFile();
    // The page at `path`, or nothing when it is missing or beyond the bounds.
    std::optional<QByteArray> ReadPage(const QByteArray& path) const;

    const ChmLibrary& m_chm;
    chmFile* m_file = nullptr;
    std::string m_path;
};

} // namespace tessuvo
