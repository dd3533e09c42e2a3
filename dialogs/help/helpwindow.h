#pragma once

#include "help/helploader.h"

#include <QTextBrowser>
#include <string>

namespace tessuvo {

// The help window: shows the pages of the help file and follows the links between them. A
// window of its own beside its owner, not modal; it closes with its owner.
class CHelpWindow final : public QTextBrowser
{
    Q_OBJECT

public:
    CHelpWindow(const ChmLibrary& chm, QWidget* owner);
    ~CHelpWindow() override;

    // Shows `page` of the help file `file`, or one line saying which file was not found.
    void ShowTopic(const std::string& file, const std::string& page);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    void PlaceBeside(const QWidget* owner);
    void CloseFile();

    const ChmLibrary& m_chm;
    chmFile* m_file = nullptr;
    std::string m_path;
};

} // namespace tessuvo
