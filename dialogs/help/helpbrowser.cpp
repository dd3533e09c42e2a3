#include "helpbrowser.h"

#include "help/helppath.h"
#include "help/helpreader.h"

#include <QTextDocument>

namespace tessuvo {

HelpBrowser::HelpBrowser(const ChmLibrary& chm, QWidget* parent) : QTextBrowser(parent), m_chm(chm)
{
    setOpenExternalLinks(false);
}

HelpBrowser::~HelpBrowser() = default;

QString HelpBrowser::MissingFile() const
{
    return QString::fromUtf8("ヘルプファイル " + m_file + " が見つかりません。");
}

void HelpBrowser::ShowTopic(const std::string& file, const std::string& page)
{
    m_file = file;
    const std::string located = LocateHelpFile(file, InstalledDataDirectory());
    if (located.empty()) {
        m_reader.reset();
        setPlainText(MissingFile());
        return;
    }
    if (!m_reader || m_reader->File() != located)
        m_reader = std::make_unique<HelpReader>(m_chm, located);
    // The page shown may have come from another file, or been replaced by the line above.
    const QUrl url(QString::fromStdString(page));
    if (url == source())
        reload();
    else
        setSource(url, QTextDocument::HtmlResource);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    if (type != QTextDocument::HtmlResource)
        return {};
    // Links between pages come relative; the pages all stand in the file's top folder.
    QString page = name.path();
    if (!page.startsWith(QLatin1Char('/')))
        page.prepend(QLatin1Char('/'));
    const HelpPage read = m_reader ? m_reader->Read(page.toStdString()) : HelpPage{};
    switch (read.status) {
    case HelpPage::Status::Read:
        return QString::fromStdString(read.html); // the pages are written in UTF-8
    case HelpPage::Status::Unreadable:
        return QStringLiteral("<p>%1</p>").arg(MissingFile().toHtmlEscaped());
    case HelpPage::Status::Missing:
        break;
    }
    return QStringLiteral("<p>%1</p>")
        .arg(QString::fromUtf8("ページ %1 が見つかりません。").arg(page).toHtmlEscaped());
}

} // namespace tessuvo
