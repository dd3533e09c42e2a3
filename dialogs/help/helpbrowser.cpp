#include "helpbrowser.h"

#include "help/helppage.h"
#include "help/helppath.h"

#include <QTextDocument>

namespace tessuvo {

HelpBrowser::HelpBrowser(const ChmLibrary& chm, QWidget* parent) : QTextBrowser(parent), m_chm(chm)
{
    setOpenExternalLinks(false);
}

HelpBrowser::~HelpBrowser()
{
    CloseFile();
}

void HelpBrowser::CloseFile()
{
    if (m_file)
        m_chm.close(m_file);
    m_file = nullptr;
    m_path.clear();
}

void HelpBrowser::ShowTopic(const std::string& file, const std::string& page)
{
    const std::string located = LocateHelpFile(file, InstalledDataDirectory());
    const bool sameFile = located == m_path;
    if (!sameFile) {
        CloseFile();
        if (!located.empty() && (m_file = m_chm.open(located.c_str())))
            m_path = located;
    }
    if (!m_file) {
        setPlainText(QString::fromUtf8("ヘルプファイル " + file + " が見つかりません。"));
        return;
    }
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
    if (const auto bytes = ReadPage(page.toUtf8()))
        return QString::fromUtf8(*bytes); // the pages are written in UTF-8
    return QStringLiteral("<p>%1</p>")
        .arg(QString::fromUtf8("ページ %1 が見つかりません。").arg(page).toHtmlEscaped());
}

std::optional<QByteArray> HelpBrowser::ReadPage(const QByteArray& path) const
{
    chmUnitInfo unit{};
    if (!m_file || m_chm.resolveObject(m_file, path.constData(), &unit) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    // The length is the file's own claim: checked before anything is set aside for it.
    if (unit.length > MaxHelpPageBytes)
        return std::nullopt;
    QByteArray bytes(static_cast<qsizetype>(unit.length), Qt::Uninitialized);
    const LONGINT64 read =
        m_chm.retrieveObject(m_file, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                             static_cast<LONGINT64>(unit.length));
    bytes.truncate(read > 0 ? static_cast<qsizetype>(read) : 0);
    if (!FitsHelpWindow(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
        return std::nullopt;
    return bytes;
}

} // namespace tessuvo
